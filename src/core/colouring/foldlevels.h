#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tarnel {

// A line's place in the folds of a page: how many folds hide it, and whether a fold starts
// on it (its head, which stays shown).
struct LineFold
{
    std::uint32_t depth = 0;
    bool header = false;
    bool operator==(const LineFold &) const = default;
};

// How far up the open elements an end tag looks for its start tag: a stray end tag in a page
// of unclosed elements then costs a few steps, not a walk of all of them.
inline constexpr std::size_t FoldReach = 256;

// One entry a line (lines end at "\r\n", "\n" or "\r"). An element whose start and end tags
// lie on different lines folds the lines after its start tag's line through its end tag's
// line; when another fold starts on that last line, the line stays shown as the head of the
// next fold (`</TD><TD>`). Void, self-closed and unclosed elements make no fold.
std::vector<LineFold> FoldLevels(std::string_view text);

} // namespace tarnel
