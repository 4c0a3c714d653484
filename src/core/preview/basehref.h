#pragma once

#include <string>
#include <string_view>

namespace tarnel {

// The page as the user's browser gets it from a copy kept elsewhere: `<BASE HREF="folderUrl">`
// right after the page's HEAD start tag (or, without one, at the top, after a leading
// DOCTYPE and byte order mark) so that its relative pictures, style sheets and links resolve
// in the page's own folder. A page with a BASE HREF of its own is left as it is.
// `folderUrl` is a URL ending in "/"; it is escaped for the attribute.
std::string WithBaseHref(std::string_view page, std::string_view folderUrl);

} // namespace tarnel
