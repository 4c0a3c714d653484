#include "Completion.h"

#include "PageColourer.h"
#include "TarnelDoc.h"
#include "TarnelView.h"
#include "TextSurface.h"
#include "ascii.h"
#include "csscompletion.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QToolTip>

using namespace tarnel;

namespace {

// The characters that cannot go on with what the list offers: they close it and go into the
// page.
std::string_view stopsFor(CompletionKind kind)
{
    if (kind == CompletionKind::CssProperty || kind == CompletionKind::CssValue)
        return " \t:;{}()!,\"'/<>";
    return kind == CompletionKind::FileName ? " \t>\"'<" : " \t>=\"'/<";
}

// In CSS the list opens as a name begins, and after a blank or a declaration's ":".
bool opensCssList(char typed)
{
    return IsAsciiLetter(typed) || typed == '-' || typed == ' ' || typed == ':';
}

// The description line stands this far from the list.
constexpr int DescriptionGap = 4;

bool beginsWith(std::string_view entry, std::string_view typed)
{
    if (entry.size() < typed.size())
        return false;
    for (std::size_t i = 0; i < typed.size(); ++i)
        if (QChar::toLower(char32_t(uchar(entry[i]))) != QChar::toLower(char32_t(uchar(typed[i]))))
            return false;
    return true;
}

// A folder's entries are few; a folder of thousands is not browsed by typing.
constexpr int MostFiles = 500;

} // namespace

CCompletion::CCompletion(CTarnelView *view, CTextSurface &text)
    : QObject(view)
    , m_view(view)
    , m_text(text)
    , m_description(new QLabel(view, Qt::ToolTip | Qt::FramelessWindowHint))
{
    m_description->setObjectName(QStringLiteral("completionDescription"));
    m_description->setAttribute(Qt::WA_ShowWithoutActivating);
    m_description->setFocusPolicy(Qt::NoFocus);
    m_description->setWordWrap(true);
    m_description->setMaximumWidth(420);
    m_description->setMargin(3);
    m_description->setFrameShape(QFrame::Box);
    // It looks as the other small notes beside the text do.
    m_description->setPalette(QToolTip::palette());
    m_description->setForegroundRole(QPalette::ToolTipText);
    m_description->setBackgroundRole(QPalette::ToolTipBase);
    m_description->setAutoFillBackground(true);
    m_text.onCompletionChosen(
        this, [this](const std::string &entry, std::size_t start) { take(entry, start); });
    m_text.onCompletionHighlighted(this, [this](const std::string &entry) { describe(entry); });
    m_text.onCompletionClosed(this, [this] { m_description->hide(); });
}

bool CCompletion::isShown() const
{
    return m_text.completionListShown();
}

void CCompletion::afterTyped(char typed, const CaretContext &where)
{
    // A character that goes on with an entry narrows the open list to the entries it begins.
    const bool narrows =
        isShown() && typed != 0 && stopsFor(m_offered.kind).find(typed) == std::string_view::npos;
    const bool inCss = InCss(where);
    // Values, file names and closing tags are offered inside a tag only.
    const bool inTag =
        !inCss && InTagMarkup(where) &&
        (typed == '=' || typed == '"' || typed == '\'' || (typed == '/' && !isShown()));
    const bool mayOpen =
        narrows || (inCss ? opensCssList(typed) : OpensCompletionList(typed, where)) || inTag;
    if (!mayOpen) {
        m_fresh = false;
        return;
    }
    if (inCss) {
        offer(cssContextAtCaret());
        return;
    }
    offerAtCaret();
}

void CCompletion::offerAtCaret()
{
    const std::size_t caret = m_text.caret();
    const std::size_t from = caret - std::min(caret, CompletionLookBack);
    offer(CompletionContextAt(m_text.bytes(from, caret - from)));
}

CompletionContext CCompletion::cssContextAtCaret() const
{
    const std::size_t caret = m_text.caret();
    CPageColourer &colourer = m_view->GetDocument()->colourer();
    // Asked before the bytes are read: an answer may move the editor's gap under them.
    const CaretContext atCaret = colourer.contextAt(caret);
    const CaretContext beforeCaret = colourer.contextAt(caret - std::min<std::size_t>(caret, 1));
    const std::size_t from = caret - std::min(caret, CompletionLookBack);
    return CssCompletionContextAt(m_text.bytes(from, caret - from), atCaret, beforeCaret);
}

