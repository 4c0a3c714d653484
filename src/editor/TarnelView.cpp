#include "TarnelView.h"

#include "AbbreviationExpander.h"
#include "ColourSwatches.h"
#include "Completion.h"
#include "EditorAccessibility.h"
#include "EditorSettings.h"
#include "FileDrops.h"
#include "FindReplaceDlg.h"
#include "InsertCommands.h"
#include "PagePrinter.h"
#include "ReeditCommands.h"
#include "TagEditing.h"
#include "TarnelDoc.h"
#include "commandids.h"
#include "pagetext.h"
#include "wordlists.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QScopeGuard>
#include <QTimer>

using namespace tarnel;

CTarnelView::CTarnelView(CTarnelDoc *document, QWidget *parent)
    : QsciScintilla(parent)
    , CView(document)
    , m_text(this)
    , m_typing(document, m_text)
    , m_completion(new CCompletion(this, m_text))
    , m_tagEditing(new CTagEditing(this, m_text))
    , m_abbreviations(new CAbbreviationExpander(this, m_text))
    , m_fileDrops(new CFileDrops(this))
{
    document->showOn(m_text);
    document->configureSurface(this);
    applySurfaceSettings();
    // QScintilla's own symbol margin is hidden once here: the check's marks take that margin
    // over, and a marker left in no margin paints its whole line instead.
    setMarginWidth(1, 0);
    colourer().defineStyles(m_text);
    installEditorAccessibility();
    m_swatches = new CColourSwatches(this);
    m_swatches->applyColours(tarnel::ColoursOf(EditorSettings::current().schemeInForce()));
    connect(document, &CTarnelDoc::encodingChanged, this,
            [this] { GetDocument()->configureSurface(this); });
    connect(document, &CTarnelDoc::showElementRequested, this, &CTarnelView::showElement);
    connect(document, &CTarnelDoc::changed, this, [this] { m_text.fitLineNumbers(); });
    connect(document, &CTarnelDoc::reloaded, this, [this] { m_text.fitLineNumbers(); });
    connect(&EditorSettings::changes(), &CEditorSettingsChanges::changed, this,
            &CTarnelView::applySettings);
    addCommands();
    document->AddView(this);
}

CTarnelView::~CTarnelView()
{
    CTarnelDoc *doc = GetDocument();
    // The page may live on in another window: the keys typed here are one undo step there.
    m_typing.end();
    // Detach from the shared text before the widget goes, so it stays with the document.
    doc->hideFrom(m_text);
    doc->RemoveView(this);
}

void CTarnelView::applySettings()
{
    applySurfaceSettings();
    colourer().defineStyles(m_text);
    m_swatches->applyColours(tarnel::ColoursOf(EditorSettings::current().schemeInForce()));
}

void CTarnelView::changeEvent(QEvent *event)
{
    QsciScintilla::changeEvent(event);
    // Following the desktop: a new palette may turn it from light to dark.
    if ((event->type() == QEvent::PaletteChange ||
         event->type() == QEvent::ApplicationPaletteChange) &&
        m_swatches)
        applySettings();
}

void CTarnelView::applySurfaceSettings()
{
    const EditorSettings &settings = EditorSettings::current();
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!settings.fontFamily.isEmpty())
        font.setFamily(settings.fontFamily);
    font.setPointSize(settings.fontSize);
    font.setBold(false);
    if (!QFontInfo(font).fixedPitch()) {
        // Some desktops name a proportional face as their fixed one; source wants columns.
        font.setFamily(QStringLiteral("monospace"));
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    }
    setFont(font);
    const tarnel::EditorColours &colours = tarnel::ColoursOf(settings.schemeInForce());
    m_text.applyColours(colours);
    m_tagEditing->applyColours(colours);
    if (settings.tabWidth > 0) {
        setTabWidth(settings.tabWidth);
    } else {
        // Tab stops every fifth of an inch, as near as whole characters allow.
        const QFontMetrics metrics(font);
        const double stop = logicalDpiX() / 5.0;
        setTabWidth(qMax(1, qRound(stop / qMax(1, metrics.horizontalAdvance(QLatin1Char('n'))))));
    }
    m_text.showLineNumbers(settings.lineNumbers);
    m_text.showFoldMargin(kFoldMargin);
    m_text.allowSeveralCarets();
    setWrapMode(WrapNone);
    // The horizontal scroll bar follows the longest line shown instead of a fixed width.
    m_text.trackScrollWidth();
    setBraceMatching(NoBraceMatch);
    // QScintilla answers every caret move by counting the caret's column from its line's
    // start, for a signal nobody here listens to; on a minified page that is megabytes a key.
    disconnect(this, SIGNAL(SCN_UPDATEUI(int)), this, SLOT(handleUpdateUI(int)));
}

