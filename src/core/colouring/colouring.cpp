#include "colouring.h"

#include "ascii.h"
#include "csscolouring.h"
#include "scriptcolouring.h"

#include "wordlists.h"

#include <algorithm>
#include <cstring>

namespace tarnel {

namespace {

constexpr unsigned char FoldByte(unsigned char c)
{
    return static_cast<unsigned char>(UpperAscii(static_cast<char>(c)));
}

constexpr std::uint32_t HashStep(std::uint32_t hash, unsigned char c)
{
    return hash * 33 + c;
}

std::uint32_t HashName(const char *name, std::size_t length)
{
    std::uint32_t hash = 5381;
    for (std::size_t i = 0; i < length; ++i)
        hash = HashStep(hash, static_cast<unsigned char>(name[i]));
    return hash;
}

bool SameBytes(const char *a, const unsigned char *b, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i)
        if (static_cast<unsigned char>(a[i]) != b[i])
            return false;
    return true;
}

// The longest name a word is compared with; longer words are never listed.
constexpr std::size_t MaxFoldedName = 64;

// The end of the character reference at `p` (its "&" there), or `p` when none begins there:
// "&name;", "&#digits" or "&#xhex", the last two with or without their ";".
std::size_t CharReferenceEnd(const char *s, std::size_t p, std::size_t n)
{
    std::size_t q = p + 1;
    if (q < n && s[q] == '#') {
        ++q;
        const bool hex = q < n && (s[q] == 'x' || s[q] == 'X');
        q += hex;
        const std::size_t digits = q;
        while (q < n && (hex ? HexValue(s[q]) >= 0 : s[q] >= '0' && s[q] <= '9'))
            ++q;
        if (q == digits)
            return p;
        return q < n && s[q] == ';' ? q + 1 : q;
    }
    if (q >= n || !IsAsciiLetter(s[q]))
        return p;
    while (q < n && (IsAsciiLetter(s[q]) || (s[q] >= '0' && s[q] <= '9')))
        ++q;
    return q < n && s[q] == ';' ? q + 1 : p;
}

// The language a SCRIPT or STYLE holds until its TYPE says otherwise.
// The attributes whose value HTML reads as a colour.
bool IsColourAttribute(const char *name, std::size_t length)
{
    const std::string_view word(name, length);
    for (const std::string_view colour : {"bgcolor", "color", "text", "link", "vlink", "alink",
                                          "bordercolor", "bordercolorlight", "bordercolordark"})
        if (EqualsNoCase(word, colour))
            return true;
    return false;
}

Language LanguageOf(RawElement raw)
{
    return raw == RawElement::Script  ? Language::JavaScript
           : raw == RawElement::Style ? Language::Css
                                      : Language::None;
}

} // namespace

std::size_t LineStartOf(std::string_view text, std::size_t position)
{
    position = std::min(position, text.size());
    while (position > 0) {
        const char c = text[position - 1];
        if (c == '\n')
            break;
        // A "\r" ends a line unless the "\n" of a "\r\n" follows it.
        if (c == '\r' && (position == text.size() || text[position] != '\n'))
            break;
        --position;
    }
    return position;
}

ColourEngine::ColourEngine()
{
    for (int c = 0; c < 256; ++c) {
        CharClass cls = Other;
        if (IsAsciiLetter(static_cast<unsigned char>(c)) || c == '_' || c >= 128)
            cls = Letter;
        else if (c >= '0' && c <= '9')
            cls = Digit;
        m_class[c] = cls;
    }
    m_class['<'] = Less;
    m_class['>'] = Greater;
    m_class['='] = Equals;
    m_class[' '] = Blank;
    m_class['\t'] = Blank;
    m_class['\f'] = Blank;
    m_class['\n'] = LineFeed;
    m_class['\r'] = Return;
    m_class['-'] = Hyphen;
    m_class['&'] = Ampersand;
    m_looks[static_cast<int>(Style::Plain)] = {0x000000, false};
    m_looks[static_cast<int>(Style::Keyword)] = {0xFF0000, true};
    m_looks[static_cast<int>(Style::Constant)] = {0xFF00FF, false};
    m_looks[static_cast<int>(Style::Comment)] = {0x008000, false};
    m_looks[static_cast<int>(Style::Number)] = {0xFF8000, false};
    m_looks[static_cast<int>(Style::String)] = {0xFF0080, false};
    // The looks of the embedded languages, as 0x00BBGGRR.
    m_looks[static_cast<int>(Style::CssSelector)] = {0x000080, false};   // maroon
    m_looks[static_cast<int>(Style::CssProperty)] = {0x808000, false};   // teal
    m_looks[static_cast<int>(Style::CssValue)] = {0x800000, false};      // navy
    m_looks[static_cast<int>(Style::CssColour)] = {0x006080, false};     // olive brown
    m_looks[static_cast<int>(Style::CssAtRule)] = {0x800080, true};      // purple
    m_looks[static_cast<int>(Style::CssImportant)] = {0x0000C0, true};   // red
    m_looks[static_cast<int>(Style::CodeNumber)] = {0x588609, false};    // sea green
    m_looks[static_cast<int>(Style::CodeString)] = {0x1515A3, false};    // brick red
    m_looks[static_cast<int>(Style::CodeComment)] = {0x808080, false};   // grey
    m_looks[static_cast<int>(Style::JsKeyword)] = {0x55007F, true};      // plum
    m_looks[static_cast<int>(Style::JsTemplate)] = {0xC06515, false};    // steel blue
    m_looks[static_cast<int>(Style::JsRegex)] = {0x3F1F81, false};       // wine
    m_looks[static_cast<int>(Style::CharReference)] = {0x1E69D2, false}; // chocolate
    SetStringQuotes("\"");
}

