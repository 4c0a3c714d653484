#include "snippets_text.h"

#include <gtest/gtest.h>

// Cases name only the fields they set; the rest stay empty on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace tarnel;

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kYellow{255, 255, 0};

} // namespace

TEST(FormattedText, WorkedExamples)
{
    const struct
    {
        const char *what;
        FormattedTextFields fields;
        const char *expected;
    } cases[] = {
        {"nothing chosen",
         {.text = "x"},
         R"(<FONT  FACE = "" SIZE = "" COLOR = "#000000"> x </FONT>)"},
        {"centred, bold, underlined, red",
         {.face = "Arial",
          .size = FontSizeValue(2),
          .style = 1,
          .textColour = kRed,
          .underline = true,
          .alignment = TextAlignment::Center,
          .text = "Hello"},
         R"(<CENTER><U><B><FONT  FACE = "Arial" SIZE = "2" COLOR = "#ff0000"> Hello </FONT></B></U></CENTER>)"},
        {"two lines, right, bold-italic, blue on yellow",
         {.face = "Arial",
          .size = FontSizeValue(0),
          .style = 3,
          .textColour = kBlue,
          .backgroundColour = kYellow,
          .backgroundChosen = true,
          .alignment = TextAlignment::Right,
          .text = "a\nb"},
         R"(<span style="background-color: #ffff00"><DIV ALIGN="RIGHT"><I><B><FONT  FACE = "Arial" SIZE = "3" COLOR = "#0000ff"> a<BR>b<BR> </FONT></B></I></DIV></span>)"},
        {"empty text", {}, R"(<FONT  FACE = "" SIZE = "" COLOR = "#000000">  </FONT>)"},
        {"text ending in a line break, italic",
         {.style = 2, .text = "a\n"},
         R"(<I><FONT  FACE = "" SIZE = "" COLOR = "#000000"> a<BR><BR> </FONT></I>)"},
        {"Normal style picked",
         {.style = 0, .text = "n"},
         R"(<FONT  FACE = "" SIZE = "" COLOR = "#000000"> n </FONT>)"},
        {"a quote in the face is escaped, in the text it is not",
         {.face = "My \"Font\"", .text = "50% \"off\""},
         R"(<FONT  FACE = "My &quot;Font&quot;" SIZE = "" COLOR = "#000000"> 50% "off" </FONT>)"},
        {"a background colour not chosen is not written",
         {.backgroundColour = kYellow, .text = "t"},
         R"(<FONT  FACE = "" SIZE = "" COLOR = "#000000"> t </FONT>)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BuildFormattedText(c.fields), c.expected) << c.what;
}

TEST(FormattedText, WrappingOrderOfUnderlineStyleAlignmentAndBackground)
{
    const struct
    {
        TextAlignment alignment;
        const char *open, *close;
    } cases[] = {
        {TextAlignment::Left, "", ""},
        {TextAlignment::Center, "<CENTER>", "</CENTER>"},
        {TextAlignment::Right, "<DIV ALIGN=\"RIGHT\">", "</DIV>"},
    };
    for (const auto &c : cases) {
        const FormattedTextFields fields{.style = 2,
                                         .backgroundColour = {1, 2, 3},
                                         .backgroundChosen = true,
                                         .underline = true,
                                         .alignment = c.alignment,
                                         .text = "t"};
        EXPECT_EQ(
            BuildFormattedText(fields),
            std::string("<span style=\"background-color: #010203\">") + c.open +
                "<U><I><FONT  FACE = \"\" SIZE = \"\" COLOR = \"#000000\"> t </FONT></I></U>" +
                c.close + "</span>");
    }
}

TEST(FormattedText, SizeValues)
{
    std::string values;
    for (int position = 0; position < int(kFontSizeEntries.size()); ++position)
        values += FontSizeValue(position) + ",";
    // "Normal" and "3 (12pt)" mean the same size.
    EXPECT_EQ(values, "3,1,2,3,4,5,6,7,8,9,");
    EXPECT_EQ(kFontSizeEntries[3], "3 (12pt)");
}

TEST(FormattedText, ColourNotation)
{
    const struct
    {
        Rgb colour;
        const char *expected;
    } cases[] = {
        {{0, 0, 0}, "#000000"},       {{255, 0, 0}, "#ff0000"},   {{15, 15, 15}, "#0f0f0f"},
        {{16, 16, 16}, "#101010"},    {{0, 0, 255}, "#0000ff"},   {{171, 205, 239}, "#abcdef"},
        {{255, 255, 255}, "#ffffff"}, {{1, 128, 254}, "#0180fe"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ColourNotation(c.colour), c.expected);
}

TEST(FormattedText, TextToLines)
{
    const struct
    {
        const char *text, *markup;
    } cases[] = {
        {"", ""},
        {"one line", "one line"},
        {"a\nb", "a<BR>b<BR>"},
        {"a\n", "a<BR><BR>"},
        {"\n", "<BR><BR>"},
        {"a\n\nc", "a<BR><BR>c<BR>"},
        {"  indented \n<b>x</b>", "  indented <BR><b>x</b><BR>"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TextMarkup(c.text), c.markup) << c.text;
}
