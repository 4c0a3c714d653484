#include "colourscheme.h"

#include <algorithm>
#include <cmath>

namespace tarnel {

namespace {

struct Rgb
{
    double red, green, blue; // 0..1
};

Rgb channels(std::uint32_t bgr)
{
    return {double(bgr & 0xFF) / 255, double((bgr >> 8) & 0xFF) / 255,
            double((bgr >> 16) & 0xFF) / 255};
}

std::uint32_t packed(Rgb c)
{
    auto byte = [](double v) { return std::uint32_t(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return byte(c.red) | byte(c.green) << 8 | byte(c.blue) << 16;
}

double luminance(std::uint32_t bgr)
{
    auto linear = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const Rgb c = channels(bgr);
    return 0.2126 * linear(c.red) + 0.7152 * linear(c.green) + 0.0722 * linear(c.blue);
}

struct Hsl
{
    double hue, saturation, lightness; // hue in turns, 0..1
};

Hsl toHsl(Rgb c)
{
    const double high = std::max({c.red, c.green, c.blue});
    const double low = std::min({c.red, c.green, c.blue});
    const double lightness = (high + low) / 2;
    const double span = high - low;
    if (span == 0)
        return {0, 0, lightness};
    const double saturation = span / (1 - std::abs(2 * lightness - 1));
    double hue = 0;
    if (high == c.red)
        hue = std::fmod((c.green - c.blue) / span + 6, 6);
    else if (high == c.green)
        hue = (c.blue - c.red) / span + 2;
    else
        hue = (c.red - c.green) / span + 4;
    return {hue / 6, std::min(saturation, 1.0), lightness};
}

Rgb toRgb(Hsl c)
{
    auto part = [&](double n) {
        const double k = std::fmod(n + c.hue * 12, 12);
        const double a = c.saturation * std::min(c.lightness, 1 - c.lightness);
        return c.lightness - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {part(0), part(8), part(4)};
}

const EditorColours LightColours = {
    .paper = 0xFFFFFF,
    .text = 0x000000,
    .currentLine = 0xE0FFFF,
    .caret = 0x000000,
    .margin = 0xE0E0E0,
    .lineNumbers = 0x000000,
    .foldMarkerFace = 0xFFFFFF,
    .foldMarkerEdge = 0x808080,
    .matchHighlight = 0xFFC080,
};

const EditorColours DarkColours = {
    .paper = 0x1E1E1E,
    .text = 0xD4D4D4,
    .currentLine = 0x2E2A28,
    .caret = 0xF0F0F0,
    .margin = 0x262525,
    .lineNumbers = 0x9A9A9A,
    .foldMarkerFace = 0x262525,
    .foldMarkerEdge = 0x9A9A9A,
    .matchHighlight = 0xA56E3A,
};

} // namespace

double ContrastRatio(std::uint32_t one, std::uint32_t other)
{
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool IsDarkColour(std::uint32_t colour)
{
    // Darker than mid grey as the eye sees it: black text would read worse on it than white.
    return ContrastRatio(colour, 0xFFFFFF) > ContrastRatio(colour, 0x000000);
}

Scheme SchemeFor(SchemeChoice choice, std::uint32_t desktopBase)
{
    switch (choice) {
    case SchemeChoice::Light:
        return Scheme::Light;
    case SchemeChoice::Dark:
        return Scheme::Dark;
    case SchemeChoice::FollowDesktop:
        break;
    }
    return IsDarkColour(desktopBase) ? Scheme::Dark : Scheme::Light;
}

const EditorColours &ColoursOf(Scheme scheme)
{
    return scheme == Scheme::Dark ? DarkColours : LightColours;
}

StyleLook LookIn(Scheme scheme, Style style, StyleLook light)
{
    if (scheme == Scheme::Light)
        return light;
    if (style == Style::Plain)
        return {DarkColours.text, light.bold};
    // A little above the least, so that rounding to whole bytes never falls below it.
    constexpr double wanted = ReadableContrast + 0.3;
    Hsl colour = toHsl(channels(light.colour));
    auto readable = [&](std::uint32_t c) {
        return ContrastRatio(c, DarkColours.paper) >= wanted &&
               ContrastRatio(c, DarkColours.currentLine) >= wanted;
    };
    std::uint32_t shown = packed(toRgb(colour));
    while (!readable(shown) && colour.lightness < 1) {
        colour.lightness = std::min(1.0, colour.lightness + 0.01);
        shown = packed(toRgb(colour));
    }
    return {shown, light.bold};
}

} // namespace tarnel
