#include "commenttoggle.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {

std::string Applied(std::string text, const std::vector<CommentEdit> &edits)
{
    for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit)
        text.replace(edit->position, edit->removed, edit->inserted);
    return text;
}

} // namespace

// "[" and "]" mark the lines toggled.
TEST(CommentToggle, OnlyTheCommentsMarksGoInOrOut)
{
    struct Case
    {
        const char *name;
        LineState state;
        const char *text, *toggled;
        CommentRefusal refusal = CommentRefusal::None;
    };
    const LineState script{Context::RawText, RawElement::Script};
    const LineState style{Context::RawText, RawElement::Style};
    const Case cases[] = {
        {"an HTML line",
         {},
         "<ul>\n  [<li>a</li>  ]\n</ul>",
         "<ul>\n  <!-- <li>a</li> -->  \n</ul>"},
        {"HTML lines", {}, "[<p>a\r\nb</p>]", "<!-- <p>a\r\nb</p> -->"},
        {"a comment without spaces", {}, "[<!--x-->]", "x"},
        {"inside a comment", {Context::Comment}, "<!-- a\n[b]\nc -->", "a\nb\nc"},
        {"a style sheet", style, "  [p { color: red }]", "  /* p { color: red } */"},
        {"script lines", script, "[  if (a)\n\n    b();]", "  // if (a)\n\n  //   b();"},
        {"commented script lines", script, "[  // if (a)\n  //b();]", "  if (a)\n  b();"},
        {"some script lines commented", script, "[// a\nb]", "// // a\n// b"},
        {"a blank line", {}, "[  ]", "  "},
        {"a comment's end inside", {}, "[a --> b]", "", CommentRefusal::HoldsCommentEnd},
        {"a style comment inside", style, "[a /* b */]", "", CommentRefusal::HoldsCommentEnd},
        {"a text area",
         {Context::RawText, RawElement::Textarea},
         "[x]",
         "",
         CommentRefusal::TextOnlyElement},
        {"a tag's attributes", {Context::Tag}, "[alt=x]", "", CommentRefusal::InsideTag},
    };
    for (const Case &c : cases) {
        std::string text = c.text;
        const std::size_t start = text.find('[');
        text.erase(start, 1);
        const std::size_t end = text.find(']');
        text.erase(end, 1);
        CaretContext context;
        context.state = c.state;
        const CommentToggle toggle = ToggleComment(text, start, end, context);
        EXPECT_EQ(toggle.refusal, c.refusal) << c.name;
        if (c.refusal != CommentRefusal::None)
            continue;
        const std::string toggled = Applied(text, toggle.edits);
        EXPECT_EQ(toggled, c.toggled) << c.name;
    }
}

TEST(CommentToggle, PositionsMoveWithTheMarks)
{
    const std::vector<CommentEdit> edits = {{2, 0, "// "}, {6, 3, {}}};
    const std::pair<std::size_t, std::size_t> cases[] = {{0, 0}, {2, 2}, {3, 6}, {7, 9}, {10, 10}};
    for (const auto &[before, after] : cases)
        EXPECT_EQ(PositionAfter(edits, before), after) << before;
}
