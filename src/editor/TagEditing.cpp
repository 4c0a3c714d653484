#include "TagEditing.h"

#include "BgrColour.h"
#include "commenttoggle.h"
#include "lineindent.h"
#include "reindent.h"

#include "EditorSettings.h"
#include "PageColourer.h"
#include "TarnelDoc.h"
#include "TarnelView.h"
#include "TextSurface.h"

#include <QColor>

using namespace tarnel;

namespace {

// The editor's indicators below 8 belong to lexers; ours start there.
constexpr int MatchHighlight = 8;
// The closing tags put in after an opening tag, until typed over or edited.
constexpr int AutoClosedMark = 9;
// The blanks Enter put in to indent a new line.
constexpr int AutoIndentMark = 10;
// 11 and 12 show colour values (CColourSwatches).

TagNameSpan shifted(TagNameSpan name, std::size_t base)
{
    name.start += base;
    name.end += base;
    return name;
}

} // namespace

CTagEditing::CTagEditing(CTarnelView *view, CTextSurface &text)
    : QObject(view)
    , m_view(view)
    , m_text(text)
{
    m_text.defineHiddenMark(AutoClosedMark);
    m_text.defineHiddenMark(AutoIndentMark);
}

void CTagEditing::applyColours(const tarnel::EditorColours &colours)
{
    m_text.defineHighlight(MatchHighlight, colourOfBgr(colours.matchHighlight));
}

bool CTagEditing::allMarked(int mark, std::size_t from, std::size_t to) const
{
    for (std::size_t p = from; p < to; ++p)
        if (!m_text.isMarked(mark, p))
            return false;
    return true;
}

bool CTagEditing::startsTag(const TagNameSpan &name) const
{
    const std::size_t lt = name.start - (name.closing ? 2 : 1);
    return TagCanStartAt(m_view->GetDocument()->colourer().contextAt(lt));
}

CTagEditing::Window CTagEditing::around(std::size_t position, std::size_t reach) const
{
    const std::size_t from = position - std::min(position, reach);
    const std::size_t to = std::min(m_text.length(), position + reach);
    return {m_text.bytes(from, to - from), from};
}

std::optional<TagNameSpan> CTagEditing::tagAtCaret(Window &window) const
{
    // A name is short: only when the caret is in one is the partner looked for, further out.
    const std::size_t caret = m_text.caret();
    Window near = around(caret, LongestTagName + 2);
    const std::optional<TagNameSpan> tag = TagNameAt(near.bytes, caret - near.base);
    if (!tag)
        return std::nullopt;
    window = around(caret, TagPairReach);
    return shifted(*tag, near.base - window.base);
}

std::optional<CTagEditing::Pair> CTagEditing::pairAtCaret() const
{
    if (m_text.selectionStart() != m_text.selectionEnd() &&
        m_text.selectionStart() + LongestTagName < m_text.selectionEnd())
        return std::nullopt;
    Window window;
    const std::optional<TagNameSpan> tag = tagAtCaret(window);
    if (!tag)
        return emptiedPairAtCaret();
    const std::optional<TagNameSpan> partner = PartnerOf(window.bytes, *tag);
    if (!partner)
        return std::nullopt;
    Pair pair{shifted(*tag, window.base), shifted(*partner, window.base),
              std::string(window.bytes.substr(tag->start, tag->end - tag->start))};
    // A name in a script, a comment or a value is no tag, and neither is a partner there.
    if (!startsTag(pair.tag) || !startsTag(pair.partner))
        return std::nullopt;
    return pair;
}

bool CTagEditing::renamePartner(const Pair &pair)
{
    Window window = around(m_text.caret(), LongestTagName + 2);
    const std::optional<TagNameSpan> tag = TagNameAt(window.bytes, m_text.caret() - window.base);
    if (!tag && m_text.caret() == pair.tag.start) {
        // The name was deleted to be typed anew: the partner waits for the first letter.
        m_emptied = pair;
        if (pair.partner.start > pair.tag.start) {
            m_emptied->partner.start -= pair.tag.end - pair.tag.start;
            m_emptied->partner.end -= pair.tag.end - pair.tag.start;
        }
        m_emptied->tag.end = pair.tag.start;
        return false;
    }
    if (!tag || tag->start + window.base != pair.tag.start || tag->closing != pair.tag.closing)
        return false;
    const std::string name(window.bytes.substr(tag->start, tag->end - tag->start));
    if (name == pair.name)
        return false;
    // The partner moved by as much as the tag grew when it lies after it.
    TagNameSpan partner = pair.partner;
    if (partner.start > pair.tag.start) {
        const std::ptrdiff_t grown =
            std::ptrdiff_t(tag->end + window.base) - std::ptrdiff_t(pair.tag.end);
        partner.start += grown;
        partner.end += grown;
    }
    if (m_text.bytes(partner.start, partner.end - partner.start) != pair.name)
        return false;
    CPageColourer::Edit edit(m_view->GetDocument()->colourer(), EditCommand::KeyFollowUp, m_text);
    m_text.replace(partner.start, partner.end, name);
    return true;
}

