#pragma once
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tarnel {

// A colour and its opacity, each from 0 to 255.
struct Rgba
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;
    bool operator==(const Rgba &) const = default;
};

// Whether CSS reads the word as a colour keyword: a named colour, "transparent" or
// "currentcolor", in any letter case.
bool IsColourName(std::string_view word);

// The colour a CSS colour name stands for, in any letter case. "transparent" and
// "currentcolor" stand for no colour a person picks, so they give nullopt, as any other word.
std::optional<Rgba> NamedColour(std::string_view name);

// Every colour keyword in lower case and sorted: the names, "transparent" and "currentcolor".
const std::vector<std::string_view> &ColourKeywords();

// The lower-case name of an opaque colour; empty when CSS names none. Of two names for one
// colour the one spelled like `like` wins ("grey" over "gray" after a "lightgrey"), otherwise
// the first in alphabetical order.
std::string_view ColourName(Rgba colour, std::string_view like = {});

} // namespace tarnel
