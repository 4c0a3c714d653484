#pragma once
#include "colouring.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tarnel {

// One level of indentation as the page writes it, read from its first IndentUnitReach bytes: a
// tab unless its indented lines start with blanks, then as many as its lines mostly step in by.
inline constexpr std::size_t IndentUnitReach = 64 * 1024;
std::string PageIndentUnit(std::string_view page);

// The end tag right after `at` that closes the start tag ending just before `breakAt` on the
// same line ("<div class=x>|" ... "</div>"); its length, 0 when there is none.
std::size_t EndTagClosingLineEnd(std::string_view text, std::size_t lineStart, std::size_t breakAt,
                                 std::size_t at);

// What Enter writes after its line break, which went in at `breakAt` on the line starting at
// `lineStart` (read in `context`): the leading blanks of that line, before the caret; when
// `opensBlock`, one level more, and the end tag after the caret goes on a line of its own at
// the line's indentation. Nothing where blanks are the page's content (a quoted value, TITLE,
// TEXTAREA and the other text-only elements but SCRIPT and STYLE).
struct LineBreakIndent
{
    std::string beforeCaret;
    std::string afterCaret;
};
LineBreakIndent IndentAfterLineBreak(std::string_view text, std::size_t lineStart,
                                     std::size_t breakAt, const CaretContext &context,
                                     bool opensBlock, std::string_view lineBreak,
                                     std::string_view unit);

// Whether the end of `before` lies in PRE content, where the blanks of a line are shown as
// they are and Enter adds none. Tags in comments and scripts do not count.
bool InPreformattedText(std::string_view before);

} // namespace tarnel