std::optional<CTagEditing::Pair> CTagEditing::emptiedPairAtCaret() const
{
    const std::size_t caret = m_text.caret();
    if (!m_emptied || m_emptied->tag.start != caret || caret == 0)
        return std::nullopt;
    const std::size_t reach = std::min<std::size_t>(caret, 2);
    const std::string_view before = m_text.bytes(caret - reach, reach);
    const bool atName = m_emptied->tag.closing ? before == "</" : before.ends_with('<');
    const TagNameSpan &partner = m_emptied->partner;
    if (!atName || m_text.bytes(partner.start, partner.end - partner.start) != m_emptied->name)
        return std::nullopt;
    return m_emptied;
}

void CTagEditing::closeTag()
{
    if (!EditorSettings::current().autoClose)
        return;
    const std::size_t caret = m_text.caret();
    if (m_text.selectionStart() != m_text.selectionEnd() || caret == 0)
        return;
    CPageColourer &colourer = m_view->GetDocument()->colourer();
    const CaretContext context = colourer.contextAt(caret - 1);
    if (!EndsTagAt(context))
        return;
    Window window = around(caret, 4096);
    const std::size_t tagStart = context.tagStart >= window.base && context.tagStart < caret
                                     ? context.tagStart - window.base
                                     : std::string_view::npos;
    const std::string closing = ClosingTagToInsert(window.bytes, caret - window.base, tagStart);
    if (closing.empty())
        return;
    // The closing tag is an undo step of its own, after the typing.
    m_view->endTypingRun();
    CPageColourer::Edit edit(colourer, EditCommand::Snippet, m_text);
    {
        CEditGroup group(m_text);
        m_text.replace(caret, caret, closing);
    }
    m_text.markRange(AutoClosedMark, caret, closing.size());
    m_text.restoreSelection(caret, caret);
}

bool CTagEditing::typeOverClosingTag()
{
    const std::size_t caret = m_text.caret();
    if (m_text.selectionStart() != m_text.selectionEnd())
        return false;
    // Enter may have moved the closing tag to a line of its own below, behind a line break and
    // its indentation.
    Window window = around(caret, LongestTagName + 3 + 2 + 64);
    const auto repeated = RepeatedClosingTagAfter(window.bytes, caret - window.base);
    // Only a closing tag the editor put in, untouched since: one the user wrote stays.
    const std::size_t to = repeated ? repeated->end + window.base : caret;
    if (!repeated || !allMarked(AutoClosedMark, caret, to))
        return false;
    CPageColourer::Edit edit(m_view->GetDocument()->colourer(), EditCommand::KeyFollowUp, m_text);
    const std::string indent(repeated->indent);
    m_text.replace(caret, to, {});
    // The typed tag takes the place of the one below, at its indentation, unless the blanks
    // before it on its line are the user's own.
    const std::size_t lineStart = m_text.lineStart(m_text.lineOf(caret));
    const std::size_t tagStart = m_text.bytes(lineStart, caret - lineStart).rfind("</");
    const std::string_view blanks = m_text.bytes(lineStart, tagStart);
    if (blanks != indent && blanks.find_first_not_of(" \t") == std::string_view::npos &&
        allMarked(AutoIndentMark, lineStart, lineStart + blanks.size())) {
        m_text.replace(lineStart, lineStart + blanks.size(), indent);
        const std::size_t at = caret - blanks.size() + indent.size();
        m_text.restoreSelection(at, at);
    }
    return true;
}

