#include "TarnelView.h"

#include "InsertCommands.h"
#include "TarnelDoc.h"
#include "commandids.h"
#include "pagetext.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QMainWindow>
#include <QStatusBar>

using namespace tarnel;

CTarnelView::CTarnelView(CTarnelDoc *document, QWidget *parent)
    : QsciScintilla(parent)
    , CView(document)
{
    SendScintilla(SCI_SETDOCPOINTER, 0UL, document->sciDocument());
    document->configureSurface(this);
    applySurfaceSettings();
    document->AddView(this);
}

CTarnelView::~CTarnelView()
{
    CTarnelDoc *doc = GetDocument();
    doc->UpdateAllViews(this, HintSourceClosed);
    // Detach from the shared text before the widget goes, so it stays with the document.
    SendScintilla(SCI_SETDOCPOINTER, 0UL, static_cast<void *>(nullptr));
    doc->RemoveView(this);
}

void CTarnelView::applySurfaceSettings()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    font.setBold(false);
    setFont(font);
    SendScintilla(SCI_STYLECLEARALL);
    // Tab stops every fifth of an inch, as near as whole characters allow.
    const QFontMetrics metrics(font);
    const double stop = logicalDpiX() / 5.0;
    setTabWidth(qMax(1, qRound(stop / qMax(1, metrics.horizontalAdvance(QLatin1Char('n'))))));
    setMarginWidth(1, 0);
    setWrapMode(WrapNone);
    setBraceMatching(NoBraceMatch);
    // Only the before-change notifications: the after-change ones make Qt's accessibility
    // bridge count characters from the start on every edit.
    SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE));
}

void CTarnelView::OnInitialUpdate()
{
    CTarnelDoc *doc = GetDocument();
    if (doc->filled())
        return;
    doc->setFilled();
    SendScintilla(SCI_SETUNDOCOLLECTION, 0UL);
    InsertSnippet(doc->openedFromFile() ? std::string() : StartingPageText(), true);
    InsertSnippet(std::string(), true);
    SendScintilla(SCI_SETUNDOCOLLECTION, 1UL);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    doc->setSavePoint();
}

void CTarnelView::OnUpdate(CView *sender, int hint, const ElementRecord *record)
{
    (void)sender, (void)hint, (void)record;
}

bool CTarnelView::handlesCommand(int id) const
{
    switch (id) {
    case ID_EDIT_UNDO:
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_PASTE:
    case ID_EDIT_SELECT_ALL:
    case ID_OPEN_IN_BROWSER:
        return true;
    default:
        return insertcmd::find(id) != nullptr;
    }
}

void CTarnelView::onCommand(int id)
{
    switch (id) {
    case ID_EDIT_UNDO:
        undo();
        return;
    case ID_EDIT_CUT:
        cut();
        return;
    case ID_EDIT_COPY:
        copy();
        return;
    case ID_EDIT_PASTE:
        paste();
        return;
    case ID_EDIT_SELECT_ALL:
        selectAll();
        return;
    case ID_OPEN_IN_BROWSER:
        GetDocument()->OpenInBrowser();
        return;
    default:
        if (const auto handler = insertcmd::find(id))
            handler(*this);
    }
}

void CTarnelView::InsertSnippet(const std::string &text, bool beforeBodyEnd)
{
    CTarnelDoc *doc = GetDocument();
    if (beforeBodyEnd) {
        const auto position = static_cast<long>(BeforeBodyEndPosition(doc->textView()));
        SendScintilla(SCI_SETSEL, position, position);
    }
    const std::string snippet = WithLineBreaks(text, doc->lineBreak());
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_SETTARGETRANGE, start, end);
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(snippet.size()), snippet.data());
    SendScintilla(SCI_ENDUNDOACTION);
    SendScintilla(SCI_GOTOPOS, start + static_cast<long>(snippet.size()));
}

std::size_t CTarnelView::CharIndexAtCaret() const
{
    return static_cast<std::size_t>(SendScintilla(SCI_GETCURRENTPOS));
}

std::string CTarnelView::pageText() const
{
    return GetDocument()->text();
}

QString CTarnelView::pagePath() const
{
    return GetDocument()->path();
}

void CTarnelView::rescanOutline()
{
}

void CTarnelView::notifyViews(int hint, const ElementRecord *record)
{
    GetDocument()->UpdateAllViews(this, hint, record);
}

void CTarnelView::selectBytes(std::size_t start, std::size_t end)
{
    SendScintilla(SCI_SETSEL, static_cast<unsigned long>(start), static_cast<long>(end));
}

void CTarnelView::clearSelection()
{
    const long caret = SendScintilla(SCI_GETCURRENTPOS);
    SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(caret));
}

void CTarnelView::showStatusMessage(const QString &text, int timeoutMs)
{
    emit statusMessage(text, timeoutMs);
    if (auto *mainWindow = qobject_cast<QMainWindow *>(window()))
        mainWindow->statusBar()->showMessage(text, timeoutMs);
}

void CTarnelView::keyPressEvent(QKeyEvent *event)
{
    QsciScintilla::keyPressEvent(event);
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).isPrint())
        typedCharacter(text);
}

void CTarnelView::keyReleaseEvent(QKeyEvent *event)
{
    QsciScintilla::keyReleaseEvent(event);
    if (event->key() == Qt::Key_F5 && !event->isAutoRepeat())
        rescanOutline();
}

void CTarnelView::contextMenuEvent(QContextMenuEvent *event)
{
    QsciScintilla::contextMenuEvent(event);
}

void CTarnelView::typedCharacter(const QString &text)
{
    if (text == QLatin1String(">"))
        rescanOutline();
}
