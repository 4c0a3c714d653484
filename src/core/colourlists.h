#pragma once
#include <string>
#include <vector>

namespace tarnel {

// The colour names the Insert forms offer in their colour drop-downs. A colour is written as
// the name exactly as listed (or as typed into an editable list); names are never turned into
// numbers. The forms show each list sorted without regard to case.

// The background form's list: sixteen names and one empty entry (no navy; both grey and gray).
const std::vector<std::string> &BackgroundColourNames();

// The table form's four colour lists: sixteen lower-case names, no empty entry.
const std::vector<std::string> &TableColourNames();

// The frame form's border colour list: as the table's, with "grey" in place of "gray".
const std::vector<std::string> &FrameColourNames();

} // namespace tarnel