void CTagEditing::indentLineBreak(std::size_t breakAt)
{
    const std::size_t caret = m_text.caret();
    if (m_text.selectionStart() != m_text.selectionEnd() || caret <= breakAt)
        return;
    CPageColourer &colourer = m_view->GetDocument()->colourer();
    const CaretContext context = colourer.contextAt(breakAt);
    // The line's start and the few bytes after the caret a closing tag can take; the start tag
    // before the break is looked for only on lines people indent by hand.
    const std::size_t lineStart = m_text.lineStart(m_text.lineOf(breakAt));
    const std::size_t reach = std::min(m_text.length(), caret + LongestTagName + 3);
    if (breakAt - lineStart > 16 * 1024)
        return;
    const std::size_t lookBack = breakAt - std::min(breakAt, IndentUnitReach);
    if (InPreformattedText(m_text.bytes(lookBack, breakAt - lookBack)))
        return;
    const Window line{m_text.bytes(lineStart, reach - lineStart), lineStart};
    const std::size_t endTag =
        EndTagClosingLineEnd(line.bytes, 0, breakAt - lineStart, caret - lineStart);
    const bool opensBlock = endTag > 0 && allMarked(AutoClosedMark, caret, caret + endTag);
    const std::string_view lineBreak = line.bytes.substr(breakAt - lineStart, caret - breakAt);
    const LineBreakIndent indent = IndentAfterLineBreak(
        line.bytes, 0, breakAt - lineStart, context, opensBlock, lineBreak,
        PageIndentUnit(m_text.bytes(0, std::min(m_text.length(), IndentUnitReach))));
    // The blanks Enter put on a line that was then left empty go, so that no line ends in
    // blanks nobody typed.
    const std::string_view left = line.bytes.substr(0, breakAt - lineStart);
    const std::size_t trimmed = left.find_first_not_of(" \t") == std::string_view::npos &&
                                        allMarked(AutoIndentMark, lineStart, breakAt)
                                    ? left.size()
                                    : 0;
    if (indent.beforeCaret.empty() && indent.afterCaret.empty() && trimmed == 0)
        return;
    CPageColourer::Edit edit(colourer, EditCommand::KeyFollowUp, m_text);
    m_text.replace(caret, caret, indent.beforeCaret + indent.afterCaret);
    m_text.markRange(AutoIndentMark, caret, indent.beforeCaret.size());
    // The line break and blanks before the moved end tag count as put in with it, so that
    // typing the end tag on the line between takes its place.
    m_text.markRange(AutoClosedMark, caret + indent.beforeCaret.size(), indent.afterCaret.size());
    if (trimmed > 0)
        m_text.replace(lineStart, breakAt, {});
    const std::size_t at = caret + indent.beforeCaret.size() - trimmed;
    m_text.restoreSelection(at, at);
}

void CTagEditing::highlightMatch()
{
    Window window;
    const std::optional<TagNameSpan> tag = tagAtCaret(window);
    const std::optional<TagNameSpan> partner = tag ? PartnerOf(window.bytes, *tag) : std::nullopt;
    if (!partner) {
        setHighlight(std::nullopt);
        return;
    }
    setHighlight(std::pair{shifted(*tag, window.base), shifted(*partner, window.base)});
}

void CTagEditing::setHighlight(std::optional<std::pair<TagNameSpan, TagNameSpan>> names)
{
    if (names == m_highlighted)
        return;
    // Edits since moved the old marks: clearing the whole text costs no more than two names.
    if (m_highlighted)
        m_text.clearHighlight(MatchHighlight, 0, m_text.length());
    m_highlighted = names;
    if (names) {
        m_text.addHighlight(MatchHighlight, names->first.start, names->first.end);
        m_text.addHighlight(MatchHighlight, names->second.start, names->second.end);
    }
}

