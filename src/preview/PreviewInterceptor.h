#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Watches every request of the preview's browser profile: a previewed page may load data:
// and blob: URLs and its own files through the preview scheme, and nothing else - no file
// elsewhere on the machine and nothing from the network.
class CPreviewInterceptor : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
public:
    explicit CPreviewInterceptor(QObject *parent = nullptr);

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;
};
