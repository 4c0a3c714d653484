#pragma once

#include "FindService.h"
#include "PageColourer.h"
#include "PageEditor.h"
#include "TextSurface.h"
#include "TypingRun.h"
#include "View.h"
#include "elementrecord.h"
#include "reedit.h"
#include "scanner.h"

#include <Qsci/qsciscintilla.h>

#include <QKeySequence>
#include <QList>

#include <cstddef>
#include <string>

class CAbbreviationExpander;
class CColourSwatches;
class CCompletion;
class CFileDrops;
class CTagEditing;
class CTarnelDoc;
class QMenu;
class QPrinter;

// The source view of one page: a QScintilla surface on the document's shared text.
class CTarnelView : public QsciScintilla, public CView, public IPageEditor
{
    Q_OBJECT
public:
    explicit CTarnelView(CTarnelDoc *document, QWidget *parent = nullptr);
    ~CTarnelView() override;

    static constexpr Kind kViewKind = Kind::Source;
    // Margins 0 and 1 hold the line numbers and the problem marks.
    static constexpr int kFoldMargin = 2;
    QWidget *widget() override { return this; }
    Kind kind() const override { return kViewKind; }
    void OnInitialUpdate() override;

    // Puts a snippet in the text. With beforeBodyEnd the caret first moves before the page's
    // first "</BODY" (any case) and the document's modified flag is left alone (the first
    // fill); otherwise the snippet replaces the selection and the document becomes modified.
    // The snippet's line feeds become the document's line break; one Undo removes it.
    void InsertSnippet(const std::string &text, bool beforeBodyEnd) override;
    tarnel::NameCase pageNameCase() const override;
    // Replaces the bytes [start, end) with exactly `bytes` (line breaks as they are), as one
    // Undo step, and puts the caret after them.
    void replaceBytes(std::size_t start, std::size_t end, const std::string &bytes) override;

    // Byte index of the caret.
    std::size_t CharIndexAtCaret() const override;

    // The page's whole text, as bytes.
    std::string pageText() const;
    // The saved page's path, empty for a page never saved (browsed files are made relative
    // to it).
    QString pagePath() const override;
    std::string_view pageBytes() const override;
    tarnel::LineBreak pageLineBreak() const override;
    const CPageCodec &pageCodec() const override;

    // Brings the outlines in line with the text now (CTarnelDoc::rescanOutline).
    void rescanOutline(bool resendAll = false) override;

    // Selects [start, end) by byte index; clears the selection keeping the caret.
    void selectBytes(std::size_t start, std::size_t end) override;
    tarnel::TextRange selectedBytes() const override;
    void clearSelection() override;

    void showStatusMessage(const QString &text, int timeoutMs = 4000) override;

    // Finding and replacing in this view's text.
    CFindService findService();
    // Selects the next match; when there is none, says so in the status bar.
    bool findNextMatch(const FindOptions &options);

    // Leaves these keys to the window's accelerators instead of the editor's own bindings; the
    // editor gets back its own keys that an earlier call took and these do not hold.
    void releaseKeys(const QList<QKeySequence> &keys);
    // Prints the whole page with half-inch margins on a CPagePrinter, headed by the page's
    // name and the sheet numbers; false when the printer failed or is no CPagePrinter.
    bool printTo(QPrinter &printer);

    // The right-button menu at a point of the view (and of the screen).
    void ShowContextMenu(const QPoint &clickPoint, const QPoint &globalPoint);

    // Takes on the editor settings in force (font, tabs, line numbers).
    void applySettings();

    // Files dropped on the view (pages it asks to open, pictures, text files).
    CFileDrops *fileDrops() const { return m_fileDrops; }

    // Closes the undo step of the keys typed so far: what comes next is a step of its own.
    void endTypingRun() { m_typing.end(); }

    // Asks for a tag name and puts the selection inside that element.
    void wrapInTag();
    // Asks for a line number and moves the caret to its start.
    void goToLine();

signals:
    void statusMessage(const QString &text, int timeoutMs);
    // The caret moved (told once the view has redrawn): its line and column, counted from 1.
    void caretMoved(int line, int column);
    void contextMenuShown(QMenu *menu);
    // The same move as a byte index.
    void caretIndexChanged(std::size_t caret);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    // Pasted and dropped text, through the page's encoding.
    QByteArray fromMimeData(const QMimeData *source, bool &rectangular) const override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applySurfaceSettings();
    void addCommands();
    // Undo, Cut, Copy and Paste are enabled when they would do something.
    void updateEditStates();
    void clipboardChanged();
    // The key to QScintilla's own handling, which types nothing for an unbound Ctrl key.
    void passToEditor(QKeyEvent *event);
    void typedCharacter(const QString &text);
    bool typeAsReference(const QKeyEvent *event);
    bool typesUnencodable(const QKeyEvent *event) const;
    void typeAtSeveralCarets(QKeyEvent *event);
    // Tab with nothing selected and no list open expands an abbreviation Tab may take.
    bool expandOnTab(const QKeyEvent *event);
    void showElement(CView *requester, tarnel::ElementKind kind,
                     const tarnel::ElementRecord &record);
    bool inMyWindow(CView *other) const;
    void replaceTarget(std::size_t start, std::size_t end, const std::string &bytes);
    void openFindDialog(bool replace);
    void printWithDialog();
    void printPreview();

    // Colouring and completion: every editing command runs inside an edit of the page's
    // colourer, which colours (and rewrites) once the command is done.
    CPageColourer &colourer() const;
    tarnel::EditCommand commandForKey(const QKeyEvent *event);
    template <class Command> void runEdit(tarnel::EditCommand command, Command &&edit);
    void afterEdit(const CPageColourer::Outcome &outcome);

    void caretUpdated();

    CTextSurface m_text;
    CTypingRun m_typing;
    CCompletion *m_completion;
    CTagEditing *m_tagEditing;
    CAbbreviationExpander *m_abbreviations;
    CColourSwatches *m_swatches = nullptr;
    CFileDrops *m_fileDrops;
    // The editor's own bindings as QScintilla made them, before any was left to the window.
    struct EditorKey
    {
        class QsciCommand *command;
        int key;
        int alternateKey;
    };
    QList<EditorKey> m_editorKeys;
    bool m_clipboardHasText = false;
    std::size_t m_lastCaret = std::size_t(-1); // none told yet
};
