#include "namecase.h"

#include "completion.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {

std::string Repeated(std::string_view piece, std::size_t times)
{
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

} // namespace

TEST(NameCase, APageWritesItsTagsInItsOwnCase)
{
    struct Case
    {
        const char *name;
        std::string page;
        NameCase own;
    };
    const Case cases[] = {
        {"mostly lower case", "<html><body><P>x</P><p>y</p><p>z</p></body></html>",
         NameCase::Lower},
        {"mostly upper case", "<HTML><BODY><p>x</p></BODY></HTML>", NameCase::List},
        {"as many of each", "<p></p><P></P>", NameCase::List},
        {"no tags at all", "just text", NameCase::List},
        {"mixed names count for neither", "<Div></Div><p>", NameCase::Lower},
        {"names in comments and scripts do not count",
         "<P><!-- <a><b><i> --><SCRIPT>a<b<c<d</SCRIPT></P>", NameCase::List},
        {"only the top of a big page counts", "<P>" + std::string(PageCaseReach, 'x') + "<p><p><p>",
         NameCase::List},
        {"only the first tags count", Repeated("<P>", PageCaseTags) + Repeated("<p>", PageCaseTags),
         NameCase::List},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(PageNameCase(c.page), c.own) << c.name;
        EXPECT_EQ(NameCaseFor(NameCase::AsPage, c.page), c.own) << c.name;
        EXPECT_EQ(NameCaseFor(NameCase::Upper, c.page), NameCase::Upper) << c.name;
    }
}

TEST(NameCase, NamesAndValuesInEachCase)
{
    struct Case
    {
        const char *listed, *typed;
        NameCase nameCase;
        const char *spelled;
    };
    const Case names[] = {
        {"IMG", "im", NameCase::List, "IMG"},
        {"IMG", "im", NameCase::Lower, "img"},
        {"_blank", "", NameCase::Upper, "_BLANK"},
        // As typed: the rest follows the last letter typed.
        {"INPUT", "inp", NameCase::AsTyped, "input"},
        {"IMG", "iM", NameCase::AsTyped, "iMG"},
        {"TABLE", "Ta", NameCase::AsTyped, "Table"},
        {"IMG", "", NameCase::AsTyped, "IMG"},
    };
    for (const Case &c : names)
        EXPECT_EQ(SpellName(c.listed, c.typed, c.nameCase), c.spelled) << c.listed << c.typed;
    const Case values[] = {
        {"CENTER", "c", NameCase::Lower, "center"},
        {"CENTER", "c", NameCase::AsTyped, "center"},
        // The numberings "A" and "a" differ by case alone; "_blank" is no capital.
        {"A", "", NameCase::Lower, "A"},
        {"_blank", "", NameCase::Upper, "_blank"},
    };
    for (const Case &c : values) {
        const auto set = std::string_view(c.listed) == "A"        ? FixedValuesOf("OL", "TYPE")
                         : std::string_view(c.listed) == "_blank" ? FixedValuesOf("A", "TARGET")
                                                                  : FixedValuesOf("P", "ALIGN");
        EXPECT_EQ(SpellValue(c.listed, c.typed, c.nameCase, set), c.spelled) << c.listed;
    }
}

TEST(NameCase, BuiltMarkupSpelledForThePage)
{
    struct Case
    {
        const char *name;
        const char *built;
        NameCase nameCase;
        const char *spelled;
    };
    const Case cases[] = {
        {"names and a fixed value", "<IMG  SRC=\"A.GIF\" ALIGN=LEFT>", NameCase::Lower,
         "<img  src=\"A.GIF\" align=left>"},
        {"closing tags and text", "<P ALIGN=\"CENTER\">Hello WORLD</P>", NameCase::Lower,
         "<p align=\"center\">Hello WORLD</p>"},
        {"a numbering differs by case", "<OL TYPE=A><LI>x</OL>", NameCase::Lower,
         "<ol type=A><li>x</ol>"},
        {"comments stay", "<!-- <B> --><B>x</B>", NameCase::Lower, "<!-- <B> --><b>x</b>"},
        {"upper case", "<table border=1>", NameCase::Upper, "<TABLE BORDER=1>"},
        {"the list's spelling leaves it as built", "<IMG src=x>", NameCase::List, "<IMG src=x>"},
        {"as typed leaves it as built", "<IMG src=x>", NameCase::AsTyped, "<IMG src=x>"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SpellMarkup(c.built, c.nameCase), c.spelled) << c.name;
}
