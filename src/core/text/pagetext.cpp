#include "pagetext.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cstdint>
#include <cstring>

namespace tarnel {

namespace {

// A big page is read eight bytes at a time (the bytes of a word in text order from its low
// end: this program is built for little-endian machines only).
static_assert(std::endian::native == std::endian::little);

std::uint64_t WordAt(const char *bytes)
{
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// 0x80 in each byte of `word` that equals `c`, 0 in every other byte.
std::uint64_t BytesEqual(std::uint64_t word, unsigned char c)
{
    constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7F;
    const std::uint64_t x = word ^ (0x0101010101010101 * c);
    return ~(((x & low7) + low7) | x | low7);
}

} // namespace

std::string StartingPageText()
{
    return "<TITLE> Quillos </TITLE>\n"
           "<META name=\"description\" content=\"\">\n"
           "<META name=\"keywords\" content=\"\">\n"
           "<META name=\"generator\" content=\"QUILLO Editor\">\n"
           "<HTML>\n"
           "<BODY>\n"
           "\n"
           "</BODY>\n"
           "</HTML>";
}

namespace {

// A language tag as the desktop gives it ("en-US", "sr-Latn-RS"): letters, digits and
// hyphens only. "C" and "POSIX" name no language.
bool IsLanguageTag(std::string_view tag)
{
    if (tag.empty() || tag == "C" || tag == "POSIX" || tag.front() == '-' || tag.back() == '-')
        return false;
    return std::all_of(tag.begin(), tag.end(),
                       [](unsigned char c) { return (c < 0x80 && std::isalnum(c)) || c == '-'; });
}

} // namespace

std::string Html5PageText(std::string_view language)
{
    const std::string lang = IsLanguageTag(language) ? std::string(language) : "en";
    return "<!DOCTYPE html>\n"
           "<html lang=\"" +
           lang +
           "\">\n"
           "<head>\n"
           "<meta charset=\"utf-8\">\n"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
           "<title></title>\n"
           "</head>\n"
           "<body>\n"
           "\n"
           "</body>\n"
           "</html>\n";
}

LineBreak NativeLineBreak()
{
#ifdef _WIN32
    return LineBreak::CrLf;
#else
    return LineBreak::Lf;
#endif
}

LineBreak PrevailingLineBreak(std::string_view text, LineBreak fallback)
{
    // Every CR, every LF, and the LFs right after a CR are counted; a CR LF is one line
    // break, not two. A block's counts fit in a byte, which lets the compiler count many bytes
    // at once: four times the speed of counting in words.
    const auto *s = reinterpret_cast<const unsigned char *>(text.data());
    const std::size_t n = text.size();
    std::size_t cr = 0, lf = 0, crlf = 0;
    constexpr std::size_t block = 240;
    std::size_t i = 0;
    for (; i + block < n; i += block) {
        unsigned char blockCr = 0, blockLf = 0, blockCrLf = 0;
        for (std::size_t k = i; k < i + block; ++k) {
            blockCr += s[k] == '\r';
            blockLf += s[k] == '\n';
            blockCrLf += (s[k] == '\r') & (s[k + 1] == '\n');
        }
        cr += blockCr;
        lf += blockLf;
        crlf += blockCrLf;
    }
    for (; i < n; ++i) {
        cr += s[i] == '\r';
        lf += s[i] == '\n';
        crlf += s[i] == '\r' && i + 1 < n && s[i + 1] == '\n';
    }
    cr -= crlf;
    lf -= crlf;
    if (crlf == 0 && lf == 0 && cr == 0)
        return fallback;
    if (crlf >= lf && crlf >= cr)
        return LineBreak::CrLf;
    return lf >= cr ? LineBreak::Lf : LineBreak::Cr;
}

std::string_view LineBreakText(LineBreak lineBreak)
{
    switch (lineBreak) {
    case LineBreak::CrLf:
        return "\r\n";
    case LineBreak::Cr:
        return "\r";
    case LineBreak::Lf:
        break;
    }
    return "\n";
}

std::string WithLineBreaks(std::string_view snippet, LineBreak lineBreak)
{
    const std::string_view eol = LineBreakText(lineBreak);
    std::string out;
    out.reserve(snippet.size() + std::count(snippet.begin(), snippet.end(), '\n'));
    for (char c : snippet) {
        if (c == '\n')
            out += eol;
        else
            out += c;
    }
    return out;
}

std::optional<std::size_t> FindBodyEnd(std::string_view text)
{
    static constexpr std::string_view needle = "</body";
    const auto bodyEndAt = [&](std::size_t slash) {
        if (slash == 0 || text[slash - 1] != '<' || text.size() - (slash - 1) < needle.size())
            return false;
        for (std::size_t k = 2; k < needle.size(); ++k)
            if (std::tolower(static_cast<unsigned char>(text[slash - 1 + k])) != needle[k])
                return false;
        return true;
    };
    // A "/" before a "b" is rare in a page: found eight bytes at a time, then looked at.
    std::size_t i = 0;
    for (; i + 9 <= text.size(); i += 8) {
        const std::uint64_t word = WordAt(text.data() + i);
        const std::uint64_t next = WordAt(text.data() + i + 1);
        std::uint64_t slashes =
            BytesEqual(word, '/') & (BytesEqual(next, 'b') | BytesEqual(next, 'B'));
        for (; slashes != 0; slashes &= slashes - 1)
            if (const std::size_t at = i + std::countr_zero(slashes) / 8; bodyEndAt(at))
                return at - 1;
    }
    for (; i < text.size(); ++i)
        if (text[i] == '/' && bodyEndAt(i))
            return i - 1;
    return std::nullopt;
}

std::size_t BeforeBodyEndPosition(std::string_view text)
{
    const auto p = FindBodyEnd(text);
    if (!p || *p == 0)
        return 0;
    // On the line before the tag when it starts a line (a starting page's empty body line);
    // a caret cannot stand between the CR and LF of one line break: step over both.
    if (*p >= 2 && text[*p - 1] == '\n' && text[*p - 2] == '\r')
        return *p - 2;
    if (text[*p - 1] == '\n' || text[*p - 1] == '\r')
        return *p - 1;
    // Otherwise right before it: never inside the tag before.
    return *p;
}

bool IsValidUtf8(std::string_view text)
{
    const auto *s = reinterpret_cast<const unsigned char *>(text.data());
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n) {
        // Most of a page is ASCII: eight bytes at a time while no byte has its high bit.
        while (i + 8 <= n && (WordAt(text.data() + i) & 0x8080808080808080) == 0)
            i += 8;
        if (i == n)
            break;
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t len;
        unsigned char lo = 0x80, hi = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            if (c == 0xE0)
                lo = 0xA0;
            else if (c == 0xED)
                hi = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            if (c == 0xF0)
                lo = 0x90;
            else if (c == 0xF4)
                hi = 0x8F;
        } else {
            return false;
        }
        if (i + len > n)
            return false;
        if (s[i + 1] < lo || s[i + 1] > hi)
            return false;
        for (std::size_t k = 2; k < len; ++k)
            if (s[i + k] < 0x80 || s[i + k] > 0xBF)
                return false;
        i += len;
    }
    return true;
}

std::string OneBytePerCharacter(std::u32string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (const char32_t c : text) {
        if (c <= 0xFF)
            bytes.push_back(static_cast<char>(c));
        else
            bytes.append("&#").append(std::to_string(static_cast<std::uint32_t>(c))).append(";");
    }
    return bytes;
}

} // namespace tarnel