void ColourEngine::SetCaseSensitive(bool caseSensitive)
{
    m_caseSensitive = caseSensitive;
}

void ColourEngine::SetChangeCase(bool changeCase)
{
    m_changeCase = changeCase;
}

void ColourEngine::SetLowerCaseSpelling(bool lower)
{
    if (lower == m_lowerCaseSpelling)
        return;
    m_lowerCaseSpelling = lower;
    RebuildNames();
}

void ColourEngine::SetStringQuotes(std::string_view quotes)
{
    for (auto &cls : m_class)
        if (cls == Quote)
            cls = Other;
    for (const char q : quotes) {
        const auto c = static_cast<unsigned char>(q);
        if (m_class[c] == Other)
            m_class[c] = Quote;
    }
}

void ColourEngine::AddKeywords(std::string_view words)
{
    m_keywords += words;
    m_keywordsFolded = !m_caseSensitive;
    RebuildNames();
}

void ColourEngine::AddConstants(std::string_view words)
{
    m_constants += words;
    m_constantsFolded = !m_caseSensitive;
    RebuildNames();
}

void ColourEngine::SetKeywordColor(std::uint32_t colour, bool bold)
{
    m_looks[static_cast<int>(Style::Keyword)] = {colour, bold};
}

void ColourEngine::SetConstantColor(std::uint32_t colour, bool bold)
{
    m_looks[static_cast<int>(Style::Constant)] = {colour, bold};
}

void ColourEngine::SetCommentColor(std::uint32_t colour, bool bold)
{
    m_looks[static_cast<int>(Style::Comment)] = {colour, bold};
}

void ColourEngine::SetNumberColor(std::uint32_t colour, bool bold)
{
    m_looks[static_cast<int>(Style::Number)] = {colour, bold};
}

void ColourEngine::SetStringColor(std::uint32_t colour, bool bold)
{
    m_looks[static_cast<int>(Style::String)] = {colour, bold};
}

void ColourEngine::RebuildNames()
{
    m_names.clear();
    m_longestName = 0;
    m_slots.clear();
    AddNames(m_keywords, m_keywordsFolded, true);
    AddNames(m_constants, m_constantsFolded, false);
}

void ColourEngine::AddNames(std::string_view list, bool fold, bool keyword)
{
    std::size_t p = 0;
    while (p < list.size()) {
        const std::size_t blank = std::min(list.find(' ', p), list.size());
        const std::string_view word = list.substr(p, blank - p);
        p = blank + 1;
        if (word.empty() || word.size() > MaxFoldedName)
            continue;
        std::string key(word);
        if (fold)
            for (char &c : key)
                c = static_cast<char>(FoldByte(static_cast<unsigned char>(c)));
        Name *name = const_cast<Name *>(Lookup(key.data(), key.size()));
        if (!name) {
            // Grow before adding, so that lookups always meet an empty slot.
            if ((m_names.size() + 1) * 2 > m_slots.size()) {
                m_slots.assign(std::max<std::size_t>(64, m_slots.size() * 2), Slot{});
                for (std::size_t i = 0; i < m_names.size(); ++i)
                    Place(m_names[i].key, i);
            }
            Place(key, m_names.size());
            m_longestName = std::max(m_longestName, key.size());
            m_names.push_back({std::move(key), {}, {}});
            name = &m_names.back();
        }
        // The first time a word is listed gives its spelling.
        std::string &spelling = keyword ? name->keyword : name->constant;
        if (spelling.empty()) {
            spelling = word;
            if (m_lowerCaseSpelling)
                for (char &c : spelling)
                    if (c >= 'A' && c <= 'Z')
                        c = char(c - 'A' + 'a');
        }
    }
}

