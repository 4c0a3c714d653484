#pragma once

#include "previewaccess.h"

#include <QWebEngineUrlRequestInterceptor>

// Watches every request of the preview's browser profile: a previewed page may load its own
// copy, files inside its saved page's folder, data: and blob: URLs, and nothing else - no
// file elsewhere on the machine and nothing from the network.
class CPreviewInterceptor : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
public:
    explicit CPreviewInterceptor(QObject *parent = nullptr);

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

    // The copy a preview shows and the folder its page may read (empty: none).
    void allowCopy(const QString &copyPath, const QString &folder);
    void forgetCopy(const QString &copyPath);

private:
    tarnel::PreviewAccess m_access;
};
