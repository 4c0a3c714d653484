#include "PreviewPage.h"

#include "PreviewProfile.h"
#include "PreviewSchemeHandler.h"

#include <QWebEngineScript>

CPreviewPage::CPreviewPage(CPreviewProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent)
    , m_profile(profile)
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

void CPreviewPage::reportIfExternal(const QUrl &link)
{
    if (!tarnel::IsExternalLinkScheme(link.scheme().toLower().toStdString()))
        return;
    m_linkClickReported = link;
    reportLink(link);
}

void CPreviewPage::userClicked()
{
    reportIfExternal(m_hoveredLink);
}

void CPreviewPage::userPressedEnter()
{
    // The focused link, followed into the frames the page can reach, asked in a world of its
    // own so that the page's scripts cannot change the answer. The mouse may rest on another
    // link, so the hovered one does not tell. An answer that comes while the page is being
    // destroyed is empty and reports nothing.
    static const QString focusedLink =
        QStringLiteral("(function focused(d) {"
                       "  const e = d.activeElement;"
                       "  if (e && e.contentDocument) return focused(e.contentDocument);"
                       "  const link = e && e.closest('a[href], area[href]');"
                       "  return link ? String(link.href) : '';"
                       "})(document)");
    runJavaScript(focusedLink, QWebEngineScript::ApplicationWorld,
                  [this](const QVariant &link) { reportIfExternal(QUrl(link.toString())); });
}

void CPreviewPage::reportLink(const QUrl &url)
{
    if (!m_reportsLinks)
        return;
    emit refused(tr("The preview opens no links: %1").arg(m_profile->pages()->describe(url)));
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

QStringList CPreviewPage::chooseFiles(FileSelectionMode, const QStringList &, const QStringList &)
{
    // Folder pickers (showDirectoryPicker) come here too.
    emit refused(tr("The preview opens no file chooser for the page."));
    return {};
}

void CPreviewPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &, int,
                                            const QString &)
{
    // Written to the editor's standard error, a page's messages could fill it without end, and
    // they would carry the terminal's control sequences of the page's choosing.
}