void ColourEngine::Place(const std::string &key, std::size_t index)
{
    const std::uint32_t hash = HashName(key.data(), key.size());
    std::size_t slot = hash & (m_slots.size() - 1);
    while (m_slots[slot].index >= 0)
        slot = (slot + 1) & (m_slots.size() - 1);
    m_slots[slot] = {hash, static_cast<std::int32_t>(index)};
}

const ColourEngine::Name *ColourEngine::Lookup(const char *word, std::size_t length) const
{
    if (length == 0 || length > m_longestName)
        return nullptr;
    // Fold and hash in one sweep; this runs for every word inside a tag.
    unsigned char key[MaxFoldedName];
    std::uint32_t hash = 5381;
    for (std::size_t i = 0; i < length; ++i) {
        const auto c = static_cast<unsigned char>(word[i]);
        key[i] = m_caseSensitive ? c : FoldByte(c);
        hash = HashStep(hash, key[i]);
    }
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
        const Slot &entry = m_slots[slot];
        if (entry.index < 0)
            return nullptr;
        if (entry.hash != hash)
            continue;
        const Name &name = m_names[static_cast<std::size_t>(entry.index)];
        if (name.key.size() == length && SameBytes(name.key.data(), key, length))
            return &name;
    }
}

std::optional<std::string_view> ColourEngine::FindKeyword(std::string_view word) const
{
    const Name *name = Lookup(word.data(), word.size());
    if (!name || name->keyword.empty())
        return std::nullopt;
    return name->keyword;
}

std::optional<std::string_view> ColourEngine::FindConstant(std::string_view word) const
{
    const Name *name = Lookup(word.data(), word.size());
    if (!name || name->constant.empty())
        return std::nullopt;
    return name->constant;
}

namespace {

// One left-to-right pass. Styles are written lazily: a gap before a token, or before the
// pass ends, is filled with Plain, so every byte of the range is written exactly once.
class Scanner final : public StyleMarker
{
public:
    // Works in positions relative to the window and reports absolute ones.
    Scanner(const ColourEngine &engine, TextWindow window, const PassOutput &out)
        : m_engine(engine)
        , m_s(window.bytes.data())
        , m_n(window.bytes.size())
        , m_out(out)
        , m_cls(engine.ClassTable())
        , m_base(window.base)
        , m_textEnds(window.base + window.bytes.size() >= window.textSize)
        , m_stylesFrom(out.stylesFrom > window.base ? out.stylesFrom - window.base : 0)
    {}

    PassEnd Run(std::size_t lineStart, LineState state, std::size_t end)
    {
        std::size_t p = lineStart > m_base ? lineStart - m_base : 0;
        m_state = state;
        m_end = std::min(end > m_base ? end - m_base : 0, m_n);
        m_filled = std::max(p, m_stylesFrom);
        m_segment = p;
        while (p < m_end && !m_stopped) {
            switch (m_state.context) {
            case Context::Text:
                p = RunText(p);
                break;
            case Context::Tag:
                p = RunTag(p);
                break;
            case Context::AttributeValue:
                p = RunValue(p);
                break;
            case Context::Comment:
                p = RunComment(p);
                break;
            case Context::RawText:
                p = RunRaw(p);
                break;
            }
        }
        FillPlain(std::min(p, m_end));
        return {m_base + p, m_state};
    }

    // The "<" of the last tag begun in this pass, for ContextAt.
    std::size_t tagStart = static_cast<std::size_t>(-1);
    // The last token that covered a watched position, for ContextAt.
    std::size_t watch = static_cast<std::size_t>(-1);
    Style watchedStyle = Style::Plain;
    // The watched position lies inside a quoted attribute value, past its opening quote.
    bool watchInValue = false;
    // The watched position lies in a quoted STYLE value, up to its closing quote: how the
    // declarations read there.
    std::optional<CssState> watchedCss;

    void MarkCode(std::size_t from, std::size_t to, Style style) override { Mark(from, to, style); }

    void Mark(std::size_t from, std::size_t to, Style style)
    {
        if (watch >= from && watch < to)
            watchedStyle = style;
        if (!m_out.styles)
            return;
        from = std::max(from, m_filled);
        to = std::min(to, m_end);
        if (from >= to)
            return;
        FillPlain(from);
        std::uint8_t *at = m_out.styles + (from - m_stylesFrom);
        // Most tokens are short: a loop beats a call.
        if (to - from <= 16) {
            for (std::size_t i = 0; i < to - from; ++i)
                at[i] = static_cast<std::uint8_t>(style);
        } else {
            std::memset(at, static_cast<int>(style), to - from);
        }
        m_filled = to;
    }

private:
    unsigned char At(std::size_t p) const
    {
        return p < m_n ? static_cast<unsigned char>(m_s[p]) : 0;
    }
    ColourEngine::CharClass Cls(std::size_t p) const { return m_cls[At(p)]; }
    ColourEngine::CharClass ClsIn(std::size_t p) const
    {
        return m_cls[static_cast<unsigned char>(m_s[p])];
    }

