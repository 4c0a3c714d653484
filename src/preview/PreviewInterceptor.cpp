#include "PreviewInterceptor.h"

#include <QFile>
#include <QUrl>

namespace {

std::string localPath(const QUrl &url)
{
    return url.isLocalFile() ? QFile::encodeName(url.toLocalFile()).toStdString() : std::string();
}

} // namespace

CPreviewInterceptor::CPreviewInterceptor(QObject *parent)
    : QWebEngineUrlRequestInterceptor(parent)
{}

void CPreviewInterceptor::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QUrl url = info.requestUrl();
    const QUrl firstParty = info.firstPartyUrl();
    const tarnel::PreviewRequest request{
        url.scheme().toLower().toStdString(), url.host().toStdString(), localPath(url),
        firstParty.scheme().toLower().toStdString(), localPath(firstParty)};
    info.block(!m_access.MayLoad(request));
}

void CPreviewInterceptor::allowCopy(const QString &copyPath, const QString &folder)
{
    m_access.Allow(QFile::encodeName(copyPath).toStdString(),
                   QFile::encodeName(folder).toStdString());
}

void CPreviewInterceptor::forgetCopy(const QString &copyPath)
{
    m_access.Forget(QFile::encodeName(copyPath).toStdString());
}