void CTarnelView::OnInitialUpdate()
{
    CTarnelDoc *doc = GetDocument();
    if (doc->filled())
        return;
    doc->setFilled();
    m_text.setUndoCollection(false);
    if (!doc->startingText().empty())
        InsertSnippet(doc->startingText(), true);
    // The caret waits before the closing BODY tag (after the starting text).
    InsertSnippet(std::string(), true);
    m_text.setUndoCollection(true);
    m_text.forgetUndoHistory();
    doc->setSavePoint();
    m_text.fitLineNumbers();
    // The window is still small here; keep the page's left edge in view once it grows, and
    // bring the caret into view then (far along a minified page's one line).
    m_text.scrollToLeftEdge();
    QTimer::singleShot(0, this, [this] { ensureCursorVisible(); });
    updateEditStates();
}

void CTarnelView::showElement(CView *requester, ElementKind kind, const ElementRecord &record)
{
    // Only the source view beside the outline that was double-clicked reopens the element.
    if (requester && inMyWindow(requester))
        reedit::edit(*this, kind, record);
}

bool CTarnelView::inMyWindow(CView *other) const
{
    const QWidget *senderWidget = other->widget();
    const QWidget *mine = parentWidget();
    while (mine && !mine->inherits("QMdiSubWindow"))
        mine = mine->parentWidget();
    for (const QWidget *w = senderWidget; w; w = w->parentWidget())
        if (w == mine)
            return true;
    return mine == nullptr;
}

void CTarnelView::addCommands()
{
    CCommandHandlers &handlers = commands();
    handlers.add(ID_EDIT_UNDO, [this] { runEdit(EditCommand::Undo, [this] { undo(); }); });
    handlers.add(ID_EDIT_CUT, [this] { runEdit(EditCommand::Cut, [this] { cut(); }); });
    handlers.add(ID_EDIT_COPY, [this] { copy(); });
    handlers.add(ID_EDIT_PASTE, [this] { runEdit(EditCommand::Paste, [this] { paste(); }); });
    handlers.add(ID_EDIT_SELECT_ALL, [this] { selectAll(); });
    handlers.add(ID_EDIT_FIND, [this] { openFindDialog(false); });
    handlers.add(ID_EDIT_REPLACE, [this] { openFindDialog(true); });
    handlers.add(ID_EDIT_REPEAT, [this] {
        if (CFindService::lastOptions().what.isEmpty())
            openFindDialog(false);
        else
            findNextMatch(CFindService::lastOptions());
    });
    handlers.add(ID_EDIT_FIND_PREVIOUS, [this] {
        FindOptions back = CFindService::lastOptions();
        back.down = false;
        if (back.what.isEmpty())
            openFindDialog(false);
        else
            findNextMatch(back);
    });
    handlers.add(ID_FILE_PRINT, [this] { printWithDialog(); });
    handlers.add(ID_FILE_PRINT_PREVIEW, [this] { printPreview(); });
    handlers.add(ID_EDIT_REDO, [this] { runEdit(EditCommand::Redo, [this] { redo(); }); });
    handlers.add(ID_EDIT_GO_TO_LINE, [this] { goToLine(); });
    handlers.add(ID_EDIT_WRAP_IN_TAG, [this] { wrapInTag(); });
    handlers.add(ID_EDIT_TOGGLE_COMMENT, [this] {
        const QString refused = m_tagEditing->toggleComment();
        if (!refused.isEmpty())
            showStatusMessage(refused);
    });
    handlers.add(ID_EDIT_REINDENT, [this] { showStatusMessage(m_tagEditing->reindent()); });
    handlers.add(ID_EDIT_EXPAND_ABBREVIATION, [this] {
        m_abbreviations->expandAtCaret(true);
        setFocus();
    });
    handlers.add(ID_OPEN_IN_BROWSER, [this] { GetDocument()->OpenInBrowser(); });
    for (const insertcmd::Entry &entry : insertcmd::all())
        handlers.add(entry.commandId, [this, handler = entry.handler] { handler(*this); });

    // The selection, the undo history and the clipboard change without a command of ours.
    handlers.setStateUpdater([this] { updateEditStates(); });
    connect(this, &QsciScintilla::selectionChanged, this, &CTarnelView::updateEditStates);
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int) {
        updateEditStates();
        caretUpdated();
    });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &CTarnelView::clipboardChanged);
    clipboardChanged();
}

