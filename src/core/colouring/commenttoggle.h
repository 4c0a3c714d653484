#pragma once
#include "colouring.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// One change of a comment toggle: `removed` bytes at `position` (of the text before any of
// them) give way to `inserted`.
struct CommentEdit
{
    std::size_t position;
    std::size_t removed;
    std::string inserted;
    bool operator==(const CommentEdit &) const = default;
};

enum class CommentRefusal { None, InsideTag, TextOnlyElement, HoldsCommentEnd };

struct CommentToggle
{
    std::vector<CommentEdit> edits; // in text order
    CommentRefusal refusal = CommentRefusal::None;
};

// Comments out the whole lines [linesStart, linesEnd) (from a line start to the end of a
// line's text, before its line break), or takes the comment away when they are one already,
// in the language read at their first character (`context`): "<!-- -->" around them in HTML,
// "/* */" in a style sheet, "// " before each line of a script. Only the comment's marks go in
// or out; never a byte of the lines themselves. Refused inside TITLE, TEXTAREA and the other
// text-only elements, where a comment would be text, and where the lines hold the comment's
// own end, which would end it early, and inside a tag. Inside an HTML comment, the comment
// holding the lines is taken away.
CommentToggle ToggleComment(std::string_view text, std::size_t linesStart, std::size_t linesEnd,
                            const CaretContext &context);

// Where `position` lands after the edits.
std::size_t PositionAfter(const std::vector<CommentEdit> &edits, std::size_t position);

} // namespace tarnel
