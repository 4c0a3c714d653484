#pragma once
#include <string>
#include <string_view>

namespace tarnel {

// The path a browse button writes for a chosen file: relative to the page, with forward
// slashes, when the page has been saved and the file lies in its folder or below; otherwise
// the full path the chooser gave. `pagePath` is empty for a page never saved.
std::string BrowsedPath(std::string_view pagePath, std::string_view chosenPath);

// Converts a chooser filter written as "label|patterns|label|patterns||" (patterns separated
// by semicolons) to the "label (p1 p2);;label (p3)" form of Qt's file dialog. A label that
// already ends in a parenthesised pattern list has that list replaced by the real patterns.
std::string ConvertFileFilter(std::string_view pairs);

// The chooser filter of browse buttons that take any file.
inline constexpr const char *kAllFilesFilter = " All Files (*.*)|*.*||";

} // namespace tarnel