void CTarnelView::clipboardChanged()
{
    // Asking another program's clipboard is a round trip: once per change, not per key.
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    m_clipboardHasText = data && data->hasText();
    updateEditStates();
}

void CTarnelView::updateEditStates()
{
    const CCommandHandlers &handlers = commands();
    const bool selection = hasSelectedText();
    handlers.handler(ID_EDIT_UNDO)->setEnabled(isUndoAvailable());
    handlers.handler(ID_EDIT_REDO)->setEnabled(isRedoAvailable());
    handlers.handler(ID_EDIT_CUT)->setEnabled(selection && !isReadOnly());
    handlers.handler(ID_EDIT_COPY)->setEnabled(selection);
    handlers.handler(ID_EDIT_PASTE)->setEnabled(m_clipboardHasText && !isReadOnly());
}

void CTarnelView::InsertSnippet(const std::string &text, bool beforeBodyEnd)
{
    CTarnelDoc *doc = GetDocument();
    // Snippets go in exactly as built: coloured, not rewritten.
    CPageColourer::Edit edit(colourer(), beforeBodyEnd ? EditCommand::Load : EditCommand::Snippet,
                             m_text);
    if (beforeBodyEnd) {
        const std::size_t position = BeforeBodyEndPosition(doc->textView());
        m_text.select(position, position);
    }
    replaceTarget(m_text.selectionStart(), m_text.selectionEnd(),
                  WithLineBreaks(text, doc->lineBreak()));
}

tarnel::NameCase CTarnelView::pageNameCase() const
{
    return colourer().nameCase();
}

void CTarnelView::replaceBytes(std::size_t start, std::size_t end, const std::string &bytes)
{
    CPageColourer::Edit edit(colourer(), EditCommand::Snippet, m_text);
    replaceTarget(start, end, bytes);
}

void CTarnelView::replaceTarget(std::size_t start, std::size_t end, const std::string &bytes)
{
    {
        CEditGroup group(m_text);
        m_text.replace(start, end, bytes);
    }
    m_text.moveCaretTo(start + bytes.size());
}

std::size_t CTarnelView::CharIndexAtCaret() const
{
    return m_text.caret();
}

std::string CTarnelView::pageText() const
{
    return GetDocument()->text();
}

QString CTarnelView::pagePath() const
{
    return GetDocument()->path();
}

std::string_view CTarnelView::pageBytes() const
{
    return GetDocument()->textView();
}

tarnel::LineBreak CTarnelView::pageLineBreak() const
{
    return GetDocument()->lineBreak();
}

const CPageCodec &CTarnelView::pageCodec() const
{
    return GetDocument()->codec();
}

void CTarnelView::rescanOutline(bool resendAll)
{
    GetDocument()->rescanOutline(resendAll);
}

void CTarnelView::selectBytes(std::size_t start, std::size_t end)
{
    m_text.select(start, end);
}

tarnel::TextRange CTarnelView::selectedBytes() const
{
    return {m_text.selectionStart(), m_text.selectionEnd()};
}

void CTarnelView::clearSelection()
{
    m_text.clearSelection();
}

void CTarnelView::showStatusMessage(const QString &text, int timeoutMs)
{
    emit statusMessage(text, timeoutMs);
}

void CTarnelView::releaseKeys(const QList<QKeySequence> &keys)
{
    QsciCommandSet *commands = standardCommands();
    if (m_editorKeys.isEmpty())
        for (QsciCommand *command : commands->commands())
            m_editorKeys.append({command, command->key(), command->alternateKey()});
    for (const EditorKey &own : std::as_const(m_editorKeys)) {
        own.command->setKey(own.key);
        own.command->setAlternateKey(own.alternateKey);
    }
    for (const QKeySequence &sequence : keys) {
        if (sequence.isEmpty())
            continue;
        const int key = sequence[0].toCombined();
        while (QsciCommand *command = commands->boundTo(key)) {
            if (command->key() == key)
                command->setKey(0);
            else
                command->setAlternateKey(0);
        }
    }
}

