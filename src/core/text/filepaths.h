#pragma once
#include <string>
#include <string_view>

namespace tarnel {

// The path a browse button writes for a chosen file: relative to the page, with forward
// slashes, when the page has been saved and the file lies in its folder or below; otherwise
// the full path the chooser gave. `pagePath` is empty for a page never saved.
std::string BrowsedPath(std::string_view pagePath, std::string_view chosenPath);

// The URL that names a chosen file from a saved page: relative to the page's folder (".."
// where it lies elsewhere), forward slashes, and "%XX" for each byte a URL or the value it
// stands in would read otherwise (blanks, quotes, "%", "#", "?", "&", parentheses,
// controls). Letters beyond ASCII stay as they are (UTF-8).
std::string RelativeFileUrl(std::string_view pagePath, std::string_view chosenPath);
// `url` with each byte beyond ASCII written "%XX" as well: the browser reads it back as the
// same UTF-8 name, in a style sheet of a page whose encoding cannot hold every letter.
std::string WithNonAsciiEscaped(std::string_view url);

// Converts a chooser filter written as "label|patterns|label|patterns||" (patterns separated
// by semicolons) to the "label (p1 p2);;label (p3)" form of Qt's file dialog. A label that
// already ends in a parenthesised pattern list has that list replaced by the real patterns.
std::string ConvertFileFilter(std::string_view pairs);

// The chooser filter of browse buttons that take any file.
inline constexpr const char *kAllFilesFilter = " All Files (*.*)|*.*||";

} // namespace tarnel
