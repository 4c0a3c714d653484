#include "references.h"

#include "ascii.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace tarnel {

namespace {

struct NamedReference
{
    std::string_view name;
    char32_t character;
};
constexpr std::array<NamedReference, 6> kNamedReferences = {{
    {"amp", U'&'},
    {"lt", U'<'},
    {"gt", U'>'},
    {"quot", U'"'},
    {"apos", U'\''},
    {"nbsp", U'\u00A0'},
}};

// A numeric reference's character, when the browser shows that very code point (it maps
// 0x80-0x9F and a few others elsewhere).
std::optional<char32_t> NumericReference(std::string_view digits, bool hex)
{
    std::uint32_t code = 0;
    const auto [end, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    if (code == 0 || (code >= 0x80 && code <= 0x9F) || (code >= 0xD800 && code <= 0xDFFF) ||
        code > 0x10FFFF)
        return std::nullopt;
    return static_cast<char32_t>(code);
}

// The longest reference body looked at: a numeric one of a whole code point, or a name.
constexpr std::size_t kLongestBody = 10;

} // namespace

std::optional<Reference> ReferenceAt(std::string_view text, std::size_t at)
{
    const std::size_t semicolon = text.substr(0, at + 2 + kLongestBody).find(';', at);
    if (semicolon == std::string_view::npos)
        return std::nullopt;
    const std::string_view body = text.substr(at + 1, semicolon - at - 1);
    const std::size_t length = semicolon + 1 - at;
    if (!body.empty() && body[0] == '#') {
        const bool hex = body.size() > 1 && LowerAscii(body[1]) == 'x';
        const auto code = NumericReference(body.substr(hex ? 2 : 1), hex);
        return code ? std::optional(Reference{*code, length}) : std::nullopt;
    }
    for (const NamedReference &named : kNamedReferences)
        if (body == named.name)
            return Reference{named.character, length};
    return std::nullopt;
}

std::string WithReferencesRead(std::string_view text)
{
    std::string read;
    read.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto reference = text[at] == '&' ? ReferenceAt(text, at) : std::nullopt;
        if (!reference) {
            read.push_back(text[at++]);
            continue;
        }
        AppendUtf8(read, reference->character);
        at += reference->length;
    }
    return read;
}

void AppendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

} // namespace tarnel
