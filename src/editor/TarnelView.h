#pragma once

#include "PageColourer.h"
#include "View.h"
#include "elementrecord.h"
#include "outline.h"
#include "scanner.h"

#include <Qsci/qsciscintilla.h>

#include <QKeySequence>
#include <QList>
#include <QTimer>

#include <cstddef>
#include <string>

class CTarnelDoc;
class QMenu;
class QPrinter;

// The source view of one page: a QScintilla surface on the document's shared text.
class CTarnelView : public QsciScintilla, public CView
{
    Q_OBJECT
public:
    explicit CTarnelView(CTarnelDoc *document, QWidget *parent = nullptr);
    ~CTarnelView() override;

    QWidget *widget() override { return this; }
    void OnInitialUpdate() override;
    void OnUpdate(CView *sender, int hint, const tarnel::ElementRecord *record) override;

    // Puts a snippet in the text. With beforeBodyEnd the caret first moves before the page's
    // first "</BODY" (any case) and the document's modified flag is left alone (the first
    // fill); otherwise the snippet replaces the selection and the document becomes modified.
    // The snippet's line feeds become the document's line break; one Undo removes it.
    void InsertSnippet(const std::string &text, bool beforeBodyEnd);
    // Replaces the bytes [start, end) with exactly `bytes` (line breaks as they are), as one
    // Undo step, and puts the caret after them.
    void replaceBytes(std::size_t start, std::size_t end, const std::string &bytes);

    // Byte index of the caret.
    std::size_t CharIndexAtCaret() const;

    // The page's whole text, as bytes.
    std::string pageText() const;
    // The saved page's path, empty for a page never saved (browsed files are made relative
    // to it).
    QString pagePath() const;

    // Brings the outline in line with the text: only the categories that changed are sent
    // again (none when nothing changed), or all of them with `resendAll` (a new outline).
    void rescanOutline(bool resendAll = false);
    // Tells the document's other views about an element (hints 3-14).
    void notifyViews(int hint, const tarnel::ElementRecord *record = nullptr);

    // Selects [start, end) by byte index; clears the selection keeping the caret.
    void selectBytes(std::size_t start, std::size_t end);
    void clearSelection();

    void showStatusMessage(const QString &text, int timeoutMs = 4000);

    // Leaves these keys to the window's accelerators instead of the editor's own bindings.
    void releaseKeys(const QList<QKeySequence> &keys);
    // Prints the whole page with half-inch margins; false when the printer failed.
    bool printTo(QPrinter &printer);

    // The right-button menu at a point of the view (and of the screen).
    void ShowContextMenu(const QPoint &clickPoint, const QPoint &globalPoint);

signals:
    void statusMessage(const QString &text, int timeoutMs);
    void contextMenuShown(QMenu *menu);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void applySurfaceSettings();
    void addCommands();
    // Undo, Cut, Copy and Paste are enabled when they would do something.
    void updateEditStates();
    void clipboardChanged();
    void typedCharacter(const QString &text);
    void onTextAboutToChange(int position, int modificationType);
    bool senderInMyWindow(const CView *sender) const;
    void replaceTarget(long start, long end, const std::string &bytes);
    void openFindDialog(bool replace);
    void printWithDialog();
    void printPreview();

    // Colouring and completion: every editing command runs inside an edit of the page's
    // colourer, which colours (and rewrites) once the command is done.
    CPageColourer &colourer() const;
    tarnel::EditCommand commandForKey(const QKeyEvent *event);
    template <class Command> void runEdit(tarnel::EditCommand command, Command &&edit);
    void afterEdit(const CPageColourer::Outcome &outcome);
    void offerCompletion();

    tarnel::OutlineState m_outlineShown; // what the outlines were last told
    QTimer m_rescanTimer;                // rescans once typing pauses
    bool m_offeringCompletion = false;   // the completion list is open
    bool m_clipboardHasText = false;
};