namespace {

bool isModifierOrLock(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
        return true;
    default:
        return false;
    }
}
void setHalfInchMargins(QPrinter &printer)
{
    printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
}
} // namespace

bool CTarnelView::printTo(QPrinter &printer)
{
    auto *pagePrinter = dynamic_cast<CPagePrinter *>(&printer);
    if (!pagePrinter)
        return false;
    setHalfInchMargins(printer);
    pagePrinter->setWrapMode(WrapWord);
    pagePrinter->setPageName(GetDocument()->title());
    return pagePrinter->printRange(this) >= 0;
}

void CTarnelView::printWithDialog()
{
    CPagePrinter printer(QPrinter::HighResolution);
    setHalfInchMargins(printer);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted && !printTo(printer))
        showStatusMessage(tr("Printing failed."));
}

void CTarnelView::printPreview()
{
    CPagePrinter printer(QPrinter::HighResolution);
    setHalfInchMargins(printer);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *p) { printTo(*p); });
    preview.exec();
}

void CTarnelView::openFindDialog(bool replace)
{
    // One find dialog at a time; a new request replaces the old one.
    static QPointer<CFindReplaceDlg> open;
    if (open)
        open->close();
    auto *dialog = new CFindReplaceDlg(
        findService(), [this](const QString &text) { showStatusMessage(text); }, replace, this);
    if (hasSelectedText() && !selectedText().contains(QLatin1Char('\n')))
        dialog->findField()->setText(selectedText());
    open = dialog;
    dialog->show();
    dialog->findField()->selectAll();
    dialog->findField()->setFocus();
}

CFindService CTarnelView::findService()
{
    return CFindService(m_text, GetDocument()->codec());
}

bool CTarnelView::findNextMatch(const FindOptions &options)
{
    const bool found = findService().findNext(options);
    if (!found)
        showStatusMessage(CFindService::notFoundMessage(options));
    return found;
}

