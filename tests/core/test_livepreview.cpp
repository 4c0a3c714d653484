#include "livepreview.h"

#include <gtest/gtest.h>

using namespace tarnel;

TEST(LivePreview, MarksEveryStartTagAfterItsName)
{
    struct Case
    {
        const char *name;
        std::string page;
        std::string marked;
        std::vector<std::size_t> starts;
    };
    const Case cases[] = {
        {"start tags, not end tags",
         "<P>a</P><BR/>",
         "<P data-tarnel-at=\"0\">a</P><BR data-tarnel-at=\"1\"/>",
         {0, 8}},
        {"attributes and a bare value ending in a slash stay",
         "<A HREF=x/>t</A>",
         "<A data-tarnel-at=\"0\" HREF=x/>t</A>",
         {0}},
        {"nothing in comments, scripts or quoted values",
         "<!-- <B> --><SCRIPT>if (a<b) x='<i>'</SCRIPT><IMG ALT=\"<U>\">",
         "<!-- <B> --><SCRIPT data-tarnel-at=\"0\">if (a<b) x='<i>'</SCRIPT>"
         "<IMG data-tarnel-at=\"1\" ALT=\"<U>\">",
         {12, 45}},
        {"a tag left open at the end is not a tag",
         "<P>x<IMG SRC=\"a",
         "<P data-tarnel-at=\"0\">x<IMG SRC=\"a",
         {0}},
        {"no tags", "plain text", "plain text", {}},
    };
    for (const Case &c : cases) {
        const MarkedPage marked = MarkForPreview(c.page);
        EXPECT_EQ(marked.text, c.marked) << c.name;
        EXPECT_EQ(marked.starts, c.starts) << c.name;
        for (std::size_t i = 0; i < c.starts.size(); ++i)
            EXPECT_EQ(marked.marks[i], i) << c.name;
    }
}

TEST(LivePreview, ElementsKeepTheirMarksOutsideAnEdit)
{
    // An edit replaces `removed` bytes at `at` of "before" with `inserted`; the marks of the
    // start tags of "after", in order.
    const struct
    {
        const char *name;
        std::string before;
        std::size_t at, removed;
        std::string inserted;
        std::vector<std::size_t> marks;
    } cases[] = {
        {"a paragraph inserted first", "<B><P>a</P><P>b</P></B>", 3, 0, "<P>n</P>", {0, 3, 1, 2}},
        {"typing inside a paragraph", "<P>a</P><P>b</P>", 4, 0, "xyz", {0, 1}},
        {"typing inside a start tag", "<P>a</P><P>b</P>", 2, 0, " ID=x", {0, 1}},
        {"a tag renamed keeps its mark", "<P>a</P><I>b</I><P>c</P>", 9, 1, "B", {0, 1, 2}},
        {"a tag removed", "<P>a</P><HR><P>c</P>", 8, 4, "", {0, 2}},
        {"a tag inserted where another starts", "<P>a</P>", 0, 0, "<HR>", {1, 0}},
    };
    for (const auto &c : cases) {
        PreviewMarks marks;
        const MarkedPage first = marks.Mark(c.before, nullptr);
        std::string after = c.before;
        after.replace(c.at, c.removed, c.inserted);
        const TextChange change{c.at, c.removed, c.inserted.size()};
        const MarkedPage second = marks.Mark(after, &change);
        EXPECT_EQ(second.marks, c.marks) << c.name;
        for (std::size_t i = 0; i < second.starts.size(); ++i) {
            EXPECT_EQ(marks.MarkOf(second.starts[i]), second.marks[i]) << c.name;
            EXPECT_EQ(marks.StartOf(second.marks[i]), second.starts[i]) << c.name;
        }
        EXPECT_EQ(marks.MarkOf(after.size() + 1), std::nullopt) << c.name;
    }
}

TEST(LivePreview, HeadPartEndsWhereTheBodyBegins)
{
    const struct
    {
        const char *name;
        std::string page;
        std::string head;
    } cases[] = {
        {"explicit BODY", "<HTML><HEAD><TITLE>t</TITLE></HEAD>\n<BODY BGCOLOR=red>x",
         "<HTML><HEAD><TITLE>t</TITLE></HEAD>"},
        {"no HEAD end tag: the BODY", "<html><title>t</title><style>p{}</style><body>x",
         "<html><title>t</title><style>p{}</style>"},
        {"no BODY tag: the first body element", "<TITLE>t</TITLE><BASE HREF=\"x/\"><P>a",
         "<TITLE>t</TITLE><BASE HREF=\"x/\">"},
        {"a BODY in a comment does not count", "<!-- <BODY> --><TITLE>t</TITLE>",
         "<!-- <BODY> --><TITLE>t</TITLE>"},
        {"text only", "hello", "hello"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HeadPart(c.page), c.head) << c.name;
}

TEST(LivePreview, PagesThatRunScripts)
{
    const std::pair<const char *, bool> cases[] = {
        {"<P>text <B>bold</B></P>", false},
        {"<SCRIPT>document.body.append('x')</SCRIPT>", true},
        {"<script type=\"module\">import './a.js'</script>", true},
        {"<SCRIPT TYPE=\"application/json\">{}</SCRIPT><SCRIPT TYPE=\"text/template\"></SCRIPT>",
         false},
        {"<BODY ONLOAD=\"start()\">", true},
        {"<button\n onclick=go()>", true},
        {"<P TITLE=\"one\" CLASS=online>", false},
        {"<!-- <SCRIPT>x()</SCRIPT> --><P>onload</P>", false},
    };
    for (const auto &[page, runs] : cases)
        EXPECT_EQ(RunsScripts(page), runs) << page;
}

TEST(LivePreview, ElementHoldingTheCaret)
{
    // '|' marks the caret, '^' the expected element's "<" (none: outside every element).
    const struct
    {
        const char *name;
        std::string page;
    } cases[] = {
        {"in text", "<BODY>^<P>ab|c</P></BODY>"},
        {"right before a start tag", "<EM>write to ^|<STRONG>us</STRONG></EM>"},
        {"innermost", "^<BODY><P>a</P>|</BODY>"},
        {"nested inline", "<P>a^<B>b<I>i</I>|b</B></P>"},
        {"in a start tag", "<P>a^<IMG SR|C=\"x\"></P>"},
        {"after a void element", "^<P>a<IMG SRC=\"x\">|</P>"},
        {"after a void element in lower case", "^<p>a<img src=\"x\">|</p>"},
        {"in an end tag", "<BODY>^<P>a</|P></BODY>"},
        {"an end tag closes what was opened inside", "^<DIV><P><B>x</P>|y</DIV>"},
        {"a stray end tag closes nothing", "^<DIV>a</SPAN>|</DIV>"},
        {"unclosed paragraphs", "<BODY><P>a^<P>b|"},
        {"any letter case", "^<Div><p>a</P>|</div>"},
        {"outside everything", "text|"},
        {"tags in a comment do not count", "^<P><!-- <B> -->|</P>"},
    };
    for (const auto &c : cases) {
        std::string page = c.page;
        const std::size_t expected = page.find('^');
        if (expected != std::string::npos)
            page.erase(expected, 1);
        const std::size_t caret = page.find('|');
        page.erase(caret, 1);
        const auto holding = ElementHolding(page, caret);
        if (expected == std::string::npos)
            EXPECT_EQ(holding, std::nullopt) << c.name;
        else
            EXPECT_EQ(holding, expected) << c.name;
    }
}
