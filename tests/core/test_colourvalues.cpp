#include "colourvalues.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace tarnel;

namespace {

// Each value found as "written=rrggbbaa", a trailing "+a" when its form writes an opacity.
std::vector<std::string> Found(std::string_view page)
{
    std::vector<std::string> found;
    for (const ColourValue &value :
         FindColourValues(MakeHtmlColourEngine(), page, 0, LineState{}, page.size())) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%02x%02x%02x%02x", value.colour.red, value.colour.green,
                      value.colour.blue, value.colour.alpha);
        found.push_back(std::string(page.substr(value.begin, value.end - value.begin)) + "=" + hex +
                        (value.hasAlpha ? "+a" : ""));
    }
    return found;
}

using Values = std::vector<std::string>;

} // namespace

TEST(ColourValues, FoundWhereABrowserReadsAColour)
{
    struct Case
    {
        const char *name;
        std::string_view page;
        Values values;
    };
    const Case cases[] = {
        {"hex forms in a style sheet",
         "<style>p { color: #f00; background: #FF000080; border-color: #0f08 #00ff00 }</style>",
         {"#f00=ff0000ff", "#FF000080=ff000080+a", "#0f08=00ff0088+a", "#00ff00=00ff00ff"}},
        {"names in any case",
         "<STYLE>a{color:Red}\nb{color: lightGoldenrodYellow}</STYLE>",
         {"Red=ff0000ff", "lightGoldenrodYellow=fafad2ff"}},
        {"functions with commas or blanks",
         "<style>a{color: rgb(255, 0, 0); b: rgba(0,0,255,.5); c: rgb(0 128 0 / 50%); "
         "d: rgb(100%,0%,0%); e: hsl(120, 100%, 25%); f: HSLA(240deg 100% 50% / 1)}</style>",
         {"rgb(255, 0, 0)=ff0000ff", "rgba(0,0,255,.5)=0000ff80+a", "rgb(0 128 0 / 50%)=00800080+a",
          "rgb(100%,0%,0%)=ff0000ff", "hsl(120, 100%, 25%)=008000ff",
          "HSLA(240deg 100% 50% / 1)=0000ffff+a"}},
        {"a STYLE value",
         "<p style=\"color: #0000ff; background: white\">x</p>",
         {"#0000ff=0000ffff", "white=ffffffff"}},
        {"colour attributes",
         "<body bgcolor=\"#FFFFFF\" TEXT=black link='#00f' vlink=800080 alink=\" red \">",
         {"#FFFFFF=ffffffff", "black=000000ff", "#00f=0000ffff", "800080=800080ff",
          "red=ff0000ff"}},
        {"border colours of a table",
         "<table bordercolor=navy bordercolorlight=#c0c0c0 "
         "bordercolordark=gray><td bgcolor=ffcc00>",
         {"navy=000080ff", "#c0c0c0=c0c0c0ff", "gray=808080ff", "ffcc00=ffcc00ff"}},
        {"an attribute on the tag's next line", "<font\n color=\"green\">", {"green=008000ff"}},
        {"comments", "<!-- <font color=red> --><style>/* #fff red */</style>", {}},
        {"a script", "<script>var c = \"#fff\"; color = red; rgb(1,2,3);</script>", {}},
        {"text, TITLE and TEXTAREA",
         "The red #fff box <title>red</title><textarea>#fff</textarea>",
         {}},
        {"other attributes", "<p title=\"red\" class=\"#fff\" id=ffffff>", {}},
        {"selectors and property names",
         "<style>#main, red { color: blue }</style>",
         {"blue=0000ffff"}},
        {"strings and addresses",
         "<style>p::before { content: \"red\"; background: url(#fade) }</style>",
         {}},
        {"no colour of their own",
         "<style>p{color:currentColor;background:transparent}</style>",
         {}},
        {"not colours in a style sheet",
         "<style>p{color:#ggg; a: ffffff; b: #abcde; c: rgb(1,2); d: rgb(1 2, 3); e: rgb(1,2,3"
         "</style>",
         {}},
        {"forms an attribute does not read",
         "<font color=\"#f00a\"><font color=fff><font color=\"rgb(1,2,3)\">",
         {}},
        {"a style sheet of another language", "<style type=\"text/less\">p{color:red}</style>", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(Found(c.page), c.values) << c.name;
}

TEST(ColourValues, ALineRangeReadsFromTheKeptPointBeforeIt)
{
    const std::string page = "<style>\na { color: red }\nb { color: #00f }\n</style>\n"
                             "<body\n bgcolor=white>";
    ColourTracker tracker;
    tracker.ColourAll(page);
    StringSource source(page);
    const auto written = [&](std::size_t from, std::size_t to) {
        std::vector<std::string> found;
        for (const ColourValue &value : FindColourValues(tracker, source, from, to))
            found.emplace_back(page.substr(value.begin, value.end - value.begin));
        return found;
    };
    const std::size_t thirdLine = page.find("b {");
    EXPECT_EQ(written(thirdLine, thirdLine + 5), Values{});
    EXPECT_EQ(written(thirdLine, page.find("</style>")), Values{"#00f"});
    EXPECT_EQ(written(page.find(" bgcolor"), page.size()), Values{"white"});
    // A value the range ends inside is read whole.
    EXPECT_EQ(written(page.find("red"), page.find("red") + 1), Values{"red"});

    // States kept for another text tell nothing about this one.
    const std::string longer = page + "\n";
    StringSource changed(longer);
    EXPECT_TRUE(FindColourValues(tracker, changed, 0, longer.size()).empty());
}

TEST(ColourValues, AColourIsWrittenInTheValuesOwnForm)
{
    struct Case
    {
        std::string_view written;
        Rgba colour;
        std::string_view expected;
    };
    const Rgba blue{0, 0, 255}, odd{0x12, 0x34, 0x56}, grey{128, 128, 128};
    const Case cases[] = {
        {"red", blue, "blue"},
        {"Red", blue, "Blue"},
        {"RED", blue, "BLUE"},
        {"red", odd, "#123456"},
        {"red", grey, "gray"},
        {"lightgrey", grey, "grey"},
        {"Cyan", {0, 255, 255}, "Cyan"},
        {"red", {0, 0, 255, 128}, "blue"}, // a name writes no opacity
        {"#f00", {0, 255, 0}, "#0f0"},
        {"#f00", odd, "#123456"},
        {"#F00", {0xAA, 0xBB, 0xCC}, "#ABC"},
        {"#FF0000", {0, 255, 0}, "#00FF00"},
        {"#000", {0xAA, 0xBB, 0xCC}, "#abc"},
        {"#f008", {0, 0, 255, 0x80}, "#0000ff80"},
        {"#f008", {0, 0, 255, 0x88}, "#00f8"},
        {"#ff000080", {0, 0, 255, 255}, "#0000ffff"},
        {"#abc", {0, 0, 255, 0x80}, "#00f"},
        {"FFCC00", {0xAB, 0xCD, 0xEF}, "ABCDEF"},
        {"ffcc00", {0, 0, 0}, "000000"},
        {"rgb(255, 0, 0)", {10, 20, 30}, "rgb(10, 20, 30)"},
        {"rgba(0,0,0,0.5)", {255, 0, 0, 64}, "rgba(255,0,0,0.25)"},
        {"rgb(0 0 0 / 50%)", {255, 0, 0, 128}, "rgb(255 0 0 / 50%)"},
        {"rgb( 1 , 2 , 3 )", {4, 5, 6}, "rgb( 4 , 5 , 6 )"},
        {"rgb(100%, 0%, 0%)", {0, 255, 128}, "rgb(0%, 100%, 50.2%)"},
        {"hsl(0, 100%, 50%)", blue, "hsl(240, 100%, 50%)"},
        {"HSLA(120deg 100% 25% / 1)", {255, 0, 0}, "HSLA(0deg 100% 50% / 1)"},
        {"hsl(0, 0%, 0%)", odd, "hsl(210, 65.4%, 20.4%)"},
        {"hsl(120, 60%, 40%)", {41, 163, 41}, "hsl(120, 60%, 40%)"}, // its own colour
        {"cyan", {0, 255, 255}, "cyan"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(WriteColourLike(c.written, c.colour), c.expected) << c.written;
}
