#pragma once
#include <span>
#include <string_view>

namespace tarnel {

// The colour names offered by the Insert forms' colour drop-downs. A colour is written
// exactly as listed (or as typed in an editable list); names are never turned into numbers.

// The background form's list: mixed case, both "Grey" and "Gray", no navy, and one empty
// entry so the list can show nothing (17 entries).
std::span<const std::string_view> BackgroundColourList();

// The table form's colour lists: lower case, with navy, no empty entry (16 entries).
std::span<const std::string_view> TableColourList();

// The frame form's border colour list: as the table list but "grey" in place of "gray".
std::span<const std::string_view> FrameColourList();

} // namespace tarnel
