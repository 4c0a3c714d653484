#pragma once
#include "colouring.h"

#include <cstddef>
#include <string_view>

namespace tarnel {

// Where the scan of a style sheet or a script puts its styles. Positions count in the bytes
// the scan was handed.
class StyleMarker
{
public:
    virtual void MarkCode(std::size_t from, std::size_t to, Style style) = 0;

protected:
    ~StyleMarker() = default;
};

// A stretch of a style sheet or a script for one scan: `bytes[from, end)` holds no line break
// (the HTML scan hands a line at a time, so that every line start has a state). No token
// starts at or after `limit`, and the scan stops after the first ";", "{" or "}" at or after
// `resumeAt`, where a pass can start again in the state it leaves.
struct CodeStretch
{
    const char *bytes;
    std::size_t from, end;
    std::size_t limit = static_cast<std::size_t>(-1);
    std::size_t resumeAt = static_cast<std::size_t>(-1);
};

// What the style sheet and script scanners stand on: the stretch's bytes and the marker.
class CodeScanBase
{
protected:
    CodeScanBase(const CodeStretch &stretch, StyleMarker &marker)
        : m_s(stretch.bytes)
        , m_end(stretch.end)
        , m_marker(marker)
    {}
    char At(std::size_t p) const { return p < m_end ? m_s[p] : '\0'; }
    std::size_t Mark(std::size_t from, std::size_t to, Style style)
    {
        m_marker.MarkCode(from, to, style);
        return to;
    }

    const char *m_s;
    std::size_t m_end;
    StyleMarker &m_marker;
};

// Where a scan of a stretch stopped, and whether that is a resume point.
struct CodeEnd
{
    std::size_t position;
    bool resume;
};

constexpr bool IsCodeBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\f' || c == '\v';
}

constexpr bool IsCodeDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The end of the quoted string at `p` (its quote there), at its closing quote or `end`; a
// backslash escapes the byte after it.
inline std::size_t QuotedEnd(const char *s, std::size_t p, std::size_t end)
{
    const char quote = s[p++];
    while (p < end) {
        const char c = s[p++];
        if (c == quote)
            break;
        if (c == '\\' && p < end)
            ++p;
    }
    return p;
}

// The end of a block comment whose "/*" lies before `p`: after its "*/", or `end`.
inline std::size_t BlockCommentEnd(const char *s, std::size_t p, std::size_t end)
{
    while (p < end) {
        if (s[p] == '*' && p + 1 < end && s[p + 1] == '/')
            return p + 2;
        ++p;
    }
    return end;
}

} // namespace tarnel
