#pragma once

#include <QFileSystemWatcher>
#include <QPoint>
#include <QStringList>
#include <QTimer>
#include <QWebEngineView>

#include "livepreview.h"
#include "textinplace.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

class CTarnelDoc;
class CPreviewBridge;
class CPreviewPage;
class CPreviewProfile;

// The page rendered beside its source and kept in step with the text: after a pause in
// typing the new body is patched into the shown page (a change in the head loads it again),
// the element holding the source's caret is outlined, and clicks in the page lead back to
// the source. The page's own link-following stays off. The marks that tie its elements to
// the source reach only the helpers, never the page's own scripts. An element's text can be
// edited where it is shown; what the user typed is written back into the source.
class CLivePreview : public QWebEngineView
{
    Q_OBJECT
public:
    CLivePreview(CTarnelDoc *document, CPreviewProfile *profile, QWidget *parent = nullptr);
    ~CLivePreview() override;

    // The source's caret moved to byte `caret`: its element gets outlined once the preview
    // is in step with the text.
    void followCaret(std::size_t caret);
    // True once the shown page is the current text (no change waiting or being applied).
    bool inStep() const { return m_inStep; }
    // Loads the page again, with the files it uses, at the place it is scrolled to.
    void reloadPage();
    // Makes the text of the element whose start tag stands at `tagStart` editable where the
    // page shows it, or says in the status bar why it cannot be. With a point of the view (a
    // double click), the word there is selected.
    void editText(std::size_t tagStart, std::optional<QPoint> at = std::nullopt);
    // The same for the element holding the source's caret (F2).
    void editTextAtCaret();
    // True once the page has made the text editable, until the edit ends.
    bool editingText() const { return m_textEdit && m_textEdit->started; }

    static constexpr int kPauseMs = 150;

signals:
    // A click in the page, on the element whose start tag stands at `tagStart` in the source.
    void elementClicked(std::size_t tagStart);
    // A double click: on the image, link or applet whose start tag stands at `tagStart`.
    void elementDoubleClicked(std::size_t tagStart);
    // The preview shows the current text (for tests and the status bar).
    void updated();
    // ... and the frame showing it has been painted.
    void painted();
    // The caret's element was outlined (false: it has no box in the page).
    void caretShown(bool shown);
    void statusMessage(const QString &text, int timeoutMs);
    // An edit in the page asks for bytes [begin, end) of the source to become `bytes`, as one
    // undo step.
    void textEdited(std::size_t begin, std::size_t end, const std::string &bytes);
    // Ctrl and the wheel turned over the page: zoom in (or out) one step.
    void wheelZoomed(bool in);

protected:
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void textChanged(const tarnel::TextChange &change);
    void reloadSoon();
    void bringInStep();
    void loadPage(const QByteArray &page);
    // `givesMarks`: the first patch after a load, which only gives the loaded page its marks.
    void patchBody(const QByteArray &marked, bool givesMarks, bool withHelpers = false);
    void loadFinished(bool ok);
    void nowInStep();
    void gaveUpWaiting();
    void rendererGone();
    void showCaretElement();
    void askForMarkAt(const QPoint &at);
    void askForDoubleClickAt(const QPoint &at);
    void textEditEnded(int mark, const QString &outcome, const QString &text);
    // Watches the files beside the page that it uses: a changed style sheet is swapped in,
    // anything else loads the page again.
    void watchUsedFiles(std::string_view text);
    void usedFileChanged(const QString &path);

    CTarnelDoc *m_document;
    CPreviewProfile *m_profile;
    CPreviewPage *m_page;
    QString m_pageName;
    QTimer m_pause;               // the pause in typing that brings the preview in step
    QTimer m_caretPause;          // coalesces caret moves
    QTimer m_watchdog;            // a page that takes too long to load or to answer
    std::string m_shownHead;      // the head part of the text last loaded
    QByteArray m_marksToGive;     // the marked text of the page being loaded
    tarnel::PreviewMarks m_marks; // of the text shown
    std::optional<tarnel::TextChange> m_changeSinceShown;
    QString m_shownPath; // the page's file when last loaded: its folder serves the page's files
    QPoint m_scrollToRestore;
    std::size_t m_caret = 0;
    bool m_loading = false;
    bool m_patching = false;
    bool m_inStep = false;
    bool m_closing = false;
    bool m_rendererGone = false; // no renderer answers until a page is loaded again
    int m_round = 0;         // of the load or patch under way: answers of an earlier one are late
    int m_paintedRound = -1; // the last round whose frame the page reported painted
    QPoint m_pressedAt;
    QFileSystemWatcher m_watcher;
    QStringList m_used;         // the files watched, absolute
    bool m_bypassCache = false; // the next load fetches the page's files afresh
    CPreviewBridge *m_bridge;
    // The element whose text is edited in place: its mark, and its content in the source
    // when the edit began, which must still stand there when it ends.
    struct TextEdit
    {
        std::size_t mark;
        tarnel::EditableText text;
        std::string content;
        bool started = false; // the page made it editable
    };
    std::optional<TextEdit> m_textEdit;
};
