#pragma once

#include "previewaccess.h"

#include <QWebEnginePage>

class CPreviewProfile;

// The preview's page: it shows what the editor loads into it and moves within itself
// (anchors), but a page cannot take the preview or its frames elsewhere on its own, nor hand
// anything to another program: a click on a link opens nothing and is reported instead.
// Script dialogs are answered at once (no, empty) so that a page cannot hold the editor; file
// and folder choosers are refused (what the user picked would be the page's to read), and the
// page's console messages go nowhere.
class CPreviewPage : public QWebEnginePage
{
    Q_OBJECT
public:
    explicit CPreviewPage(CPreviewProfile *profile, QObject *parent = nullptr);

    // A request for `url` made for the top-level page `firstParty`, taken apart for the rules.
    static tarnel::PreviewRequest request(const QUrl &url, const QUrl &firstParty);

    // The user clicked in the page. A link under the mouse that the browser hands to another
    // program is refused by the profile without a word, so it is reported here.
    void userClicked();
    // The user pressed Enter in the page: the same for a focused link.
    void userPressedEnter();
    // Whether refused link clicks are reported (the live preview's clicks lead to the source
    // instead).
    void setReportsLinks(bool report) { m_reportsLinks = report; }

signals:
    // Something the page tried that the preview refused, for the status bar.
    void refused(const QString &text);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    void javaScriptAlert(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptConfirm(const QUrl &securityOrigin, const QString &msg) override;
    bool javaScriptPrompt(const QUrl &securityOrigin, const QString &msg,
                          const QString &defaultValue, QString *result) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList &oldFiles,
                            const QStringList &acceptedMimeTypes) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int lineNumber, const QString &sourceID) override;

private:
    bool isSameDocument(const QUrl &url) const;
    void reportDialog(const QString &text);
    void reportLink(const QUrl &url);
    void onLinkHovered(const QUrl &url);
    void reportIfExternal(const QUrl &link);

    CPreviewProfile *m_profile;
    QUrl m_hoveredLink;       // the link under the mouse (or else the focused one), in any frame
    QUrl m_linkClickReported; // so that a navigation asked about later is not reported twice
    bool m_dialogReported = false;
    bool m_reportsLinks = true;
};
