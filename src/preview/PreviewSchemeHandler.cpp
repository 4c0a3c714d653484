#include "PreviewSchemeHandler.h"

#include "previewaccess.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace {

QString schemeName()
{
    return QString::fromLatin1(tarnel::kPreviewScheme);
}

// Hands `device` to the job; the job reads it on another thread until it is destroyed.
void replyWith(QWebEngineUrlRequestJob *job, const QByteArray &type, QIODevice *device)
{
    QObject::connect(job, &QObject::destroyed, device, &QObject::deleteLater);
    job->reply(type, device);
}

} // namespace

CPreviewSchemeHandler::CPreviewSchemeHandler(QObject *parent)
    : QWebEngineUrlSchemeHandler(parent)
{}

void CPreviewSchemeHandler::registerScheme()
{
    if (!QWebEngineUrlScheme::schemeByName(schemeName().toLatin1()).name().isEmpty())
        return;
    QWebEngineUrlScheme scheme(schemeName().toLatin1());
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Secure like a local file; CORS lets the page fetch its own files (and only those: no
    // other origin's answer carries an allowing header).
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl CPreviewSchemeHandler::showPage(const QString &name, const QByteArray &text,
                                     const QString &fileName, const QString &folder)
{
    QUrl url;
    url.setScheme(schemeName());
    url.setHost(name);
    url.setPath(QLatin1Char('/') + fileName);
    m_pages.insert(name, Page{text, url.path(), folder});
    return url;
}

void CPreviewSchemeHandler::forgetPage(const QString &name)
{
    m_pages.remove(name);
}

QString CPreviewSchemeHandler::describe(const QUrl &url) const
{
    const auto page = m_pages.constFind(url.host());
    if (url.scheme() != schemeName() || page == m_pages.constEnd())
        return url.toString();
    const QString file = url.path().mid(1);
    QString where = page->folder.isEmpty() ? file : QDir(page->folder).filePath(file);
    if (url.hasQuery())
        where += QLatin1Char('?') + url.query();
    if (url.hasFragment())
        where += QLatin1Char('#') + url.fragment();
    return where;
}

void CPreviewSchemeHandler::requestStarted(QWebEngineUrlRequestJob *job)
{
    const QUrl url = job->requestUrl();
    const auto page = m_pages.constFind(url.host());
    if (page == m_pages.constEnd() || job->requestMethod() != "GET") {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const QString path = url.path();
    if (path == page->path) {
        auto *buffer = new QBuffer;
        buffer->setData(page->text);
        buffer->open(QIODevice::ReadOnly);
        replyWith(job, "text/html", buffer);
        return;
    }
    const std::string file = tarnel::PageFile(QFile::encodeName(page->folder).toStdString(),
                                              QFile::encodeName(path).toStdString());
    auto *device = new QFile(QFile::decodeName(file.c_str()));
    if (file.empty() || !device->open(QIODevice::ReadOnly)) {
        delete device;
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    const QByteArray type = QMimeDatabase()
                                .mimeTypeForFile(device->fileName(), QMimeDatabase::MatchExtension)
                                .name()
                                .toLatin1();
    replyWith(job, type, device);
}
