// Page text helpers on any bytes: the UTF-8 check against a decoder written the other way
// round, line break detection and the body-end position against plain byte-by-byte readings
// (the helpers read eight bytes at a time), and line break conversion.

#include "pagetext.h"

#include "fuzzsupport.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

using namespace tarnel;

namespace {

// Decodes each sequence to its code point and rejects overlong forms, surrogates and
// values past U+10FFFF.
bool DecodesAsUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        int length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        std::uint32_t point = length == 1 ? c : c & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            point = (point << 6) | (next & 0x3F);
        }
        static constexpr std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < smallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::string Replaced(std::string_view text, std::string_view from, std::string_view to)
{
    std::string out;
    std::size_t at = 0;
    for (std::size_t hit = text.find(from); hit != std::string_view::npos;
         hit = text.find(from, at)) {
        out.append(text.substr(at, hit - at)).append(to);
        at = hit + from.size();
    }
    out.append(text.substr(at));
    return out;
}

LineBreak PrevailingByteByByte(std::string_view text, LineBreak fallback)
{
    std::size_t crlf = 0, lf = 0, cr = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++crlf, ++i;
        else if (text[i] == '\r')
            ++cr;
        else if (text[i] == '\n')
            ++lf;
    }
    if (crlf == 0 && lf == 0 && cr == 0)
        return fallback;
    if (crlf >= lf && crlf >= cr)
        return LineBreak::CrLf;
    return lf >= cr ? LineBreak::Lf : LineBreak::Cr;
}

std::optional<std::size_t> FirstBodyEnd(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return char(std::tolower(static_cast<unsigned char>(c))); });
    const std::size_t at = lower.find("</body");
    return at == std::string::npos ? std::nullopt : std::optional(at);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(bytes), size);
    FUZZ_CHECK(IsValidUtf8(text) == DecodesAsUtf8(text));

    const bool hasBreak = text.find_first_of("\r\n") != std::string_view::npos;
    for (LineBreak fallback : {LineBreak::CrLf, LineBreak::Lf, LineBreak::Cr}) {
        const LineBreak found = PrevailingLineBreak(text, fallback);
        FUZZ_CHECK(found == PrevailingByteByByte(text, fallback));
        if (!hasBreak)
            FUZZ_CHECK(found == fallback);
        else if (text.find('\r') == std::string_view::npos)
            FUZZ_CHECK(found == LineBreak::Lf);
        else if (text.find('\n') == std::string_view::npos)
            FUZZ_CHECK(found == LineBreak::Cr);
    }

    // Only the snippet's line feeds change; nothing else is added or lost.
    const auto feeds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    FUZZ_CHECK(WithLineBreaks(text, LineBreak::Lf) == text);
    FUZZ_CHECK(WithLineBreaks(text, LineBreak::CrLf).size() == text.size() + feeds);
    FUZZ_CHECK(WithLineBreaks(text, LineBreak::Cr) == Replaced(text, "\n", "\r"));

    const std::size_t before = BeforeBodyEndPosition(text);
    FUZZ_CHECK(FindBodyEnd(text) == FirstBodyEnd(text));
    if (const auto bodyEnd = FindBodyEnd(text)) {
        FUZZ_CHECK(*bodyEnd < text.size() && text[*bodyEnd] == '<');
        FUZZ_CHECK(before <= *bodyEnd);
    } else {
        FUZZ_CHECK(before == 0);
    }
    return 0;
}
