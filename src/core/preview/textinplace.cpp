#include "textinplace.h"

#include "ascii.h"
#include "completion.h"
#include "references.h"
#include "scanner.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tarnel {

namespace {

// Elements whose content is no text shown in the page (or not shown as a run of text), and
// those that cannot hold text at all: the browser moves text typed into a table's rows out
// of the table.
constexpr std::array<std::string_view, 22> kNotShownAsText = {
    "script",   "style",    "textarea", "title",  "xmp",      "plaintext", "iframe",   "noembed",
    "noframes", "noscript", "template", "select", "option",   "optgroup",  "datalist", "table",
    "thead",    "tbody",    "tfoot",    "tr",     "colgroup", "frameset"};

// How a browser reads the bytes 0x80-0x9F of a page in a one-byte encoding (Windows-1252,
// which it takes for Latin-1 too); the five it leaves undefined stay themselves.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t OneByteCharacter(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : byte;
}

// One piece of the source's content and what the browser holds for it.
struct Piece
{
    std::size_t begin, end;
    std::u32string shown;
};

bool IsAsciiAlnum(char c)
{
    return IsAsciiLetter(c) || (c >= '0' && c <= '9');
}

// The code point of the UTF-8 sequence at `at` (the page is valid UTF-8), and its length.
std::pair<char32_t, std::size_t> DecodeUtf8(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return {lead, 1};
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    char32_t code = lead & (0x3F >> (length - 1));
    for (std::size_t i = 1; i < length && at + i < text.size(); ++i)
        code = (code << 6) | (byte(i) & 0x3F);
    return {code, std::min(length, text.size() - at)};
}

std::u32string DecodeText(std::string_view text, bool utf8)
{
    std::u32string decoded;
    for (std::size_t at = 0; at < text.size();) {
        if (!utf8) {
            decoded.push_back(static_cast<unsigned char>(text[at++]));
            continue;
        }
        const auto [code, length] = DecodeUtf8(text, at);
        decoded.push_back(code);
        at += length;
    }
    return decoded;
}

// The content cut into pieces, one a character (a reference and a line break are one).
std::variant<std::vector<Piece>, NotEditable> PiecesOf(std::string_view page, std::size_t begin,
                                                       std::size_t end, bool utf8,
                                                       bool dropsFirstLineFeed)
{
    std::vector<Piece> pieces;
    const std::string_view content = page.substr(begin, end - begin);
    for (std::size_t at = 0; at < content.size();) {
        const char c = content[at];
        if (c == '<')
            return NotEditable::HoldsMarkup;
        if (c == '\0')
            return NotEditable::UnmappedReference; // the parser drops or replaces it
        std::size_t length = 1;
        std::u32string shown;
        if (c == '\r' || c == '\n') {
            length = c == '\r' && at + 1 < content.size() && content[at + 1] == '\n' ? 2 : 1;
            if (!(at == 0 && dropsFirstLineFeed))
                shown = U"\n";
        } else if (c == '&' && at + 1 < content.size() &&
                   (IsAsciiAlnum(content[at + 1]) || content[at + 1] == '#')) {
            const auto reference = ReferenceAt(content, at);
            if (!reference)
                return NotEditable::UnmappedReference;
            shown.push_back(reference->character);
            length = reference->length;
        } else if (utf8) {
            const auto [code, size] = DecodeUtf8(content, at);
            shown.push_back(code);
            length = size;
        } else {
            shown.push_back(OneByteCharacter(static_cast<unsigned char>(c)));
        }
        pieces.push_back({begin + at, begin + at + length, std::move(shown)});
        at += length;
    }
    return pieces;
}

