#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

// Serves previewed pages from memory: each preview shows its page under a name of its own,
// "tarnel-page://<name>/<file name>", so that the page's relative URLs resolve below it and
// are answered with the files of the page's folder that the page may read. Nothing is
// written to disk for a preview.
class CPreviewSchemeHandler : public QWebEngineUrlSchemeHandler
{
    Q_OBJECT
public:
    explicit CPreviewSchemeHandler(QObject *parent = nullptr);

    // Registers the scheme; must run before the application object exists.
    static void registerScheme();

    // Shows `text` as the page `fileName` in `folder` (empty for an unsaved page, which reads
    // nothing local) under `name`; returns the page's URL.
    QUrl showPage(const QString &name, const QByteArray &text, const QString &fileName,
                  const QString &folder);
    void forgetPage(const QString &name);
    // Where `url` leads in the user's terms: a file of a shown page's folder as its path,
    // anything else as it stands.
    QString describe(const QUrl &url) const;

    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    struct Page
    {
        QByteArray text;
        QString path; // the page's own URL path
        QString folder;
    };
    QHash<QString, Page> m_pages;
};
