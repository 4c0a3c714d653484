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

    // For a process that could not be kept off the network: the pages' own scripts do not
    // run in previews made after this (the editor's helpers in their own world still do).
    static void barPageScripts() { s_pageScriptsBarred = true; }
    static bool pageScriptsBarred() { return s_pageScriptsBarred; }

private:
    CPreviewInterceptor *m_interceptor;
    CPreviewSchemeHandler *m_pages;
    static inline bool s_pageScriptsBarred = false;
};
