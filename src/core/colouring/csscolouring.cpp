#include "csscolouring.h"

#include "ascii.h"
#include "csscolours.h"

#include <algorithm>
#include <array>

namespace tarnel {

namespace {

bool IsColourName(std::string_view word)
{
    constexpr std::size_t longest = 20; // lightgoldenrodyellow
    if (word.size() < 3 || word.size() > longest)
        return false;
    char lower[longest];
    for (std::size_t i = 0; i < word.size(); ++i)
        lower[i] = LowerAscii(word[i]);
    return std::binary_search(CssColourNames.begin(), CssColourNames.end(),
                              std::string_view(lower, word.size()));
}

constexpr bool IsNameStart(char c)
{
    return IsAsciiLetter(c) || c == '_' || c == '-' || static_cast<unsigned char>(c) >= 128;
}

constexpr bool IsNameByte(char c)
{
    return IsNameStart(c) || IsCodeDigit(c);
}

// The at-rules whose block holds rules rather than declarations.
bool OpensRules(std::string_view name)
{
    for (const std::string_view rules :
         {"media", "supports", "document", "layer", "container", "scope", "starting-style"})
        if (EqualsNoCase(name, rules))
            return true;
    // "@keyframes" and its prefixed spellings hold rules named by percentages.
    constexpr std::string_view keyframes = "keyframes";
    return name.size() >= keyframes.size() &&
           EqualsNoCase(name.substr(name.size() - keyframes.size()), keyframes);
}

class CssScan : CodeScanBase
{
public:
    CssScan(const CodeStretch &stretch, CssState &state, StyleMarker &marker)
        : CodeScanBase(stretch, marker)
        , m_state(state)
    {}

    CodeEnd Run(std::size_t p, std::size_t limit, std::size_t resumeAt)
    {
        while (p < m_end && p < limit) {
            if (m_state.inComment) {
                p = Comment(p);
                continue;
            }
            const char c = m_s[p];
            if (IsCodeBlank(c)) {
                ++p;
                continue;
            }
            if (c == '/' && At(p + 1) == '*') {
                m_state.inComment = true;
                p = Comment(p + 2, p);
                continue;
            }
            if (c == '"' || c == '\'') {
                p = Mark(p, QuotedEnd(m_s, p, m_end), Style::CodeString);
                continue;
            }
            if (c == '{' || c == '}' || c == ';') {
                Punctuation(c);
                if (++p >= resumeAt)
                    return {p, true};
                continue;
            }
            if (c == '@' && IsNameStart(At(p + 1))) {
                p = AtRule(p);
                continue;
            }
            switch (m_state.place) {
            case CssState::Selector:
                p = Selector(p);
                break;
            case CssState::Property:
                p = Property(p);
                break;
            case CssState::Value:
            case CssState::AtPrelude:
                p = Value(p);
                break;
            }
        }
        return {p, false};
    }

private:
    std::size_t Name(std::size_t p) const
    {
        while (p < m_end && IsNameByte(m_s[p]))
            ++p;
        return p;
    }

    // Inside a comment begun at `from`: up to its end or the stretch's.
    std::size_t Comment(std::size_t p, std::size_t from = static_cast<std::size_t>(-1))
    {
        const std::size_t end = BlockCommentEnd(m_s, p, m_end);
        if (end > p && m_s[end - 1] == '/' && end - 2 >= p && m_s[end - 2] == '*')
            m_state.inComment = false;
        return Mark(std::min(from, p), end, Style::CodeComment);
    }

    void Punctuation(char c)
    {
        if (c == ';') {
            if (m_state.place == CssState::Value)
                m_state.place = CssState::Property;
            else if (m_state.place == CssState::AtPrelude)
                m_state.place = Inner();
            return;
        }
        if (c == '{') {
            const bool rules = m_state.place == CssState::AtPrelude && m_state.rulesNext;
            if (m_state.depth < 255) {
                if (rules && m_state.depth < 16)
                    m_state.ruleBlocks |= static_cast<std::uint16_t>(1u << m_state.depth);
                ++m_state.depth;
            }
            m_state.rulesNext = false;
            m_state.place = rules ? CssState::Selector : CssState::Property;
            return;
        }
        if (m_state.depth > 0) {
            --m_state.depth;
            if (m_state.depth < 16)
                m_state.ruleBlocks &= static_cast<std::uint16_t>(~(1u << m_state.depth));
        }
        m_state.rulesNext = false;
        m_state.place = Inner();
    }

    // What the innermost open block holds.
    CssState::Place Inner() const
    {
        if (m_state.depth == 0)
            return CssState::Selector;
        const bool rules =
            m_state.depth <= 16 && (m_state.ruleBlocks >> (m_state.depth - 1) & 1u) != 0;
        return rules ? CssState::Selector : CssState::Property;
    }

