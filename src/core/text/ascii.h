#pragma once
#include <string>
#include <string_view>

namespace tarnel {

// The bytes HTML names and blanks are made of: ASCII only, whatever the page's encoding.

constexpr bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

constexpr char UpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

inline std::string UpperCase(std::string_view word)
{
    std::string upper(word);
    for (char &c : upper)
        c = UpperAscii(c);
    return upper;
}

inline bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

// The value of a hexadecimal digit, -1 for any other character.
constexpr int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// What HTML counts as white space between names: blank, tab, line feed, return, form feed.
constexpr bool IsHtmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// `text` without the HTML white space at either end.
constexpr std::string_view TrimHtmlSpace(std::string_view text)
{
    while (!text.empty() && IsHtmlSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsHtmlSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// A character of a tag name a person types and renames: letters, digits, "-", "_", ":".
constexpr bool IsNameChar(char c)
{
    return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == ':';
}

} // namespace tarnel