std::string Escaped(std::u32string_view typed, bool utf8, LineBreak lineBreak)
{
    std::string bytes;
    for (const char32_t c : typed) {
        switch (c) {
        case U'<':
            bytes += "&lt;";
            break;
        case U'>':
            bytes += "&gt;";
            break;
        case U'&':
            bytes += "&amp;";
            break;
        case U'\n':
            bytes += LineBreakText(lineBreak);
            break;
        case U'\u00A0':
            bytes += ' ';
            break;
        default:
            if (utf8)
                AppendUtf8(bytes, c);
            else
                bytes += OneBytePerCharacter(std::u32string_view(&c, 1));
        }
    }
    return bytes;
}

// PRE and LISTING drop a line break right after their start tag.
bool DropsFirstLineFeed(std::string_view name)
{
    return EqualsNoCase(name, "pre") || EqualsNoCase(name, "listing");
}

bool ShownAt(std::u32string_view text, std::size_t at, std::u32string_view piece)
{
    return text.size() - at >= piece.size() && text.substr(at, piece.size()) == piece;
}

} // namespace

std::variant<EditableText, NotEditable> EditableTextOf(std::string_view page, std::size_t tagStart,
                                                       bool utf8Page)
{
    const std::string_view name = TagName(page, tagStart);
    const std::optional<TextRange> startTag = TagRange(page, tagStart);
    if (name.empty() || !startTag || IsVoidElement(name) ||
        std::any_of(kNotShownAsText.begin(), kNotShownAsText.end(),
                    [&](std::string_view n) { return EqualsNoCase(n, name); }))
        return NotEditable::NoText;
    const std::size_t begin = startTag->end;
    const std::size_t open = page.find('<', begin);
    if (open == std::string_view::npos)
        return NotEditable::NoEndTag;
    // A tag or a comment inside, before the end tag, holds markup; the content must end at
    // its own end tag, written.
    TagCursor cursor(page, begin);
    const std::optional<TagToken> next = cursor.Next();
    if (next && next->begin == open && !(next->isEndTag && EqualsNoCase(next->name, name)))
        return next->isEndTag ? NotEditable::NoEndTag : NotEditable::HoldsMarkup;
    if (!next || next->begin != open)
        return NotEditable::HoldsMarkup; // a comment, a declaration or a stray "<"
    const auto pieces = PiecesOf(page, begin, open, utf8Page, DropsFirstLineFeed(name));
    if (const auto *refused = std::get_if<NotEditable>(&pieces))
        return *refused;
    EditableText text{tagStart, begin, open, {}};
    for (const Piece &piece : std::get<std::vector<Piece>>(pieces))
        for (const char32_t c : piece.shown)
            AppendUtf8(text.shown, c);
    return text;
}

std::optional<TextReplacement> WriteBackText(std::string_view page, const EditableText &text,
                                             std::string_view edited, bool utf8Page,
                                             LineBreak lineBreak)
{
    const auto cut = PiecesOf(page, text.contentBegin, text.contentEnd, utf8Page,
                              DropsFirstLineFeed(TagName(page, text.tagStart)));
    if (!std::holds_alternative<std::vector<Piece>>(cut))
        return std::nullopt;
    const std::vector<Piece> &pieces = std::get<std::vector<Piece>>(cut);
    const std::u32string now = DecodeText(edited, true);
    // Whole pieces kept at the start and at the end: a reference is kept or written anew,
    // never cut.
    std::size_t first = 0, from = 0;
    while (first < pieces.size() && ShownAt(now, from, pieces[first].shown))
        from += pieces[first++].shown.size();
    std::size_t last = pieces.size(), to = now.size();
    while (last > first && to - from >= pieces[last - 1].shown.size() &&
           ShownAt(now, to - pieces[last - 1].shown.size(), pieces[last - 1].shown))
        to -= pieces[--last].shown.size();
    if (first == last && from == to)
        return std::nullopt;
    const std::size_t begin = first < pieces.size() ? pieces[first].begin : text.contentEnd;
    const std::size_t end = last > first ? pieces[last - 1].end : begin;
    return TextReplacement{
        begin, end, Escaped(std::u32string_view(now).substr(from, to - from), utf8Page, lineBreak)};
}

} // namespace tarnel
