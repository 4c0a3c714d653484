#include "PreviewProfile.h"

#include "PreviewInterceptor.h"
#include "PreviewModule.h"
#include "PreviewSchemeHandler.h"
#include "previewaccess.h"

#include <QWebEngineSettings>

CPreviewProfile::CPreviewProfile(QObject *parent)
    : QWebEngineProfile(parent)
    , m_interceptor(new CPreviewInterceptor(this))
    , m_pages(new CPreviewSchemeHandler(this))
{
    setUrlRequestInterceptor(m_interceptor);
    installUrlSchemeHandler(tarnel::kPreviewScheme, m_pages);
    setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    QWebEngineSettings *s = settings();
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    // Unsealed, a script could send the page's files out by WebRTC, which no request rule
    // sees.
    if (previewPageScriptsBarred())
        s->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    // A mailto:, ftp: or any other link the browser cannot show itself would otherwise be
    // handed to the desktop, carrying whatever the page put into it.
    s->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
}