namespace {

// Ctrl with a printable key (Ctrl+0, Ctrl+;) that no binding takes would type its character;
// Ctrl+Alt is AltGr on some layouts, which does type.
bool typesUnderControl(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const QString text = event->text();
    return (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && !text.isEmpty() &&
           text.at(0).isPrint();
}

} // namespace

void CTarnelView::passToEditor(QKeyEvent *event)
{
    if (!typesUnderControl(event)) {
        QsciScintilla::keyPressEvent(event);
        return;
    }
    // The editor's bindings go by the key, not its text: without the text they still run, and
    // a key they do not take types nothing.
    QKeyEvent keyOnly(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                      event->nativeVirtualKey(), event->nativeModifiers(), QString(),
                      event->isAutoRepeat(), quint16(event->count()));
    QsciScintilla::keyPressEvent(&keyOnly);
    event->setAccepted(keyOnly.isAccepted());
}

void CTarnelView::keyPressEvent(QKeyEvent *event)
{
    if (isModifierOrLock(event->key())) {
        // Shift held for "<" or ">" neither edits nor moves the caret: the run of typing
        // goes on across it.
        QsciScintilla::keyPressEvent(event);
        return;
    }
    // The caret's line and column and the commands' states are told before the editor
    // repaints rather than while it paints, so that the status bar and the toolbar join the
    // key's one frame: where the window is composed through OpenGL, every frame repaints it
    // whole.
    const auto tellCaret = qScopeGuard([this] {
        updateEditStates();
        caretUpdated();
    });
    if (m_text.selectionCount() > 1) {
        typeAtSeveralCarets(event);
        return;
    }
    if (m_completion->handleKey(event))
        return;
    if (typeAsReference(event) || expandOnTab(event))
        return;
    const EditCommand command = commandForKey(event);
    // A key in a tag name that has a partner renames the partner in the same undo step.
    const bool mayRename = command == EditCommand::TypedCharacter ||
                           command == EditCommand::BackspaceKey ||
                           command == EditCommand::DeleteKey;
    const auto pair = mayRename ? m_tagEditing->pairAtCaret() : std::nullopt;
    const bool lineBreak = command == EditCommand::TypedCharacter &&
                           (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
    const std::size_t breakAt = m_text.selectionStart();
    runEdit(command, [this, event] { passToEditor(event); });
    if (lineBreak) {
        m_tagEditing->indentLineBreak(breakAt);
        m_typing.followCaret();
    }
    // The rename joins the key's undo step, which a run of typing keeps open.
    if (pair && m_tagEditing->renamePartner(*pair))
        m_typing.followCaret();
    const QString text = event->text();
    if (command == EditCommand::TypedCharacter && text.size() == 1 && text.at(0).isPrint())
        typedCharacter(text);
}

void CTarnelView::keyReleaseEvent(QKeyEvent *event)
{
    QsciScintilla::keyReleaseEvent(event);
    if (event->key() == Qt::Key_F5 && !event->isAutoRepeat())
        rescanOutline();
}

void CTarnelView::mousePressEvent(QMouseEvent *event)
{
    // A click moves the caret or starts a drag: the keys before it are one undo step.
    m_typing.end();
    // Ctrl+click adds a caret, as in other editors; QScintilla would start a column there.
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::ControlModifier) {
        m_text.addCaret(m_text.positionAt(event->position().toPoint()));
        return;
    }
    QsciScintilla::mousePressEvent(event);
}

void CTarnelView::focusOutEvent(QFocusEvent *event)
{
    // Whatever takes the focus (a menu, a dialog) may change the text.
    m_typing.end();
    QsciScintilla::focusOutEvent(event);
}

void CTarnelView::contextMenuEvent(QContextMenuEvent *event)
{
    ShowContextMenu(event->pos(), event->globalPos());
}

void CTarnelView::ShowContextMenu(const QPoint &clickPoint, const QPoint &globalPoint)
{
    QMenu *menu = reedit::buildContextMenu(*this, commands(), m_text.positionAt(clickPoint));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPoint);
    emit contextMenuShown(menu);
}

void CTarnelView::typedCharacter(const QString &text)
{
    if (text == QLatin1String(">")) {
        if (!m_tagEditing->typeOverClosingTag())
            m_tagEditing->closeTag();
        rescanOutline();
    }
    const char typed = text.at(0).unicode() < 128 ? char(text.at(0).unicode()) : 0;
    const std::size_t caret = CharIndexAtCaret();
    if (caret > 0)
        m_completion->afterTyped(typed, colourer().contextAt(caret - 1));
}

// A character the page's encoding cannot hold would be saved as "?": it goes in as its
// character reference ("&#8364;"), as the forms write it, in one typed edit.
bool CTarnelView::typesUnencodable(const QKeyEvent *event) const
{
    const QString text = event->text();
    const bool shortcut =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return !shortcut && !text.isEmpty() && !pageCodec().holds(text);
}

void CTarnelView::typeAtSeveralCarets(QKeyEvent *event)
{
    // The character reference such a character becomes is put in at one caret only.
    if (typesUnencodable(event)) {
        showStatusMessage(tr("The page's encoding cannot hold this character: type it at one "
                             "caret, where it goes in as its character reference."));
        return;
    }
    // At several carets the keys go in exactly as typed: nothing is closed, renamed,
    // indented, completed or re-cased at one caret and not at the others.
    const QString text = event->text();
    const bool character = text.size() == 1 && text.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    runEdit(character ? EditCommand::TypedAtSeveralCarets : EditCommand::OtherKey,
            [this, event] { passToEditor(event); });
}

bool CTarnelView::typeAsReference(const QKeyEvent *event)
{
    if (!typesUnencodable(event))
        return false;
    const QString text = event->text();
    m_text.closeCompletionList();
    runEdit(EditCommand::TypedCharacter, [this, &text] {
        replaceTarget(m_text.selectionStart(), m_text.selectionEnd(), pageCodec().toPage(text));
    });
    return true;
}

bool CTarnelView::expandOnTab(const QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    return event->key() == Qt::Key_Tab && plain && !hasSelectedText() && !m_completion->isShown() &&
           m_abbreviations->expandAtCaret(false);
}

