#include "Completion.h"

#include "TarnelDoc.h"
#include "TarnelView.h"
#include "TextSurface.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>

using namespace tarnel;

namespace {

// The characters that cannot go on with what the list offers: they close it and go into the
// page.
std::string_view stopsFor(CompletionKind kind)
{
    return kind == CompletionKind::FileName ? " \t>\"'<" : " \t>=\"'/<";
}

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
{
    m_text.onCompletionChosen(
        this, [this](const std::string &entry, std::size_t start) { take(entry, start); });
}

bool CCompletion::isShown() const
{
    return m_text.completionListShown();
}

void CCompletion::afterTyped(char typed, const CaretContext &where)
{
    // A character that goes on with an entry narrows the open list to the entries it begins.
    const bool narrows =
        isShown() && typed != 0 && stopsFor(m_kind).find(typed) == std::string_view::npos;
    // Values, file names and closing tags are offered inside a tag only.
    const bool inTag = InTagMarkup(where) && (typed == '=' || typed == '"' || typed == '\'' ||
                                              (typed == '/' && !isShown()));
    const bool mayOpen = narrows || OpensCompletionList(typed, where) || inTag;
    if (!mayOpen) {
        m_fresh = false;
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
    if (entries.empty())
        return;
    m_kind = context.kind;
    m_element = context.element;
    m_attribute = context.attribute;
    m_fresh = true;
    m_chosen = false;
    m_text.showCompletionList(context.typedLength, entries, stopsFor(context.kind));
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
    if (m_kind == CompletionKind::AttributeValue)
        spelled = SpellValue(entry, typed, nameCase, FixedValuesOf(m_element, m_attribute));
    else if (m_kind != CompletionKind::FileName)
        spelled = SpellName(entry, typed, nameCase);
    m_view->replaceBytes(start, caret, spelled);
    // A folder taken: offer what is in it, once the editor is done with the list it closed.
    if (m_kind == CompletionKind::FileName && !entry.empty() && entry.back() == '/')
        QMetaObject::invokeMethod(
            this, [this] { offerAtCaret(); }, Qt::QueuedConnection);
}
