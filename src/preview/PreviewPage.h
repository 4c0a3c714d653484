#pragma once

#include <QWebEnginePage>

// The preview's page: it shows what the editor loads into it and moves within itself
// (anchors), but a page cannot take the preview elsewhere on its own - no links, forms,
// scripts or refreshes leading away (a way to send what it read off the machine).
class CPreviewPage : public QWebEnginePage
{
    Q_OBJECT
public:
    explicit CPreviewPage(QWebEngineProfile *profile, QObject *parent = nullptr);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
};