    void FillPlain(std::size_t to)
    {
        if (!m_out.styles || to <= m_filled)
            return;
        std::memset(m_out.styles + (m_filled - m_stylesFrom), 0, to - m_filled);
        m_filled = to;
    }

    // After a line break byte at p - 1: reports the next line's start, unless p - 1 is the
    // "\r" of a "\r\n".
    void Break(std::size_t p)
    {
        if (m_s[p - 1] == '\r' && p < m_n && m_s[p] == '\n')
            return;
        if (m_out.lines) {
            FillPlain(std::min(p, m_end));
            if (!m_out.lines->AtLineStart(m_base + p, m_state))
                m_stopped = true;
        }
    }

    std::size_t SkipWord(std::size_t p) const
    {
        while (p < m_n) {
            const auto cls = Cls(p);
            if (cls != ColourEngine::Letter && cls != ColourEngine::Digit)
                break;
            ++p;
        }
        return p;
    }

    // The longest prefix a decimal floating-point conversion accepts.
    std::size_t Number(std::size_t p)
    {
        const std::size_t from = p;
        while (Cls(p) == ColourEngine::Digit)
            ++p;
        if (At(p) == '.') {
            ++p;
            while (Cls(p) == ColourEngine::Digit)
                ++p;
        }
        if (At(p) == 'e' || At(p) == 'E') {
            std::size_t q = p + 1;
            if (At(q) == '+' || At(q) == '-')
                ++q;
            if (Cls(q) == ColourEngine::Digit) {
                while (Cls(q) == ColourEngine::Digit)
                    ++q;
                p = q;
            }
        }
        Mark(from, p, Style::Number);
        return p;
    }

    // The rarer paths are kept out of the scan's loops (noinline), which stay as small as
    // the common markup needs.

    // A character reference at p, or just its "&".
    [[gnu::noinline]] std::size_t Reference(std::size_t p)
    {
        const std::size_t end = CharReferenceEnd(m_s, p, m_n);
        if (end == p)
            return p + 1;
        Mark(p, end, Style::CharReference);
        return end;
    }

    // [from, to) in `style`, but for the character references in it.
    [[gnu::noinline]] void MarkWithReferences(std::size_t from, std::size_t to, Style style)
    {
        std::size_t run = from;
        for (std::size_t p = from; p < to; ++p) {
            if (m_s[p] != '&')
                continue;
            const std::size_t end = std::min(CharReferenceEnd(m_s, p, to), to);
            if (end == p)
                continue;
            Mark(run, p, style);
            Mark(p, end, Style::CharReference);
            run = end;
            p = end - 1;
        }
        Mark(run, to, style);
    }

    // The value of the attribute just read was [from, to): a SCRIPT's or STYLE's TYPE decides
    // how its content is coloured.
    [[gnu::noinline]] void TypeValue(std::size_t from, std::size_t to)
    {
        const std::string_view type(m_s + from, to - from);
        if (m_state.raw == RawElement::Script)
            m_state.language = IsScriptType(type) ? Language::JavaScript : Language::None;
        else if (m_state.raw == RawElement::Style)
            m_state.language = IsCssType(type) ? Language::Css : Language::None;
        m_state.attributes |= TypeRead;
    }

    // The attribute bits that name the value about to be read, cleared for the next name.
    std::uint8_t TakeValueBits()
    {
        constexpr std::uint8_t valueBits = NextValueIsType | NextValueIsStyle | NextValueIsColour;
        const std::uint8_t bits = m_state.attributes & valueBits;
        m_state.attributes &= static_cast<std::uint8_t>(~valueBits);
        return bits;
    }

    // The quoted value [from, end) of a STYLE, its quotes as values, its declarations as CSS.
    [[gnu::noinline]] void StyleValue(std::size_t from, std::size_t close, std::size_t end)
    {
        Mark(from, from + 1, Style::String);
        CssState css = CssState::Declarations();
        ColourCss({m_s, from + 1, close}, css, *this);
        Mark(close, end, Style::String);
        if (watch > from && watch <= close)
            WatchCss(from + 1, close);
    }

    // The state of the declarations [from, close) where the watched position is read.
    void WatchCss(std::size_t from, std::size_t close)
    {
        struct NoMarks : StyleMarker
        {
            void MarkCode(std::size_t, std::size_t, Style) override {}
        } noMarks;
        CssState css = CssState::Declarations();
        ColourCss({m_s, from, close, watch}, css, noMarks);
        watchedCss = css;
    }

