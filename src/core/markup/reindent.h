#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// A line's leading blanks, [position, position + removed), to be replaced by `blanks`.
struct IndentEdit
{
    std::size_t position;
    std::size_t removed;
    std::string blanks;
    bool operator==(const IndentEdit &) const = default;
};

// The lines starting in [from, to) indented by element nesting, `unit` a level: only the
// leading blanks of a line change, never a byte after them. Lines whose start lies inside a
// tag, a comment, or content where blanks are text or the author's own (SCRIPT, STYLE, PRE,
// TEXTAREA and the other text-only elements) keep theirs, as do lines of blanks alone. The
// children of HTML, HEAD and BODY stay at their parent's level, as new pages have them.
std::vector<IndentEdit> ReindentLines(std::string_view text, std::size_t from, std::size_t to,
                                      std::string_view unit);

} // namespace tarnel
