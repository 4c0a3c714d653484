#pragma once

#include <QWebEngineProfile>

class CPreviewInterceptor;

// The browser profile every preview window shares: kept in memory only (nothing of a
// previewed page is stored on disk) and watched by the preview's request rules.
class CPreviewProfile : public QWebEngineProfile
{
    Q_OBJECT
public:
    explicit CPreviewProfile(QObject *parent = nullptr);

    CPreviewInterceptor *interceptor() const { return m_interceptor; }

private:
    CPreviewInterceptor *m_interceptor;
};
