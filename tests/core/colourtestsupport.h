#pragma once
#include "colouring.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarnel::test {

// One letter a byte: . plain, K keyword, C constant, # comment, N number, S string; in CSS
// s selector, p property, v value, h colour, @ at-rule, ! important; in CSS and JavaScript
// n number, q string, c comment; in JavaScript k keyword, t template, r regular expression;
// & character reference.
inline char StyleLetter(Style style)
{
    static_assert(StyleCount == 19);
    return ".KC#NSspvh@!nqcktr&"[static_cast<int>(style)];
}

inline std::string StyleLetters(const std::vector<StyleRun> &runs)
{
    std::string letters;
    for (const auto &run : runs)
        letters.append(run.end - run.start, StyleLetter(run.style));
    return letters;
}

inline std::string Applied(std::string text, const std::vector<Rewrite> &rewrites)
{
    for (const auto &rewrite : rewrites)
        text.replace(rewrite.position, rewrite.text.size(), rewrite.text);
    return text;
}

// The styles of a whole pass, one byte per byte of text.
inline std::vector<std::uint8_t> FullStyles(const ColourEngine &engine, std::string_view text)
{
    std::vector<std::uint8_t> styles(text.size());
    PassOutput out;
    out.styles = styles.data();
    engine.Pass(text, 0, {}, text.size(), out);
    return styles;
}

} // namespace tarnel::test
