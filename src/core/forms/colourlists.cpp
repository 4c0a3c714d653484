#include "colourlists.h"

#include <array>

namespace tarnel {

namespace {

constexpr std::array<std::string_view, 17> kBackgroundColours = {
    "Black", "Maroon", "Green",  "Olive", "Purple",  "Teal", "Grey",  "Gray", "Silver",
    "Red",   "Lime",   "Yellow", "Blue",  "Fuchsia", "Aqua", "White", "",
};

constexpr std::array<std::string_view, 16> kTableColours = {
    "black",  "maroon", "green", "olive",  "navy", "purple",  "teal", "gray",
    "silver", "red",    "lime",  "yellow", "blue", "fuchsia", "aqua", "white",
};

constexpr std::array<std::string_view, 16> kFrameColours = {
    "black",  "maroon", "green", "olive",  "navy", "purple",  "teal", "grey",
    "silver", "red",    "lime",  "yellow", "blue", "fuchsia", "aqua", "white",
};

} // namespace

std::span<const std::string_view> BackgroundColourList()
{
    return kBackgroundColours;
}

std::span<const std::string_view> TableColourList()
{
    return kTableColours;
}

std::span<const std::string_view> FrameColourList()
{
    return kFrameColours;
}

} // namespace tarnel
