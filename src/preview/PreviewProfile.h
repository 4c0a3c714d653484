#pragma once

#include <QWebEngineProfile>

class CPreviewInterceptor;
class CPreviewSchemeHandler;

// The browser profile every preview window shares: kept in memory only (nothing of a
// previewed page is stored on disk), serving pages from memory and watched by the preview's
// request rules.
class CPreviewProfile : public QWebEngineProfile
{
    Q_OBJECT
public:
    explicit CPreviewProfile(QObject *parent = nullptr);

    CPreviewSchemeHandler *pages() const { return m_pages; }

private:
    CPreviewInterceptor *m_interceptor;
    CPreviewSchemeHandler *m_pages;
};
