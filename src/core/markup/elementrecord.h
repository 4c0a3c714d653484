#pragma once
#include <array>
#include <cstddef>
#include <string>

namespace tarnel {

// The payload of the outline's notifications: an image source, an applet file name, a link
// URL, a media or script address or a heading, and the byte index of the "<" of its tag in the
// page text. A heading's value is its level digit ('1' to '6') followed by its text.
struct ElementRecord
{
    std::string value;
    std::size_t index = 0;

    bool operator==(const ElementRecord &) const = default;
};

// The outline's categories in the order the tree shows them under its root.
enum class OutlineCategory {
    Applets = 0,
    Hyperlinks = 1,
    Images = 2,
    Media = 3,
    Headings = 4,
    ScriptsAndStyles = 5,
};

inline constexpr std::array<OutlineCategory, 6> OutlineCategories = {
    OutlineCategory::Applets, OutlineCategory::Hyperlinks, OutlineCategory::Images,
    OutlineCategory::Media,   OutlineCategory::Headings,   OutlineCategory::ScriptsAndStyles};

// Update hints the views exchange through the document.
enum Hint : int {
    HintNone = 0,
    HintAddImage = 3,
    HintAddLink = 4,
    HintAddApplet = 5,
    HintEditImage = 6,
    HintEditLink = 7,
    HintEditApplet = 8,
    HintClearImages = 11,
    HintClearLinks = 12,
    HintClearApplets = 13,
    HintSourceClosed = 14,
    HintAddMedia = 31,
    HintAddHeading = 32,
    HintAddScriptOrStyle = 33,
    HintClearMedia = 34,
    HintClearHeadings = 35,
    HintClearScriptsAndStyles = 36,
    HintEditMedia = 37,
};

} // namespace tarnel
