#include "PreviewProfile.h"

#include "PreviewInterceptor.h"

#include <QWebEngineSettings>

CPreviewProfile::CPreviewProfile(QObject *parent)
    : QWebEngineProfile(parent)
    , m_interceptor(new CPreviewInterceptor(this))
{
    setUrlRequestInterceptor(m_interceptor);
    setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    QWebEngineSettings *s = settings();
    // A local page reaches no network; its own folder is guarded by the interceptor.
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
}