void CCompletion::offer(const CompletionContext &context)
{
    std::vector<std::string> entries;
    if (context.kind == CompletionKind::FileName) {
        entries = fileEntries(context);
    } else {
        for (std::string_view name : CompletionCandidates(context))
            entries.emplace_back(name);
    }
    const std::size_t caret = m_text.caret();
    const std::string_view typed = m_text.bytes(caret - context.typedLength, context.typedLength);
    std::erase_if(entries, [typed](const std::string &entry) { return !beginsWith(entry, typed); });
    if (isShown())
        m_text.closeCompletionList();
    m_description->hide();
    if (entries.empty())
        return;
    m_offered = context;
    m_fresh = true;
    m_chosen = false;
    m_text.showCompletionList(context.typedLength, entries, stopsFor(context.kind));
    describe(m_text.completionListCurrent());
}

std::vector<std::string> CCompletion::fileEntries(const CompletionContext &context) const
{
    const QString page = m_view->pagePath();
    if (page.isEmpty())
        return {};
    const CPageCodec &codec = m_view->GetDocument()->codec();
    QDir folder = QFileInfo(page).dir();
    if (!context.folder.empty() && !folder.cd(codec.toText(context.folder)))
        return {};
    std::vector<std::string> entries;
    const QFileInfoList found = folder.entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot, QDir::DirsFirst | QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &info : found.mid(0, MostFiles))
        entries.push_back(codec.toPage(info.fileName() + (info.isDir() ? "/" : "")));
    return entries;
}

bool CCompletion::handleKey(const QKeyEvent *event)
{
    if (!isShown())
        return false;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!plain)
            return false;
        // A list that came up by itself does not take the line break the user typed.
        if (!m_chosen) {
            m_text.closeCompletionList();
            return false;
        }
        m_text.completeFromList();
        return true;
    case Qt::Key_Tab:
        if (!plain)
            return false;
        m_text.completeFromList();
        return true;
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        m_fresh = false;
        m_chosen = true;
        return false;
    case Qt::Key_Down:
        m_chosen = true;
        // A fresh list shows its first entry selected: Down is the first step into it.
        if (m_fresh) {
            m_fresh = false;
            return true;
        }
        return false;
    default:
        m_fresh = false;
        return false;
    }
}

void CCompletion::take(const std::string &entry, std::size_t start)
{
    const std::size_t caret = m_text.caret();
    if (start > caret)
        return;
    const std::string typed(m_text.bytes(start, caret - start));
    const NameCase nameCase = m_view->GetDocument()->colourer().nameCase();
    std::string spelled = entry;
    const CompletionKind kind = m_offered.kind;
    m_description->hide();
    if (kind == CompletionKind::AttributeValue)
        spelled = SpellValue(entry, typed, nameCase,
                             FixedValuesOf(m_offered.element, m_offered.attribute));
    else if (kind != CompletionKind::FileName && kind != CompletionKind::CssProperty &&
             kind != CompletionKind::CssValue)
        spelled = SpellName(entry, typed, nameCase);
    m_view->replaceBytes(start, caret, spelled);
    // A folder taken: offer what is in it, once the editor is done with the list it closed.
    if (kind == CompletionKind::FileName && !entry.empty() && entry.back() == '/')
        QMetaObject::invokeMethod(
            this, [this] { offerAtCaret(); }, Qt::QueuedConnection);
}

void CCompletion::describe(const std::string &entry)
{
    const std::string_view description = CompletionDescription(m_offered, entry);
    const QRect list = m_text.completionListRect();
    if (description.empty() || list.isEmpty()) {
        m_description->hide();
        return;
    }
    // The editor reports a selection more than once as it shows a list.
    if (m_description->isVisible() && m_describedList == list && m_describedEntry == entry)
        return;
    m_describedList = list;
    m_describedEntry = entry;
    m_description->setText(QString::fromUtf8(description.data(), qsizetype(description.size())));
    m_description->adjustSize();
    // Right of the list, or left of it where the screen ends; level with its top, so it
    // never covers the caret's line, which the list itself keeps clear of.
    const QScreen *screen = m_view->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect();
    QPoint at(list.right() + DescriptionGap,
              std::min(list.top(), list.bottom() - m_description->height()));
    if (!room.isEmpty() && at.x() + m_description->width() > room.right())
        at.setX(list.left() - DescriptionGap - m_description->width());
    m_description->move(at);
    m_description->show();
}
