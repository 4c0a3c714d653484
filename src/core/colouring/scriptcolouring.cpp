#include "scriptcolouring.h"

#include "ascii.h"

#include <algorithm>
#include <array>

namespace tarnel {

namespace {

struct Keyword
{
    std::string_view word;
    bool expressionNext; // an operand follows it, so a "/" after it begins a regular expression
};

// The reserved words and the literals, sorted.
constexpr std::array<Keyword, 42> Keywords = {{
    {"async", true},      {"await", true},    {"break", false},     {"case", true},
    {"catch", false},     {"class", false},   {"const", false},     {"continue", false},
    {"debugger", false},  {"default", false}, {"delete", true},     {"do", true},
    {"else", true},       {"export", false},  {"extends", true},    {"false", false},
    {"finally", false},   {"for", false},     {"function", false},  {"if", false},
    {"import", false},    {"in", true},       {"instanceof", true}, {"let", false},
    {"new", true},        {"null", false},    {"of", true},         {"return", true},
    {"static", false},    {"super", false},   {"switch", false},    {"this", false},
    {"throw", true},      {"true", false},    {"try", false},       {"typeof", true},
    {"undefined", false}, {"var", false},     {"void", true},       {"while", false},
    {"with", false},      {"yield", true},
}};
static_assert(std::is_sorted(Keywords.begin(), Keywords.end(),
                             [](const Keyword &a, const Keyword &b) { return a.word < b.word; }));

const Keyword *FindKeyword(std::string_view word)
{
    if (word.size() < 2 || word.size() > 10)
        return nullptr;
    const auto at =
        std::lower_bound(Keywords.begin(), Keywords.end(), word,
                         [](const Keyword &k, std::string_view w) { return k.word < w; });
    return at != Keywords.end() && at->word == word ? &*at : nullptr;
}

constexpr bool IsNameStart(char c)
{
    return IsAsciiLetter(c) || c == '_' || c == '$' || c == '#' ||
           static_cast<unsigned char>(c) >= 128;
}

constexpr bool IsNameByte(char c)
{
    return IsAsciiLetter(c) || IsCodeDigit(c) || c == '_' || c == '$' ||
           static_cast<unsigned char>(c) >= 128;
}

class ScriptScan : CodeScanBase
{
public:
    ScriptScan(const CodeStretch &stretch, ScriptState &state, StyleMarker &marker)
        : CodeScanBase(stretch, marker)
        , m_state(state)
    {}

    CodeEnd Run(std::size_t p, std::size_t limit, std::size_t resumeAt)
    {
        while (p < m_end && p < limit) {
            switch (m_state.mode) {
            case ScriptState::Code:
                p = Token(p, resumeAt);
                if (m_resume)
                    return {p, true};
                break;
            case ScriptState::BlockComment:
                p = Comment(p, p);
                break;
            case ScriptState::Template:
            case ScriptState::NestedTemplate:
                p = TemplateText(p, p);
                break;
            case ScriptState::SingleQuoted:
            case ScriptState::DoubleQuoted:
                p = String(p, p, m_state.mode == ScriptState::SingleQuoted ? '\'' : '"');
                break;
            }
        }
        return {p, false};
    }

private:
    // After a token: whether a "/" divides next, and whether it was a ".".
    void Operand(bool operand, bool dot = false)
    {
        m_state.divisionNext = operand;
        m_state.afterDot = dot;
    }

    unsigned Braces() const { return m_state.braces >> (4 * (m_state.templates - 1)) & 15u; }
    void SetBraces(unsigned count)
    {
        const unsigned shift = 4 * (m_state.templates - 1);
        m_state.braces =
            static_cast<std::uint16_t>((m_state.braces & ~(15u << shift)) | (count & 15u) << shift);
    }

    std::size_t Token(std::size_t p, std::size_t resumeAt)
    {
        const char c = m_s[p];
        if (IsCodeBlank(c))
            return p + 1;
        if (IsNameStart(c))
            return Name(p);
        if (IsCodeDigit(c) || (c == '.' && IsCodeDigit(At(p + 1))))
            return Number(p);
        switch (c) {
        case '"':
        case '\'':
            return String(p + 1, p, c);
        case '`':
            return OpenTemplate(p);
        case '/':
            return Slash(p);
        case '{':
        case '}':
        case ';':
            p = Brace(p);
            m_resume = p >= resumeAt && m_state.mode == ScriptState::Code;
            return p;
        case ')':
        case ']':
            Operand(true);
            return p + 1;
        case '.':
            Operand(false, At(p + 1) != '.');
            return p + 1;
        case '+':
        case '-':
            if (At(p + 1) == c) {
                // "a++ / 2" divides; a "/" after a prefix "++" cannot begin an operand anyway.
                Operand(true);
                return p + 2;
            }
            [[fallthrough]];
        default:
            Operand(false);
            return p + 1;
        }
    }

    std::size_t Name(std::size_t p)
    {
        const std::size_t from = p++;
        while (p < m_end && IsNameByte(m_s[p]))
            ++p;
        const Keyword *keyword =
            m_state.afterDot ? nullptr : FindKeyword(std::string_view(m_s + from, p - from));
        Operand(!keyword || !keyword->expressionNext);
        return keyword ? Mark(from, p, Style::JsKeyword) : p;
    }

    std::size_t Number(std::size_t p)
    {
        const std::size_t from = p;
        // Hexadecimal, octal and binary digits, "_" separators, exponents and the "n" of a
        // big integer all read as one word with the digits.
        while (p < m_end) {
            const char c = m_s[p];
            if ((c == 'e' || c == 'E') && (At(p + 1) == '+' || At(p + 1) == '-') &&
                !(At(from + 1) == 'x' || At(from + 1) == 'X'))
                p += 2;
            else if (IsNameByte(c) || c == '.')
                ++p;
            else
                break;
        }
        Operand(true);
        return Mark(from, p, Style::CodeNumber);
    }

