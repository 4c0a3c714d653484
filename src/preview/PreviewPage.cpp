#include "PreviewPage.h"

CPreviewPage::CPreviewPage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent)
{}

bool CPreviewPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    // Frames inside the page load under the request rules of the profile.
    if (!isMainFrame)
        return true;
    switch (type) {
    case NavigationTypeTyped: // only the editor itself loads pages
    case NavigationTypeBackForward:
    case NavigationTypeReload:
        return true;
    default:
        return !this->url().isEmpty() &&
               url.adjusted(QUrl::RemoveFragment) == this->url().adjusted(QUrl::RemoveFragment);
    }
}