void CTarnelView::inputMethodEvent(QInputMethodEvent *event)
{
    if (pageCodec().holds(event->commitString())) {
        QsciScintilla::inputMethodEvent(event);
        return;
    }
    // What the page can hold, as typed keys get it.
    QInputMethodEvent held(event->preeditString(), event->attributes());
    held.setCommitString(QString::fromLatin1(pageCodec().toPage(event->commitString())),
                         event->replacementStart(), event->replacementLength());
    QsciScintilla::inputMethodEvent(&held);
}

QByteArray CTarnelView::fromMimeData(const QMimeData *source, bool &rectangular) const
{
    QByteArray bytes = QsciScintilla::fromMimeData(source, rectangular);
    if (!pageCodec().holds(source->text())) {
        const std::string page = pageCodec().toPage(source->text());
        bytes = QByteArray(page.data(), qsizetype(page.size()));
    }
    return bytes;
}

void CTarnelView::caretUpdated()
{
    m_tagEditing->highlightMatch();
    const std::size_t caret = m_text.caret();
    if (caret == m_lastCaret)
        return;
    m_lastCaret = caret;
    emit caretMoved(int(m_text.lineOf(caret)) + 1, int(m_text.columnOf(caret)) + 1);
    emit caretIndexChanged(caret);
}

void CTarnelView::goToLine()
{
    bool ok = false;
    const int lines = int(m_text.lineCount());
    const int current = int(m_text.lineOf(m_text.caret())) + 1;
    const int line = QInputDialog::getInt(this, tr("Go to Line"), tr("Line (1-%1):").arg(lines),
                                          current, 1, lines, 1, &ok);
    if (ok)
        m_text.moveCaretTo(m_text.lineStart(std::size_t(line - 1)));
    setFocus();
}

void CTarnelView::wrapInTag()
{
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("Wrap in Tag"), tr("Tag name:"),
                                               QLineEdit::Normal, QStringLiteral("DIV"), &ok)
                             .trimmed();
    if (!ok || name.isEmpty() || name.contains(QLatin1Char(' ')) ||
        name.contains(QLatin1Char('<')) || name.contains(QLatin1Char('>')))
        return;
    m_tagEditing->wrapSelection(GetDocument()->codec().toPage(name));
    setFocus();
}

CPageColourer &CTarnelView::colourer() const
{
    return GetDocument()->colourer();
}

EditCommand CTarnelView::commandForKey(const QKeyEvent *event)
{
    const int key = event->keyCombination().toCombined();
    if (const QsciCommand *command = standardCommands()->boundTo(key)) {
        switch (command->command()) {
        case QsciCommand::Undo:
            return EditCommand::Undo;
        case QsciCommand::Redo:
            return EditCommand::Redo;
        case QsciCommand::SelectionCut:
        case QsciCommand::LineCut:
            return EditCommand::Cut;
        case QsciCommand::Paste:
            return EditCommand::Paste;
        default:
            break;
        }
    }
    if (event->key() == Qt::Key_Delete)
        return EditCommand::DeleteKey;
    if (event->key() == Qt::Key_Backspace)
        return EditCommand::BackspaceKey;
    // A shortcut may carry its letter as text (Ctrl+A, Alt+F): it types nothing.
    const QString text = event->text();
    const bool shortcut =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!shortcut && text.size() == 1 && text.at(0).isPrint())
        return EditCommand::TypedCharacter;
    // A line break or a tab typed goes on the run of typing, as the editor itself merges them;
    // Tab over a selection indents its lines, which is no typing.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool indents = event->key() == Qt::Key_Tab && hasSelectedText();
    if (plain && !indents &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
         event->key() == Qt::Key_Tab))
        return EditCommand::TypedCharacter;
    return EditCommand::OtherKey;
}

template <class Command> void CTarnelView::runEdit(EditCommand command, Command &&edit)
{
    CPageColourer::Edit colouring(colourer(), command, m_text);
    edit();
    const CPageColourer::Outcome outcome = colouring.finish();
    m_typing.commandFinished(command, outcome);
    afterEdit(outcome);
}

void CTarnelView::afterEdit(const CPageColourer::Outcome &outcome)
{
    updateEditStates();
    if (outcome.changed && RescansOutlineAfter(outcome.kind, !hasSelectedText()))
        rescanOutline();
}
