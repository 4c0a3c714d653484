#include "colourlists.h"

namespace tarnel {

const std::vector<std::string> &BackgroundColourNames()
{
    static const std::vector<std::string> names = {
        "Black", "Maroon", "Green",  "Olive", "Purple",  "Teal", "Grey",  "Gray", "Silver",
        "Red",   "Lime",   "Yellow", "Blue",  "Fuchsia", "Aqua", "White", ""};
    return names;
}

const std::vector<std::string> &TableColourNames()
{
    static const std::vector<std::string> names = {
        "black",  "maroon", "green", "olive",  "navy", "purple",  "teal", "gray",
        "silver", "red",    "lime",  "yellow", "blue", "fuchsia", "aqua", "white"};
    return names;
}

const std::vector<std::string> &FrameColourNames()
{
    static const std::vector<std::string> names = {
        "black",  "maroon", "green", "olive",  "navy", "purple",  "teal", "grey",
        "silver", "red",    "lime",  "yellow", "blue", "fuchsia", "aqua", "white"};
    return names;
}

} // namespace tarnel
