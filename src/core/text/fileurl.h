#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// The local file a "file:" URL names, for what the editor hands to the desktop from outside
// its sealed network and for the pages a command line names as URLs: a "file:" URL of an
// absolute local path ("file:///..." or "file://localhost/..."), without query, fragment,
// control characters or encoded NULs, returned as the path it names. Anything else (another
// scheme, a relative or remote path, a broken escape) is nullopt. A URL accepted here starts
// with "file:", so it can never be read as an option by the program it is given to.
std::optional<std::string> LocalFileOfUrl(std::string_view url);

} // namespace tarnel
