#include "PreviewPage.h"
CPreviewPage::CPreviewPage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent)
{
    // Each page shown starts afresh: its first dialog is reported again.
    connect(this, &QWebEnginePage::loadStarted, this, [this] {
        m_dialogReported = false;
        m_linkClickReported.clear();
    });
    connect(this, &QWebEnginePage::linkHovered, this, &CPreviewPage::onLinkHovered);
}

void CPreviewPage::onLinkHovered(const QUrl &url)
{
    m_hoveredLink = url;
}

void CPreviewPage::userClicked()
{
    if (!tarnel::IsExternalLinkScheme(m_hoveredLink.scheme().toLower().toStdString()))
        return;
    m_linkClickReported = m_hoveredLink;
    reportLink(m_hoveredLink);
}

void CPreviewPage::reportLink(const QUrl &url)
{
    emit refused(tr("The preview opens no links: %1").arg(url.toString()));
}

tarnel::PreviewRequest CPreviewPage::request(const QUrl &url, const QUrl &firstParty)
{
    return {url.scheme().toLower().toStdString(), url.host().toStdString(),
            firstParty.scheme().toLower().toStdString(), firstParty.host().toStdString()};
}

bool CPreviewPage::isSameDocument(const QUrl &url) const
{
    return !this->url().isEmpty() &&
           url.adjusted(QUrl::RemoveFragment) == this->url().adjusted(QUrl::RemoveFragment);
}

bool CPreviewPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (type == NavigationTypeLinkClicked && !(isMainFrame && isSameDocument(url))) {
        if (url == m_linkClickReported)
            m_linkClickReported.clear();
        else
            reportLink(url);
        return false;
    }
    if (!isMainFrame)
        return tarnel::MayShowInFrame(url.toString().toStdString(), request(url, this->url()));
    switch (type) {
    case NavigationTypeTyped: // only the editor itself loads pages
    case NavigationTypeBackForward:
    case NavigationTypeReload:
        return true;
    default:
        return isSameDocument(url);
    }
}

void CPreviewPage::reportDialog(const QString &text)
{
    if (m_dialogReported)
        return;
    m_dialogReported = true;
    emit refused(tr("The page's message: %1").arg(text));
}

void CPreviewPage::javaScriptAlert(const QUrl &, const QString &msg)
{
    reportDialog(msg);
}

bool CPreviewPage::javaScriptConfirm(const QUrl &, const QString &msg)
{
    reportDialog(msg);
    return false;
}

bool CPreviewPage::javaScriptPrompt(const QUrl &, const QString &msg, const QString &,
                                    QString *result)
{
    reportDialog(msg);
    result->clear();
    return false;
}
