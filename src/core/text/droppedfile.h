#pragma once

#include <string>
#include <string_view>

namespace tarnel {

// What a file dropped on the editor becomes: a page opens in a window of its own, a picture is
// offered in the image form, a text file's text goes in at the drop point, anything else is
// refused (its bytes would only make noise in the page).
enum class DroppedFile { Page, Picture, Text, Refused };

// Pages and pictures by their name's extension (any letter case); any other file by its
// bytes: text unless it holds a NUL or a control character text files do not use.
DroppedFile KindOfDroppedFile(std::string_view path, std::string_view bytes);

// The image source a dropped picture is offered with: its URL relative to the saved page
// (as RelativeFileUrl writes it), or its full path for a page never saved, as a browse button
// writes it.
std::string DroppedPictureSource(std::string_view pagePath, std::string_view picturePath);

// A dropped text with every line break (CR LF, CR, LF) as a line feed, which inserting
// turns into the page's own, as pasting does.
std::string WithLineFeeds(std::string_view text);

} // namespace tarnel