    std::size_t AtRule(std::size_t p)
    {
        const std::size_t end = Name(p + 1);
        m_state.place = CssState::AtPrelude;
        m_state.rulesNext = OpensRules(std::string_view(m_s + p + 1, end - p - 1));
        return Mark(p, end, Style::CssAtRule);
    }

    // A run of selector text: names, classes, ids, pseudo-classes, attribute tests.
    std::size_t Selector(std::size_t p)
    {
        const std::size_t from = p;
        while (p < m_end) {
            const char c = m_s[p];
            if (IsCodeBlank(c) || c == ',' || c == '>' || c == '+' || c == '~' || c == '{' ||
                c == '}' || c == ';' || c == '"' || c == '\'' || c == '@' ||
                (c == '/' && At(p + 1) == '*'))
                break;
            ++p;
        }
        if (p == from)
            return p + 1;
        return Mark(from, p, Style::CssSelector);
    }

    std::size_t Property(std::size_t p)
    {
        if (m_s[p] == ':') {
            m_state.place = CssState::Value;
            return p + 1;
        }
        if (!IsNameByte(m_s[p]))
            return p + 1;
        return Mark(p, Name(p), Style::CssProperty);
    }

    bool NumberStarts(std::size_t p) const
    {
        const char c = m_s[p];
        if (IsCodeDigit(c))
            return true;
        if (c == '.')
            return IsCodeDigit(At(p + 1));
        if (c == '+' || c == '-')
            return IsCodeDigit(At(p + 1)) || (At(p + 1) == '.' && IsCodeDigit(At(p + 2)));
        return false;
    }

    // A number with its unit or "%".
    std::size_t Number(std::size_t p)
    {
        const std::size_t from = p;
        if (m_s[p] == '+' || m_s[p] == '-')
            ++p;
        while (p < m_end && IsCodeDigit(m_s[p]))
            ++p;
        if (At(p) == '.' && IsCodeDigit(At(p + 1))) {
            p += 2;
            while (p < m_end && IsCodeDigit(m_s[p]))
                ++p;
        }
        if ((At(p) == 'e' || At(p) == 'E') &&
            (IsCodeDigit(At(p + 1)) ||
             ((At(p + 1) == '+' || At(p + 1) == '-') && IsCodeDigit(At(p + 2))))) {
            p += 2;
            while (p < m_end && IsCodeDigit(m_s[p]))
                ++p;
        }
        p = At(p) == '%' ? p + 1 : Name(p);
        return Mark(from, p, Style::CodeNumber);
    }

    std::size_t Important(std::size_t p)
    {
        std::size_t q = p + 1;
        while (q < m_end && IsCodeBlank(m_s[q]))
            ++q;
        const std::size_t end = Name(q);
        if (!EqualsNoCase(std::string_view(m_s + q, end - q), "important"))
            return p + 1;
        return Mark(p, end, Style::CssImportant);
    }

    // A declaration's value, or an at-rule's prelude.
    std::size_t Value(std::size_t p)
    {
        const char c = m_s[p];
        if (NumberStarts(p))
            return Number(p);
        if (c == '#')
            return Mark(p, Name(p + 1), Style::CssColour);
        if (c == '!')
            return Important(p);
        if (!IsNameStart(c))
            return p + 1;
        const std::size_t end = Name(p);
        const bool colour = IsColourName(std::string_view(m_s + p, end - p));
        return Mark(p, end, colour ? Style::CssColour : Style::CssValue);
    }

    CssState &m_state;
};

} // namespace

std::uint32_t CssState::Pack() const
{
    return static_cast<std::uint32_t>(inComment) | static_cast<std::uint32_t>(place) << 1 |
           static_cast<std::uint32_t>(rulesNext) << 3 | static_cast<std::uint32_t>(depth) << 4 |
           static_cast<std::uint32_t>(ruleBlocks) << 12;
}

CssState CssState::Unpack(std::uint32_t code)
{
    CssState state;
    state.inComment = (code & 1u) != 0;
    state.place = static_cast<Place>(code >> 1 & 3u);
    state.rulesNext = (code >> 3 & 1u) != 0;
    state.depth = static_cast<std::uint8_t>(code >> 4);
    state.ruleBlocks = static_cast<std::uint16_t>(code >> 12);
    return state;
}

CodeEnd ColourCss(const CodeStretch &stretch, CssState &state, StyleMarker &marker)
{
    CssScan scan(stretch, state, marker);
    return scan.Run(stretch.from, stretch.limit, stretch.resumeAt);
}

bool IsCssType(std::string_view type)
{
    type = TrimHtmlSpace(type);
    return type.empty() || EqualsNoCase(type, "text/css");
}

} // namespace tarnel
