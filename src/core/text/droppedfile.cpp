#include "droppedfile.h"

#include "ascii.h"
#include "filepaths.h"

#include <algorithm>

namespace tarnel {

namespace {

constexpr std::string_view kPageExtensions[] = {"htm", "html", "xhtml", "shtml"};
constexpr std::string_view kPictureExtensions[] = {"png", "jpg", "jpeg", "gif", "webp",
                                                   "svg", "bmp", "ico",  "avif"};

std::string ExtensionOf(std::string_view path)
{
    const std::string_view name = path.substr(path.find_last_of('/') + 1);
    const auto dot = name.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0)
        return {};
    std::string extension(name.substr(dot + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(), LowerAscii);
    return extension;
}

template <std::size_t N> bool Lists(const std::string_view (&names)[N], std::string_view name)
{
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// Tab, line feed, vertical tab, form feed and carriage return are the controls of text.
bool LooksLikeText(std::string_view bytes)
{
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && (byte < '\t' || byte > '\r');
    });
}

} // namespace

DroppedFile KindOfDroppedFile(std::string_view path, std::string_view bytes)
{
    const std::string extension = ExtensionOf(path);
    if (Lists(kPageExtensions, extension))
        return DroppedFile::Page;
    if (Lists(kPictureExtensions, extension))
        return DroppedFile::Picture;
    return LooksLikeText(bytes) ? DroppedFile::Text : DroppedFile::Refused;
}

std::string DroppedPictureSource(std::string_view pagePath, std::string_view picturePath)
{
    if (pagePath.empty())
        return BrowsedPath(pagePath, picturePath);
    return RelativeFileUrl(pagePath, picturePath);
}

std::string WithLineFeeds(std::string_view text)
{
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            lines += text[i];
        } else {
            lines += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        }
    }
    return lines;
}

} // namespace tarnel
