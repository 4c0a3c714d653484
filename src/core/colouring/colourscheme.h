#pragma once

#include "colouring.h"

#include <cstdint>

namespace tarnel {

// What the user picked in Preferences; stored in the profile by these numbers.
enum class SchemeChoice : std::uint8_t { FollowDesktop, Light, Dark };
enum class Scheme : std::uint8_t { Light, Dark };

// `desktopBase` is the background text fields have on the desktop, as 0x00BBGGRR.
Scheme SchemeFor(SchemeChoice choice, std::uint32_t desktopBase);

// The contrast of two colours (0x00BBGGRR) as accessibility guidelines measure it, from 1 to 21.
double ContrastRatio(std::uint32_t one, std::uint32_t other);
bool IsDarkColour(std::uint32_t colour);

// The editor's colours around the text, each 0x00BBGGRR.
struct EditorColours
{
    std::uint32_t paper;
    std::uint32_t text;
    std::uint32_t currentLine;
    std::uint32_t caret;
    std::uint32_t margin;
    std::uint32_t lineNumbers;
    std::uint32_t foldMarkerFace;
    std::uint32_t foldMarkerEdge;
    std::uint32_t matchHighlight;
};
const EditorColours &ColoursOf(Scheme scheme);

// A style as `scheme` shows it. The light scheme is the style's own look; the dark one keeps
// its hue and weight and is lightened until it reads on the dark paper and current line.
StyleLook LookIn(Scheme scheme, Style style, StyleLook light);

// The contrast every style keeps against the dark scheme's paper and current line.
inline constexpr double ReadableContrast = 4.5;

} // namespace tarnel