    // A value in quotes runs to its closing quote or to the end of its line. A STYLE's holds
    // CSS declarations.
    std::size_t QuotedValue(std::size_t p)
    {
        const std::size_t from = p;
        const char quote = m_s[p++];
        while (p < m_n && m_s[p] != quote && m_s[p] != '\n' && m_s[p] != '\r')
            ++p;
        const std::size_t close = p;
        if (p < m_n && m_s[p] == quote)
            ++p;
        if (watch > from && watch < p)
            watchInValue = true;
        const std::uint8_t bits = TakeValueBits();
        if (bits & NextValueIsType)
            TypeValue(from + 1, close);
        if (bits & NextValueIsColour)
            m_out.colourAttributeValues->push_back({m_base + from + 1, m_base + close});
        if (bits & NextValueIsStyle) {
            StyleValue(from, close, p);
            return p;
        }
        if (std::memchr(m_s + from, '&', p - from))
            MarkWithReferences(from, p, Style::String);
        else
            Mark(from, p, Style::String);
        return p;
    }

    // A name inside a tag: hyphens belong to it, so HTTP-EQUIV is looked up whole.
    std::size_t NameWord(std::size_t p)
    {
        const std::size_t from = p;
        while (p < m_n) {
            const auto cls = Cls(p);
            if (cls != ColourEngine::Letter && cls != ColourEngine::Digit &&
                cls != ColourEngine::Hyphen)
                break;
            ++p;
        }
        NoteName(from, p);
        const ColourEngine::Name *name = m_engine.Lookup(m_s + from, p - from);
        if (!name)
            return p;
        const std::string &spelling = name->keyword.empty() ? name->constant : name->keyword;
        Mark(from, p, name->keyword.empty() ? Style::Constant : Style::Keyword);
        if (m_out.rewrites && !m_engine.CaseSensitive() && m_engine.ChangeCase() &&
            spelling.size() == p - from &&
            !SameBytes(spelling.data(), reinterpret_cast<const unsigned char *>(m_s + from),
                       p - from) &&
            p > m_stylesFrom && from < m_end)
            m_out.rewrites->push_back({m_base + from, spelling});
        return p;
    }

    // A name read in a tag: whether the value that follows is a TYPE or a STYLE.
    void NoteName(std::size_t from, std::size_t to)
    {
        std::uint8_t &bits = m_state.attributes;
        const bool tagName = (bits & AtTagName) != 0;
        constexpr std::uint8_t nameBits =
            AtTagName | NextValueIsType | NextValueIsStyle | NextValueIsColour;
        if (bits & nameBits)
            bits &= static_cast<std::uint8_t>(~nameBits);
        if (tagName)
            return;
        if (m_out.colourAttributeValues && IsColourAttribute(m_s + from, to - from)) {
            bits |= NextValueIsColour;
            return;
        }
        // Most names are neither: their length and first letter tell.
        const std::size_t length = to - from;
        if (length != 4 && length != 5)
            return;
        const char first = UpperAscii(m_s[from]);
        if (first != 'T' && first != 'S')
            return;
        const std::string_view name(m_s + from, to - from);
        if (EqualsNoCase(name, "type") && !(bits & TypeRead) &&
            (m_state.raw == RawElement::Script || m_state.raw == RawElement::Style))
            bits |= NextValueIsType;
        else if (EqualsNoCase(name, "style"))
            bits |= NextValueIsStyle;
    }

    // Whether the letters at p name an element whose content is text, up to the end of a
    // tag name.
    RawElement RawElementAt(std::size_t p, bool endOfTextEnds) const
    {
        auto matches = [&](const char *name) {
            const std::size_t length = std::strlen(name);
            for (std::size_t i = 0; i < length; ++i)
                if (FoldByte(At(p + i)) != static_cast<unsigned char>(name[i]) || p + i >= m_n)
                    return false;
            const std::size_t q = p + length;
            if (q >= m_n)
                return endOfTextEnds && m_textEnds;
            const auto cls = Cls(q);
            return cls == ColourEngine::Blank || cls == ColourEngine::LineFeed ||
                   cls == ColourEngine::Return || m_s[q] == '/' || m_s[q] == '>';
        };
        // Most tags are none of them: their first letter tells.
        switch (FoldByte(At(p))) {
        case 'S':
            return matches("SCRIPT")  ? RawElement::Script
                   : matches("STYLE") ? RawElement::Style
                                      : RawElement::None;
        case 'T':
            return matches("TITLE")      ? RawElement::Title
                   : matches("TEXTAREA") ? RawElement::Textarea
                                         : RawElement::None;
        case 'X':
            return matches("XMP") ? RawElement::Xmp : RawElement::None;
        case 'I':
            return matches("IFRAME") ? RawElement::Iframe : RawElement::None;
        case 'N':
            return matches("NOEMBED")    ? RawElement::Noembed
                   : matches("NOFRAMES") ? RawElement::Noframes
                                         : RawElement::None;
        case 'P':
            return matches("PLAINTEXT") ? RawElement::Plaintext : RawElement::None;
        default:
            return RawElement::None;
        }
    }

