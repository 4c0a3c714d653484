#include "colourscheme.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tarnel;

namespace {

double Hue(std::uint32_t bgr)
{
    const double r = bgr & 0xFF, g = (bgr >> 8) & 0xFF, b = (bgr >> 16) & 0xFF;
    return std::atan2(std::sqrt(3.0) * (g - b), 2 * r - g - b);
}

} // namespace

TEST(ColourScheme, FollowsTheDesktopUnlessTheUserChose)
{
    struct Case
    {
        SchemeChoice choice;
        std::uint32_t desktopBase;
        Scheme expected;
    };
    const Case cases[] = {
        {SchemeChoice::FollowDesktop, 0xFFFFFF, Scheme::Light},
        {SchemeChoice::FollowDesktop, 0xF0F0F0, Scheme::Light},
        {SchemeChoice::FollowDesktop, 0x2B2B2B, Scheme::Dark},
        {SchemeChoice::FollowDesktop, 0x000000, Scheme::Dark},
        {SchemeChoice::Light, 0x000000, Scheme::Light},
        {SchemeChoice::Dark, 0xFFFFFF, Scheme::Dark},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SchemeFor(c.choice, c.desktopBase), c.expected) << std::hex << c.desktopBase;
}

TEST(ColourScheme, ContrastAsTheGuidelinesMeasureIt)
{
    EXPECT_NEAR(ContrastRatio(0x000000, 0xFFFFFF), 21.0, 0.01);
    EXPECT_NEAR(ContrastRatio(0xFFFFFF, 0xFFFFFF), 1.0, 0.01);
    EXPECT_NEAR(ContrastRatio(0x767676, 0xFFFFFF), 4.54, 0.01);
}

// Every style of the dark scheme reads on its paper and on the current line, keeps its weight,
// and keeps its hue where it has one; the light scheme is each style's own look.
TEST(ColourScheme, DarkStylesAreReadableInTheirOwnHues)
{
    const ColourEngine engine = MakeHtmlColourEngine();
    const EditorColours &dark = ColoursOf(Scheme::Dark);
    for (int i = 0; i < StyleCount; ++i) {
        const auto style = static_cast<Style>(i);
        const StyleLook light = engine.Look(style);
        EXPECT_EQ(LookIn(Scheme::Light, style, light), light);
        const StyleLook shown = LookIn(Scheme::Dark, style, light);
        EXPECT_GE(ContrastRatio(shown.colour, dark.paper), ReadableContrast) << i;
        EXPECT_GE(ContrastRatio(shown.colour, dark.currentLine), ReadableContrast) << i;
        EXPECT_EQ(shown.bold, light.bold) << i;
        const bool grey = (light.colour & 0xFF) == ((light.colour >> 8) & 0xFF) &&
                          (light.colour & 0xFF) == ((light.colour >> 16) & 0xFF);
        if (!grey) {
            EXPECT_NEAR(Hue(shown.colour), Hue(light.colour), 0.08) << i;
        }
    }
    for (const Scheme scheme : {Scheme::Light, Scheme::Dark}) {
        const EditorColours &colours = ColoursOf(scheme);
        EXPECT_GE(ContrastRatio(colours.text, colours.paper), ReadableContrast);
        EXPECT_GE(ContrastRatio(colours.text, colours.currentLine), ReadableContrast);
        EXPECT_GE(ContrastRatio(colours.lineNumbers, colours.margin), ReadableContrast);
    }
}
