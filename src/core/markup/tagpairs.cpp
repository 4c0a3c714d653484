#include "tagpairs.h"

#include "ascii.h"
#include "completion.h"
#include "scanner.h"

#include <vector>

namespace tarnel {

namespace {

std::string_view NameOf(std::string_view text, const TagNameSpan &tag)
{
    return text.substr(tag.start, tag.end - tag.start);
}

// Calls `visit(name, selfClosed)` for each tag whose "<" lies in [from, to), in order,
// skipping comments, until it returns false. The ">" ending each tag is found once for the
// whole walk, so a page of unended tags costs one pass.
template <class Visit>
void ForEachTag(std::string_view text, std::size_t from, std::size_t to, Visit visit)
{
    std::size_t nextGt = 0;
    bool noMoreGt = false;
    std::size_t p = from;
    while (p < to) {
        const std::size_t lt = text.find('<', p);
        if (lt == std::string_view::npos || lt >= to)
            return;
        if (text.compare(lt, 4, "<!--") == 0) {
            const std::size_t close = text.find("-->", lt + 4);
            if (close == std::string_view::npos)
                return;
            p = close + 3;
            continue;
        }
        const bool closing = lt + 1 < text.size() && text[lt + 1] == '/';
        TagNameSpan tag{lt + 1 + (closing ? 1 : 0), 0, closing};
        tag.end = tag.start;
        while (tag.end < text.size() && IsNameChar(text[tag.end]))
            ++tag.end;
        p = lt + 1;
        if (tag.end == tag.start || !IsAsciiLetter(text[tag.start]))
            continue;
        if (!noMoreGt && nextGt < tag.end) {
            nextGt = text.find('>', tag.end);
            noMoreGt = nextGt == std::string_view::npos;
        }
        const bool selfClosed = !noMoreGt && text[nextGt - 1] == '/';
        if (!visit(tag, selfClosed))
            return;
    }
}

std::optional<TagNameSpan> ClosingPartner(std::string_view text, const TagNameSpan &tag)
{
    const std::string_view name = NameOf(text, tag);
    std::optional<TagNameSpan> partner;
    int depth = 1;
    ForEachTag(text, tag.end, text.size(), [&](const TagNameSpan &other, bool selfClosed) {
        if (!EqualsNoCase(NameOf(text, other), name) || (selfClosed && !other.closing))
            return true;
        depth += other.closing ? -1 : 1;
        if (depth == 0)
            partner = other;
        return depth > 0;
    });
    return partner;
}

std::optional<TagNameSpan> OpeningPartner(std::string_view text, const TagNameSpan &tag)
{
    const std::string_view name = NameOf(text, tag);
    std::vector<TagNameSpan> open;
    ForEachTag(text, 0, tag.start - 2, [&](const TagNameSpan &other, bool selfClosed) {
        if (!EqualsNoCase(NameOf(text, other), name) || (selfClosed && !other.closing))
            return true;
        if (!other.closing)
            open.push_back(other);
        else if (!open.empty())
            open.pop_back();
        return true;
    });
    if (open.empty())
        return std::nullopt;
    return open.back();
}

bool StartsWithBlanksThen(std::string_view text, std::size_t from, std::string_view word)
{
    while (from < text.size() && (text[from] == ' ' || text[from] == '\t'))
        ++from;
    const std::size_t end = from + word.size();
    return end <= text.size() && EqualsNoCase(text.substr(from, word.size()), word) &&
           (end == text.size() || !IsNameChar(text[end]));
}

} // namespace

std::optional<TagNameSpan> TagNameAt(std::string_view text, std::size_t position)
{
    if (position > text.size())
        return std::nullopt;
    std::size_t start = position;
    while (start > 0 && position - start <= LongestTagName && IsNameChar(text[start - 1]))
        --start;
    std::size_t end = position;
    while (end < text.size() && end - start <= LongestTagName && IsNameChar(text[end]))
        ++end;
    if (end == start || end - start > LongestTagName || !IsAsciiLetter(text[start]) || start == 0)
        return std::nullopt;
    if (text[start - 1] == '<')
        return TagNameSpan{start, end, false};
    if (text[start - 1] == '/' && start >= 2 && text[start - 2] == '<')
        return TagNameSpan{start, end, true};
    return std::nullopt;
}

std::optional<TagNameSpan> PartnerOf(std::string_view text, const TagNameSpan &tag)
{
    if (tag.end > text.size() || tag.end <= tag.start || IsVoidElement(NameOf(text, tag)))
        return std::nullopt;
    if (tag.closing)
        return OpeningPartner(text, tag);
    const std::size_t gt = text.find('>', tag.end);
    if (gt != std::string_view::npos && text[gt - 1] == '/')
        return std::nullopt;
    return ClosingPartner(text, tag);
}

std::string ClosingTagToInsert(std::string_view text, std::size_t caret, std::size_t tagStart)
{
    if (caret == 0 || caret > text.size() || text[caret - 1] != '>')
        return {};
    const std::size_t gt = caret - 1;
    const std::size_t lt = tagStart < gt ? tagStart : text.rfind('<', gt);
    // The ">" must end that very tag: one inside a quoted value does not.
    if (lt == std::string_view::npos || text[lt] != '<' || TagEnd(text, lt) != caret)
        return {};
    const std::optional<TagNameSpan> tag = TagNameAt(text, lt + 1);
    if (!tag || tag->closing || tag->start != lt + 1 || text[gt - 1] == '/')
        return {};
    const std::string_view name = NameOf(text, *tag);
    if (IsVoidElement(name))
        return {};
    const std::string closing = "</" + std::string(name) + ">";
    if (StartsWithBlanksThen(text, caret, std::string_view(closing).substr(0, closing.size() - 1)))
        return {};
    return closing;
}

std::optional<RepeatedClosingTag> RepeatedClosingTagAfter(std::string_view text, std::size_t caret)
{
    if (caret == 0 || caret > text.size() || text[caret - 1] != '>')
        return std::nullopt;
    const std::size_t lt = text.rfind("</", caret - 1);
    if (lt == std::string_view::npos)
        return std::nullopt;
    const std::optional<TagNameSpan> typed = TagNameAt(text, lt + 2);
    if (!typed || typed->start != lt + 2 || typed->end + 1 != caret)
        return std::nullopt;
    const std::string_view tag = text.substr(lt, caret - lt);
    std::size_t at = caret;
    std::size_t indentStart = caret;
    if (at < text.size() && (text[at] == '\r' || text[at] == '\n')) {
        at += text.substr(at, 2) == "\r\n" ? 2 : 1;
        indentStart = at;
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
            ++at;
    }
    if (text.size() - at < tag.size() || !EqualsNoCase(text.substr(at, tag.size()), tag))
        return std::nullopt;
    return RepeatedClosingTag{at + tag.size(), text.substr(indentStart, at - indentStart)};
}

} // namespace tarnel
