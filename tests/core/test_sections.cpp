#include "sections.h"

#include <gtest/gtest.h>

using namespace tarnel;

TEST(Sections, Wrap)
{
    const struct
    {
        const char *name;
        const char *element;
        const char *selection;
        LineBreak lineBreak;
        const char *text;
        std::size_t caret;
    } cases[] = {
        {"empty: caret on the empty line", "NAV", "", LineBreak::Lf, "<NAV>\n\n</NAV>\n", 6},
        {"empty, CRLF", "MAIN", "", LineBreak::CrLf, "<MAIN>\r\n\r\n</MAIN>\r\n", 8},
        {"a selection: caret after", "ARTICLE", "<P>x</P>", LineBreak::Lf,
         "<ARTICLE>\n<P>x</P>\n</ARTICLE>\n", 30},
        {"a selection ending its line gets no second break", "ASIDE", "a\r\n", LineBreak::CrLf,
         "<ASIDE>\r\na\r\n</ASIDE>\r\n", 22},
        {"empty figure: caret before the caption", "FIGURE", "", LineBreak::Lf,
         "<FIGURE>\n\n<FIGCAPTION></FIGCAPTION>\n</FIGURE>\n", 9},
        {"figure around a picture: caret in the caption", "FIGURE", "<IMG SRC=\"a.jpg\">",
         LineBreak::Lf, "<FIGURE>\n<IMG SRC=\"a.jpg\">\n<FIGCAPTION></FIGCAPTION>\n</FIGURE>\n",
         39},
    };
    for (const auto &c : cases) {
        const WrappedSection wrapped = WrapInSection(c.element, c.selection, c.lineBreak);
        EXPECT_EQ(wrapped.text, c.text) << c.name;
        EXPECT_EQ(wrapped.caret, c.caret) << c.name;
    }
}
