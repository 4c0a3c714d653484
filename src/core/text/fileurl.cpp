#include "fileurl.h"

#include "ascii.h"

namespace tarnel {

namespace {

bool IsControl(unsigned char c)
{
    return c < 0x20 || c == 0x7f;
}

} // namespace

std::optional<std::string> LocalFileOfUrl(std::string_view url)
{
    std::string_view rest;
    for (std::string_view prefix : {"file:///", "file://localhost/"})
        if (url.substr(0, prefix.size()) == prefix)
            rest = url.substr(prefix.size() - 1);
    if (rest.empty() || rest.find_first_of("?#") != std::string_view::npos)
        return std::nullopt;
    std::string path;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(rest[i]);
        if (c == '%') {
            const int high = i + 2 < rest.size() ? HexValue(rest[i + 1]) : -1;
            const int low = high < 0 ? -1 : HexValue(rest[i + 2]);
            if (low < 0)
                return std::nullopt;
            c = static_cast<unsigned char>(high * 16 + low);
            i += 2;
        }
        if (c == 0 || IsControl(c))
            return std::nullopt;
        path += static_cast<char>(c);
    }
    return path;
}

} // namespace tarnel