    // A "<" in text: a tag when a letter, "/", "!" or "?" follows, a comment at "<!--",
    // otherwise just text.
    std::size_t Less(std::size_t p)
    {
        const unsigned char next = At(p + 1);
        if (IsAsciiLetter(next)) {
            const RawElement raw = RawElementAt(p + 1, true);
            m_state = {Context::Tag, raw, LanguageOf(raw), AtTagName};
            tagStart = m_base + p;
            return p + 1;
        }
        if (next == '!' && At(p + 2) == '-' && At(p + 3) == '-') {
            const std::size_t from = p;
            p += 4;
            // "<!-->" and "<!--->" are whole comments.
            if (At(p) == '>') {
                Mark(from, p + 1, Style::Comment);
                return p + 1;
            }
            if (At(p) == '-' && At(p + 1) == '>') {
                Mark(from, p + 2, Style::Comment);
                return p + 2;
            }
            Mark(from, p, Style::Comment);
            m_state = {Context::Comment, RawElement::None};
            m_segment = p;
            return p;
        }
        if (next == '/' || next == '!' || next == '?') {
            m_state = {Context::Tag, RawElement::None, Language::None,
                       std::uint8_t(next == '/' ? AtTagName : 0)};
            tagStart = m_base + p;
        }
        return p + 1;
    }

    // The ">" that ends a tag: what follows reads as it would at a line start.
    std::size_t Greater(std::size_t p)
    {
        m_state = m_state.raw == RawElement::None
                      ? LineState{}
                      : LineState{Context::RawText, m_state.raw, m_state.language};
        ++p;
        if (m_out.lines && m_base + p >= m_out.lines->nextResumePoint) {
            FillPlain(std::min(p, m_end));
            if (!m_out.lines->AtResumePoint(m_base + p, m_state))
                m_stopped = true;
        }
        return p;
    }

    // Only "<", line breaks and digits that start no word's tail matter outside tags; a
    // digit begins a number unless a letter or digit stands before it.
    std::size_t RunText(std::size_t p)
    {
        constexpr unsigned stops = 1u << ColourEngine::Digit | 1u << ColourEngine::Less |
                                   1u << ColourEngine::LineFeed | 1u << ColourEngine::Return |
                                   1u << ColourEngine::Ampersand;
        while (p < m_end) {
            {
                // Members copied to locals: the style stores elsewhere in the loop would
                // otherwise make the compiler reload them for every byte.
                const char *const s = m_s;
                const ColourEngine::CharClass *const table = m_cls;
                const std::size_t end = m_end;
                while (p < end && !((1u << table[static_cast<unsigned char>(s[p])]) & stops))
                    ++p;
                if (p >= end)
                    break;
            }
            switch (ClsIn(p)) {
            case ColourEngine::Digit:
                if (p > 0 &&
                    (ClsIn(p - 1) == ColourEngine::Letter || ClsIn(p - 1) == ColourEngine::Digit))
                    p = SkipWord(p + 1);
                else
                    p = Number(p);
                break;
            case ColourEngine::Less:
                p = Less(p);
                if (m_state.context != Context::Text)
                    return p;
                break;
            case ColourEngine::Ampersand:
                p = Reference(p);
                break;
            case ColourEngine::LineFeed:
            case ColourEngine::Return:
                Break(++p);
                if (m_stopped)
                    return p;
                break;
            default:
                ++p;
                break;
            }
        }
        return p;
    }

    std::size_t RunTag(std::size_t p)
    {
        while (p < m_end) {
            switch (ClsIn(p)) {
            case ColourEngine::Letter:
                p = NameWord(p);
                break;
            case ColourEngine::Digit:
                p = Number(p);
                break;
            case ColourEngine::Greater:
                return Greater(p);
            case ColourEngine::Equals:
                m_state.context = Context::AttributeValue;
                return p + 1;
            case ColourEngine::LineFeed:
            case ColourEngine::Return:
                Break(++p);
                if (m_stopped)
                    return p;
                break;
            default:
                ++p;
                break;
            }
        }
        return p;
    }

    // After "=": blanks, then a quoted value, an unquoted one, or the tag's end.
    std::size_t RunValue(std::size_t p)
    {
        while (p < m_end) {
            switch (ClsIn(p)) {
            case ColourEngine::Blank:
                ++p;
                break;
            case ColourEngine::LineFeed:
            case ColourEngine::Return:
                Break(++p);
                if (m_stopped)
                    return p;
                break;
            case ColourEngine::Greater:
                return Greater(p);
            case ColourEngine::Quote:
                m_state.context = Context::Tag;
                return QuotedValue(p);
            default:
                m_state.context = Context::Tag;
                return UnquotedValue(p);
            }
        }
        return p;
    }

