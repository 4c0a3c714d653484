#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// The name of a tag: bytes [start, end) of the text, right after "<" or "</".
struct TagNameSpan
{
    std::size_t start = 0;
    std::size_t end = 0;
    bool closing = false;
    bool operator==(const TagNameSpan &) const = default;
};

// How far from a tag its partner is looked for: beyond that, nothing is paired, so a key
// never reads a whole big page and an unbalanced page is never guessed at.
inline constexpr std::size_t TagPairReach = 512 * 1024;
// Names longer than this are not names a person renames.
inline constexpr std::size_t LongestTagName = 64;

// The tag name `position` lies in or right after (the caret while typing it).
std::optional<TagNameSpan> TagNameAt(std::string_view text, std::size_t position);

// The tag closing or opening the element `tag` names, counting nested elements of the same
// name and skipping comments; none for void elements, for a self-closed tag, or when the
// elements of that name in reach do not balance.
std::optional<TagNameSpan> PartnerOf(std::string_view text, const TagNameSpan &tag);

// The closing tag to put after the caret when the ">" just before `caret` ends an opening
// tag: "</NAME>" spelled as the opening tag spells it; empty for void elements, comments,
// closing and self-closed tags, and when the same closing tag already follows. The caller
// knows that ">" ends a tag there (see EndsTagAt), and passes the tag's "<" when it knows it
// (npos: the nearest "<" before it whose tag ends at the caret).
std::string ClosingTagToInsert(std::string_view text, std::size_t caret,
                               std::size_t tagStart = std::string_view::npos);

// The closing tag the user just typed (its ">" right before `caret`) when the same closing
// tag, in any letter case, stands right after the caret, or starts the next line after blanks
// (where Enter between a start tag and its end tag moved the end tag): [caret, end) is what
// repeats it, `indent` the blanks before it on its own line.
struct RepeatedClosingTag
{
    std::size_t end;
    std::string_view indent;
};
std::optional<RepeatedClosingTag> RepeatedClosingTagAfter(std::string_view text, std::size_t caret);

} // namespace tarnel
