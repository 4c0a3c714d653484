#include "reindent.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {

std::string Reindented(std::string text, std::size_t from, std::size_t to)
{
    const std::vector<IndentEdit> edits = ReindentLines(text, from, to, "  ");
    for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit)
        text.replace(edit->position, edit->removed, edit->blanks);
    return text;
}

} // namespace

TEST(Reindent, OnlyLeadingBlanksFollowTheNesting)
{
    const std::pair<const char *, const char *> cases[] = {
        {"<ul>\n<li>a</li>\n\t\t<li>b\n</ul>", "<ul>\n  <li>a</li>\n  <li>b\n</ul>"},
        {"<html>\n<body>\n<div>\n<p>x\n<p>y\n</div>\n</body>",
         "<html>\n<body>\n<div>\n  <p>x\n  <p>y\n</div>\n</body>"},
        {"<table>\r\n<tr><td>a\r\n<tr><td>b\r\n</table>",
         "<table>\r\n  <tr><td>a\r\n  <tr><td>b\r\n</table>"},
        // Blanks inside PRE and TEXTAREA are text; a script's lines are its author's.
        {"<div>\n<pre>\n  a\n   </pre>\n</div>", "<div>\n  <pre>\n  a\n   </pre>\n</div>"},
        {"<div>\n<script>\nif (a<b)\n    go();\n    </script>\n</div>",
         "<div>\n  <script>\nif (a<b)\n    go();\n  </script>\n</div>"},
        // A tag over lines, a comment and a line of blanks keep their lines.
        {"<div>\n<img src=x\n      alt=y>\n<!-- a\n b -->\n   \n</div>",
         "<div>\n  <img src=x\n      alt=y>\n  <!-- a\n b -->\n   \n</div>"},
        {"<div>\n<br>\n<img/>\n</span>\n</div>", "<div>\n  <br>\n  <img/>\n  </span>\n</div>"},
    };
    for (const auto &[before, after] : cases)
        EXPECT_EQ(Reindented(before, 0, std::string_view(before).size()), after) << before;
}

TEST(Reindent, OnlyTheLinesAsked)
{
    const std::string page = "<div>\n<p>a\n<p>b\n</div>";
    EXPECT_EQ(Reindented(page, page.find("<p>b"), page.find("</div>")),
              "<div>\n<p>a\n  <p>b\n</div>");
    EXPECT_EQ(Reindented(page, page.find("a"), page.find("a") + 1), page); // no line starts there
}