    std::size_t UnquotedValue(std::size_t p)
    {
        const std::size_t from = p;
        const std::uint8_t bits = TakeValueBits();
        p = UnquotedValueEnd(p);
        if (bits & NextValueIsType)
            TypeValue(from, p);
        if (bits & NextValueIsColour)
            m_out.colourAttributeValues->push_back({m_base + from, m_base + p});
        return p;
    }

    // Runs to a blank or the tag's end; its numbers and character references are coloured,
    // its words left alone.
    std::size_t UnquotedValueEnd(std::size_t p)
    {
        while (p < m_n) {
            switch (ClsIn(p)) {
            case ColourEngine::Blank:
            case ColourEngine::LineFeed:
            case ColourEngine::Return:
            case ColourEngine::Greater:
                return p;
            case ColourEngine::Letter:
                p = SkipWord(p + 1);
                break;
            case ColourEngine::Digit:
                p = Number(p);
                break;
            case ColourEngine::Ampersand:
                p = Reference(p);
                break;
            default:
                ++p;
                break;
            }
        }
        return p;
    }

    // Ends at "-->" or "--!>". Marked line by line, so a pass may end at any line start.
    std::size_t RunComment(std::size_t p)
    {
        while (p < m_end) {
            const char c = m_s[p];
            if (c == '-' && At(p + 1) == '-') {
                std::size_t close = 0;
                if (At(p + 2) == '>')
                    close = p + 3;
                else if (At(p + 2) == '!' && At(p + 3) == '>')
                    close = p + 4;
                if (close) {
                    Mark(m_segment, close, Style::Comment);
                    m_state = {};
                    return close;
                }
            } else if (c == '\n' || c == '\r') {
                ++p;
                Mark(m_segment, p, Style::Comment);
                m_segment = p;
                Break(p);
                if (m_stopped)
                    return p;
                continue;
            }
            ++p;
        }
        Mark(m_segment, p, Style::Comment);
        m_segment = p;
        return p;
    }

    // The "<" at p begins the closing tag of the raw text being read: the raw text ends.
    bool ClosesRaw(std::size_t p) const
    {
        return At(p + 1) == '/' && RawElementAt(p + 2, false) == m_state.raw;
    }
    std::size_t CloseRaw(std::size_t p)
    {
        m_state = {Context::Tag, RawElement::None, Language::None, AtTagName};
        tagStart = m_base + p;
        return p + 1;
    }

    // Text-only content: only its closing tag ends it, and nothing ends PLAINTEXT. TITLE and
    // TEXTAREA read character references.
    std::size_t RunRaw(std::size_t p)
    {
        if (m_state.language != Language::None)
            return RunCode(p);
        const bool ends = m_state.raw != RawElement::Plaintext;
        const bool references =
            m_state.raw == RawElement::Title || m_state.raw == RawElement::Textarea;
        while (p < m_end) {
            const char c = m_s[p];
            if (c == '<') {
                if (ends && ClosesRaw(p))
                    return CloseRaw(p);
            } else if (c == '\n' || c == '\r') {
                Break(++p);
                if (m_stopped)
                    return p;
                continue;
            } else if (c == '&' && references) {
                p = Reference(p);
                continue;
            }
            ++p;
        }
        return p;
    }

    // Style sheet or script content, a line at a time: its end is where a browser ends it,
    // at its closing tag, whatever the language reads there.
    [[gnu::noinline]] std::size_t RunCode(std::size_t p)
    {
        while (p < m_end) {
            std::size_t stop = p;
            while (stop < m_n && m_s[stop] != '\n' && m_s[stop] != '\r' &&
                   !(m_s[stop] == '<' && ClosesRaw(stop)))
                ++stop;
            if (p < stop) {
                p = Code(p, stop);
                if (m_stopped || p < stop)
                    return p;
            }
            if (p >= m_end || p >= m_n)
                return p;
            if (m_s[p] == '<')
                return CloseRaw(p);
            Break(++p);
            if (m_stopped)
                return p;
        }
        return p;
    }

    // Colours [p, stop) of one line in the content's language, stopping at resume points.
    std::size_t Code(std::size_t p, std::size_t stop)
    {
        for (;;) {
            std::size_t resumeAt = static_cast<std::size_t>(-1);
            if (m_out.lines)
                resumeAt = m_out.lines->nextResumePoint > m_base
                               ? m_out.lines->nextResumePoint - m_base
                               : 0;
            const CodeStretch stretch{m_s, p, stop, m_end, resumeAt};
            CodeEnd end;
            if (m_state.language == Language::Css) {
                CssState css = CssState::Unpack(m_state.code);
                end = ColourCss(stretch, css, *this);
                m_state.code = css.Pack();
            } else {
                ScriptState script = ScriptState::Unpack(m_state.code);
                end = ColourScript(stretch, script, *this);
                m_state.code = script.Pack();
            }
            p = end.position;
            if (!end.resume)
                return p;
            FillPlain(std::min(p, m_end));
            if (!m_out.lines->AtResumePoint(m_base + p, m_state)) {
                m_stopped = true;
                return p;
            }
            if (p >= stop || p >= m_end)
                return p;
        }
    }