QString CTagEditing::toggleComment()
{
    // The whole lines the selection touches; a selection ending at a line start leaves that
    // line out.
    const std::size_t first = m_text.lineOf(m_text.selectionStart());
    std::size_t last = m_text.lineOf(m_text.selectionEnd());
    if (last > first && m_text.selectionEnd() == m_text.lineStart(last))
        --last;
    const std::size_t linesStart = m_text.lineStart(first);
    std::size_t linesEnd =
        last + 1 < m_text.lineCount() ? m_text.lineStart(last + 1) : m_text.length();
    while (linesEnd > linesStart &&
           (m_text.bytes(linesEnd - 1, 1) == "\n" || m_text.bytes(linesEnd - 1, 1) == "\r"))
        --linesEnd;
    // Enough around the lines to find the comment they may lie in.
    const std::size_t from = linesStart - std::min<std::size_t>(linesStart, 64 * 1024);
    const std::size_t to = std::min(m_text.length(), linesEnd + 64 * 1024);
    const std::string_view window = m_text.bytes(from, to - from);
    std::size_t firstText = linesStart;
    while (firstText < linesEnd &&
           (window[firstText - from] == ' ' || window[firstText - from] == '\t'))
        ++firstText;
    CPageColourer &colourer = m_view->GetDocument()->colourer();
    const CommentToggle toggle =
        ToggleComment(window, linesStart - from, linesEnd - from, colourer.contextAt(firstText));
    switch (toggle.refusal) {
    case CommentRefusal::InsideTag:
        return tr("A comment cannot go inside a tag.");
    case CommentRefusal::TextOnlyElement:
        return tr("A comment cannot go here: this element's content is read as text.");
    case CommentRefusal::HoldsCommentEnd:
        return tr("These lines hold the end of a comment: a comment around them would end early.");
    case CommentRefusal::None:
        break;
    }
    if (toggle.edits.empty())
        return {};
    const std::size_t anchor = PositionAfter(toggle.edits, m_text.anchor() - from) + from;
    const std::size_t caret = PositionAfter(toggle.edits, m_text.caret() - from) + from;
    CPageColourer::Edit edit(colourer, EditCommand::Snippet, m_text);
    {
        CEditGroup group(m_text);
        for (auto change = toggle.edits.rbegin(); change != toggle.edits.rend(); ++change)
            m_text.replace(change->position + from, change->position + from + change->removed,
                           change->inserted);
    }
    m_text.restoreSelection(anchor, caret);
    return {};
}

QString CTagEditing::reindent()
{
    // The lines the selection touches, or the whole page when nothing is selected.
    const bool whole = m_text.selectionStart() == m_text.selectionEnd();
    const std::size_t from = whole ? 0 : m_text.lineStart(m_text.lineOf(m_text.selectionStart()));
    const std::size_t to = whole ? m_text.length() : std::max(from + 1, m_text.selectionEnd());
    const std::string_view page = m_text.all();
    const std::string unit = PageIndentUnit(page);
    const std::vector<IndentEdit> edits = ReindentLines(page, from, to, unit);
    if (edits.empty())
        return tr("The indentation already follows the nesting.");
    // A position in a line's blanks keeps its place in them, one after them stays after them.
    const auto moved = [&edits](std::size_t position) {
        std::ptrdiff_t shift = 0;
        for (const IndentEdit &edit : edits) {
            if (edit.position >= position)
                break;
            const std::size_t into = position - edit.position;
            const std::size_t kept =
                into >= edit.removed ? edit.blanks.size() : std::min(into, edit.blanks.size());
            shift += std::ptrdiff_t(kept) - std::ptrdiff_t(std::min(into, edit.removed));
        }
        return std::size_t(std::ptrdiff_t(position) + shift);
    };
    const std::size_t anchor = moved(m_text.anchor());
    const std::size_t caret = moved(m_text.caret());
    {
        CPageColourer::Edit edit(m_view->GetDocument()->colourer(), EditCommand::Snippet, m_text);
        CEditGroup group(m_text);
        // One replacement from the first changed line to the last: a change per line costs
        // the editor a pass over its line index each, a minute on a page of 100,000 lines.
        const std::size_t start = edits.front().position;
        const std::size_t end = edits.back().position + edits.back().removed;
        std::string lines;
        lines.reserve(end - start + edits.size() * unit.size());
        std::size_t copied = start;
        for (const IndentEdit &change : edits) {
            lines.append(page.substr(copied, change.position - copied));
            lines.append(change.blanks);
            copied = change.position + change.removed;
        }
        m_text.replace(start, end, lines);
    }
    m_text.restoreSelection(anchor, caret);
    return tr("Reindented %n line(s).", nullptr, int(edits.size()));
}

void CTagEditing::wrapSelection(const std::string &typedName)
{
    // The name as typed in the dialog, folded when a case is chosen for the page's names.
    const std::string name =
        SpellName(typedName, typedName, m_view->GetDocument()->colourer().nameCase());
    const std::size_t start = m_text.selectionStart();
    const std::size_t end = m_text.selectionEnd();
    const std::string inner(m_text.bytes(start, end - start));
    m_view->replaceBytes(start, end, "<" + name + ">" + inner + "</" + name + ">");
    m_text.select(start + name.size() + 2, start + name.size() + 2 + inner.size());
}