    // A string from `p` (inside it) to its closing quote; a backslash at the end of the line
    // carries it over to the next.
    std::size_t String(std::size_t p, std::size_t from, char quote)
    {
        m_state.mode = ScriptState::Code;
        while (p < m_end) {
            const char c = m_s[p++];
            if (c == quote)
                break;
            if (c == '\\') {
                if (p == m_end) {
                    m_state.mode =
                        quote == '\'' ? ScriptState::SingleQuoted : ScriptState::DoubleQuoted;
                    break;
                }
                ++p;
            }
        }
        Operand(true);
        return Mark(from, p, Style::CodeString);
    }

    std::size_t Comment(std::size_t p, std::size_t from)
    {
        m_state.mode = ScriptState::BlockComment;
        while (p < m_end) {
            if (m_s[p] == '*' && At(p + 1) == '/') {
                p += 2;
                m_state.mode = ScriptState::Code;
                break;
            }
            ++p;
        }
        return Mark(from, p, Style::CodeComment);
    }

    std::size_t Slash(std::size_t p)
    {
        const char next = At(p + 1);
        if (next == '/')
            return Mark(p, m_end, Style::CodeComment);
        if (next == '*')
            return Comment(p + 2, p);
        if (m_state.divisionNext) {
            Operand(false);
            return p + 1;
        }
        return Regex(p);
    }

    // A regular expression literal: up to its closing "/" outside a class, and its flags.
    std::size_t Regex(std::size_t p)
    {
        const std::size_t from = p++;
        bool inClass = false;
        while (p < m_end) {
            const char c = m_s[p++];
            if (c == '\\') {
                if (p < m_end)
                    ++p;
            } else if (c == '[') {
                inClass = true;
            } else if (c == ']') {
                inClass = false;
            } else if (c == '/' && !inClass) {
                while (p < m_end && IsNameByte(m_s[p]))
                    ++p;
                break;
            }
        }
        Operand(true);
        return Mark(from, p, Style::JsRegex);
    }

    std::size_t OpenTemplate(std::size_t p)
    {
        if (m_state.templates < ScriptState::MaxTemplates) {
            ++m_state.templates;
            SetBraces(0);
            m_state.mode = ScriptState::Template;
        } else {
            m_state.mode = ScriptState::NestedTemplate;
        }
        return TemplateText(p + 1, p);
    }

    // Template text from `p`: up to its closing "`" or a "${" (tracked ones only).
    std::size_t TemplateText(std::size_t p, std::size_t from)
    {
        const bool nested = m_state.mode == ScriptState::NestedTemplate;
        while (p < m_end) {
            const char c = m_s[p++];
            if (c == '\\') {
                if (p < m_end)
                    ++p;
            } else if (c == '`') {
                if (!nested)
                    --m_state.templates;
                m_state.mode = ScriptState::Code;
                Operand(true);
                break;
            } else if (c == '$' && !nested && At(p) == '{') {
                ++p;
                m_state.mode = ScriptState::Code;
                Operand(false);
                break;
            }
        }
        return Mark(from, p, Style::JsTemplate);
    }

    std::size_t Brace(std::size_t p)
    {
        const char c = m_s[p];
        if (c == '}' && m_state.templates > 0) {
            const unsigned open = Braces();
            if (open == 0) {
                // The end of a "${": the template's text goes on.
                m_state.mode = ScriptState::Template;
                return TemplateText(p + 1, p);
            }
            SetBraces(open - 1);
        } else if (c == '{' && m_state.templates > 0) {
            SetBraces(std::min(Braces() + 1, 15u));
        }
        Operand(false);
        return p + 1;
    }

    ScriptState &m_state;
    bool m_resume = false;
};

} // namespace

std::uint32_t ScriptState::Pack() const
{
    return static_cast<std::uint32_t>(mode) | static_cast<std::uint32_t>(divisionNext) << 3 |
           static_cast<std::uint32_t>(afterDot) << 4 | static_cast<std::uint32_t>(templates) << 5 |
           static_cast<std::uint32_t>(braces) << 8;
}

ScriptState ScriptState::Unpack(std::uint32_t code)
{
    ScriptState state;
    state.mode = static_cast<Mode>(code & 7u);
    state.divisionNext = (code >> 3 & 1u) != 0;
    state.afterDot = (code >> 4 & 1u) != 0;
    state.templates = static_cast<std::uint8_t>(code >> 5 & 7u);
    state.braces = static_cast<std::uint16_t>(code >> 8);
    return state;
}

CodeEnd ColourScript(const CodeStretch &stretch, ScriptState &state, StyleMarker &marker)
{
    ScriptScan scan(stretch, state, marker);
    return scan.Run(stretch.from, stretch.limit, stretch.resumeAt);
}

bool IsScriptType(std::string_view type)
{
    type = TrimHtmlSpace(type);
    if (type.empty() || EqualsNoCase(type, "module"))
        return true;
    for (const std::string_view mime :
         {"application/ecmascript", "application/javascript", "application/x-ecmascript",
          "application/x-javascript", "text/ecmascript", "text/javascript", "text/javascript1.0",
          "text/javascript1.1", "text/javascript1.2", "text/javascript1.3", "text/javascript1.4",
          "text/javascript1.5", "text/jscript", "text/livescript", "text/x-ecmascript",
          "text/x-javascript"})
        if (EqualsNoCase(type, mime))
            return true;
    return false;
}

} // namespace tarnel
