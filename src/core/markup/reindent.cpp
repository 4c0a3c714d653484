#include "reindent.h"

#include "ascii.h"
#include "completion.h"
#include "scanner.h"

#include <algorithm>
#include <optional>

namespace tarnel {

namespace {

bool IsAny(std::string_view name, std::initializer_list<std::string_view> names)
{
    return std::any_of(names.begin(), names.end(),
                       [name](std::string_view n) { return EqualsNoCase(name, n); });
}

// The page's frame: its children are written at its own level.
bool IsFrame(std::string_view name)
{
    return IsAny(name, {"html", "head", "body"});
}

// Elements whose content keeps its lines as written: its blanks are text, or the script's or
// style sheet's own.
bool KeepsItsLines(std::string_view name)
{
    return IsAny(name, {"script", "style", "pre", "textarea", "title", "xmp", "plaintext",
                        "listing", "iframe", "noembed", "noframes"});
}

// Where the blanks before the end tag are no text.
bool EndTagMayMove(std::string_view name)
{
    return !KeepsItsLines(name) || IsAny(name, {"script", "style"});
}

// Elements whose end tag may be left out, ended by the next sibling of their kind.
bool EndedBySibling(std::string_view open, std::string_view next)
{
    if (IsAny(open, {"li"}))
        return IsAny(next, {"li"});
    if (IsAny(open, {"dt", "dd"}))
        return IsAny(next, {"dt", "dd"});
    if (IsAny(open, {"td", "th"}))
        return IsAny(next, {"td", "th", "tr"});
    if (IsAny(open, {"tr"}))
        return IsAny(next, {"tr", "tbody", "tfoot"});
    if (IsAny(open, {"option"}))
        return IsAny(next, {"option", "optgroup"});
    if (IsAny(open, {"p"}))
        return IsAny(next, {"p",      "div",    "ul",         "ol",    "dl",      "table",
                            "h1",     "h2",     "h3",         "h4",    "h5",      "h6",
                            "pre",    "form",   "blockquote", "hr",    "section", "article",
                            "header", "footer", "nav",        "aside", "main",    "figure"});
    return false;
}

class Nesting
{
public:
    // The elements a start tag named `name` ends by being their next sibling.
    void EndSiblingsOf(std::string_view name)
    {
        while (!m_open.empty() && EndedBySibling(m_open.back(), name))
            m_open.pop_back();
    }
    void Start(std::string_view name, bool selfClosed)
    {
        EndSiblingsOf(name);
        if (!selfClosed && !IsVoidElement(name))
            m_open.push_back(name);
    }
    // An end tag closes its element and whatever was left open inside it; one that closes
    // nothing open is passed over.
    void End(std::string_view name)
    {
        for (std::size_t i = m_open.size(); i-- > 0;)
            if (EqualsNoCase(m_open[i], name)) {
                m_open.resize(i);
                return;
            }
    }
    std::size_t Depth() const
    {
        return std::count_if(m_open.begin(), m_open.end(),
                             [](std::string_view name) { return !IsFrame(name); });
    }
    bool KeepsLines() const { return std::any_of(m_open.begin(), m_open.end(), KeepsItsLines); }

private:
    std::vector<std::string_view> m_open;
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Line starts in [from, to), the first one at or after `from`.
std::vector<std::size_t> LineStarts(std::string_view text, std::size_t from, std::size_t to)
{
    std::vector<std::size_t> starts;
    std::size_t at = from;
    while (at > 0 && text[at - 1] != '\n' && text[at - 1] != '\r')
        --at;
    if (at < from) {
        at = text.find_first_of("\r\n", from);
        if (at == std::string_view::npos)
            return starts;
        at += text.substr(at, 2) == "\r\n" ? 2 : 1;
    }
    while (at < to && at < text.size()) {
        starts.push_back(at);
        const std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos)
            break;
        at = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return starts;
}

// Tells whether positions between tags, asked in order, lie inside a comment.
class CommentFinder
{
public:
    explicit CommentFinder(std::string_view text)
        : m_text(text)
        , m_nextOpen(text.find("<!--"))
    {}
    // A tag was read: any comment before it has ended.
    void AfterTag(std::size_t tagEnd)
    {
        m_searchFrom = tagEnd;
        m_commentEnd = 0;
    }
    bool Inside(std::size_t position)
    {
        while (position >= m_commentEnd) {
            // The next "<!--" is looked for once, not again for every line before it.
            if (m_nextOpen < m_searchFrom)
                m_nextOpen = m_text.find("<!--", m_searchFrom);
            if (m_nextOpen == std::string_view::npos || m_nextOpen >= position)
                return false;
            const std::size_t close = m_text.find("-->", m_nextOpen + 4);
            m_commentEnd = close == std::string_view::npos ? close : close + 3;
            m_searchFrom = m_commentEnd;
        }
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_searchFrom = 0;
    std::size_t m_commentEnd = 0;
    std::size_t m_nextOpen; // valid when at or after m_searchFrom
};

} // namespace

std::vector<IndentEdit> ReindentLines(std::string_view text, std::size_t from, std::size_t to,
                                      std::string_view unit)
{
    std::vector<IndentEdit> edits;
    const std::vector<std::size_t> starts = LineStarts(text, from, to);
    if (starts.empty())
        return edits;
    Nesting nesting;
    CommentFinder comments(text);
    TagCursor cursor(text);
    std::optional<TagToken> tag = cursor.Next();
    for (const std::size_t lineStart : starts) {
        std::size_t textStart = lineStart;
        while (textStart < text.size() && IsBlank(text[textStart]))
            ++textStart;
        // Every tag before the line's first character counts.
        while (tag && tag->begin < textStart && tag->end <= lineStart) {
            if (tag->isEndTag)
                nesting.End(tag->name);
            else
                nesting.Start(tag->name, text[tag->end - 2] == '/');
            comments.AfterTag(tag->end);
            tag = cursor.Next();
        }
        const bool insideTag = tag && tag->begin < lineStart;
        const bool lineOfBlanks =
            textStart >= text.size() || text[textStart] == '\r' || text[textStart] == '\n';
        if (insideTag || lineOfBlanks)
            continue;
        // A line that starts with an end tag stands at the level of its start tag; one that
        // starts with a sibling of an element left open, at that element's.
        Nesting line = nesting;
        const bool tagFirst = tag && tag->begin == textStart;
        if (tagFirst && tag->isEndTag && EndTagMayMove(tag->name))
            line.End(tag->name);
        else if (tagFirst && !tag->isEndTag)
            line.EndSiblingsOf(tag->name);
        if (line.KeepsLines() || comments.Inside(textStart))
            continue;
        std::string blanks;
        for (std::size_t level = line.Depth(); level > 0; --level)
            blanks += unit;
        if (text.substr(lineStart, textStart - lineStart) != blanks)
            edits.push_back({lineStart, textStart - lineStart, std::move(blanks)});
    }
    return edits;
}

} // namespace tarnel