    const ColourEngine &m_engine;
    const char *m_s;
    std::size_t m_n;
    const PassOutput &m_out;
    const ColourEngine::CharClass *m_cls;
    std::size_t m_base;
    bool m_textEnds;
    std::size_t m_stylesFrom;
    LineState m_state;
    std::size_t m_end = 0;
    std::size_t m_filled = 0;
    std::size_t m_segment = 0; // where the current comment's marking resumes
    bool m_stopped = false;
};

std::vector<StyleRun> RunsOf(const std::vector<std::uint8_t> &styles, std::size_t start)
{
    std::vector<StyleRun> runs;
    // Counted first: growing a vector of millions of runs costs more than the scan.
    std::size_t count = styles.empty() ? 0 : 1;
    for (std::size_t k = 1; k < styles.size(); ++k)
        count += styles[k] != styles[k - 1];
    runs.reserve(count);
    std::size_t i = 0;
    while (i < styles.size()) {
        std::size_t j = i + 1;
        while (j < styles.size() && styles[j] == styles[i])
            ++j;
        runs.push_back({start + i, start + j, static_cast<Style>(styles[i])});
        i = j;
    }
    return runs;
}

} // namespace

PassEnd ColourEngine::Pass(TextWindow text, std::size_t lineStart, LineState state, std::size_t end,
                           const PassOutput &out) const
{
    Scanner scanner(*this, text, out);
    return scanner.Run(lineStart, state, end);
}

LineState ColourEngine::StateAt(std::string_view text, std::size_t lineStart) const
{
    return Pass(text, 0, {}, lineStart, {}).state;
}

ScanResult ColourEngine::Scan(std::string_view text, std::size_t start, std::size_t end) const
{
    ScanResult result;
    end = std::min(end, text.size());
    if (start >= end)
        return result;
    const std::size_t lineStart = LineStartOf(text, start);
    std::vector<std::uint8_t> styles(end - start);
    PassOutput out;
    out.styles = styles.data();
    out.stylesFrom = start;
    out.rewrites = &result.rewrites;
    Pass(text, lineStart, StateAt(text, lineStart), end, out);
    result.runs = RunsOf(styles, start);
    return result;
}

CaretContext ColourEngine::ContextAt(TextWindow text, std::size_t lineStart, LineState state,
                                     std::size_t position) const
{
    PassOutput out;
    Scanner scanner(*this, text, out);
    scanner.watch = position - text.base;
    CaretContext context;
    // Reading up to the position leaves the state in which its byte is read, unless a
    // token that began earlier covers it.
    context.state = scanner.Run(lineStart, state, position).state;
    context.inQuotedValue = scanner.watchInValue;
    if (scanner.watchedStyle == Style::Comment)
        context.inComment = true;
    context.style = scanner.watchedStyle;
    if (scanner.watchedCss)
        context.styleValueCss = scanner.watchedCss->Pack();
    if (context.state.context == Context::Tag || context.state.context == Context::AttributeValue)
        context.tagStart = scanner.tagStart;
    return context;
}

bool TagCanStartAt(const CaretContext &context)
{
    return context.state.context == Context::Text && !context.inComment && !context.inQuotedValue;
}

bool InTagMarkup(const CaretContext &context)
{
    return (context.state.context == Context::Tag ||
            context.state.context == Context::AttributeValue) &&
           !context.inComment;
}

bool EndsTagAt(const CaretContext &context)
{
    return context.state.context == Context::Tag && !context.inComment && !context.inQuotedValue;
}

ColourEngine MakeHtmlColourEngine()
{
    ColourEngine engine;
    engine.SetCaseSensitive(false);
    engine.SetStringQuotes("\"'");
    engine.AddKeywords(TagNameList());
    engine.AddConstants(AttributeNameList());
    return engine;
}

bool OpensCompletionList(char typed, const CaretContext &context)
{
    if (typed == '<')
        return TagCanStartAt(context);
    return typed == ' ' && InTagMarkup(context) && !context.inQuotedValue;
}

bool OpensCompletionList(const ColourEngine &engine, std::string_view text, std::size_t caret)
{
    if (caret == 0 || caret > text.size())
        return false;
    const std::size_t lineStart = LineStartOf(text, caret - 1);
    return OpensCompletionList(
        text[caret - 1],
        engine.ContextAt(text, lineStart, engine.StateAt(text, lineStart), caret - 1));
}

} // namespace tarnel
