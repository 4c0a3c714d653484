#include "foldlevels.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarnel;

namespace {

// The levels one line after another, "h" marking a fold's head: "0h 1 0".
std::string Written(const std::vector<LineFold> &levels)
{
    std::string written;
    for (const LineFold &line : levels) {
        if (!written.empty())
            written += ' ';
        written += std::to_string(line.depth) + (line.header ? "h" : "");
    }
    return written;
}

std::string Repeated(std::string_view piece, std::size_t times)
{
    std::string repeated;
    for (std::size_t i = 0; i < times; ++i)
        repeated += piece;
    return repeated;
}

} // namespace

TEST(FoldLevels, ElementsSpanningLinesFoldFromTheirStartTag)
{
    const struct
    {
        const char *name;
        std::string page;
        const char *levels;
    } cases[] = {
        {"empty page", "", "0"},
        {"a table over lines", "<TABLE>\n<TR><TD>x</TD></TR>\n</TABLE>", "0h 1 1"},
        {"one-line element", "<P>a</P>\nb", "0 0"},
        {"nested", "<TABLE>\n<TR>\n<TD>a</TD>\n</TR>\n</TABLE>", "0h 1h 2 2 1"},
        {"end and start on one line", "<TR>\n<TD>a\n</TD><TD>b\n</TD>\n</TR>", "0h 1h 1h 2 1"},
        {"end tag in another case", "<div>\n</DIV>", "0h 1"},
        {"void element over lines", "<IMG\nSRC=a>\nx", "0 0 0"},
        {"self-closed", "<x/>\n</x>", "0 0"},
        {"unclosed elements", "<UL>\r\n<LI>a\r<LI>b\r\n</UL>", "0h 1 1 1"},
        {"stray end tag", "<P>a\n</DIV>\n", "0 0 0"},
        {"badly nested", "<B><I>\nx</B>\n</I>", "0h 1 0"},
        {"tags in a comment", "<!-- <DIV>\n -->\n</DIV>", "0 0 0"},
        {"script content", "<SCRIPT>\nif (a<b) x='</DIV>'\n</SCRIPT>", "0h 1 1"},
        {"start tag beyond reach", "<DIV>\n" + Repeated("<P>", FoldReach) + "\n</DIV>", "0 0 0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Written(FoldLevels(c.page)), c.levels) << c.name;
}
