#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnel {

// What the editor may hand to the desktop from outside its sealed network: a "file:" URL of
// an absolute local path ("file:///..." or "file://localhost/..."), without query, fragment,
// control characters or encoded NULs, returned as the path it names. Anything else (another
// scheme, a relative or remote path, a broken escape) is nullopt. A URL accepted here starts
// with "file:", so it can never be read as an option by the program it is given to.
std::optional<std::string> LocalFileOfUrl(std::string_view url);

} // namespace tarnel
