#include "lineindent.h"

#include <gtest/gtest.h>

using namespace tarnel;

TEST(LineIndent, OneLevelIsWhatThePagesLinesStepInBy)
{
    const std::pair<const char *, const char *> cases[] = {
        {"<UL>\n<LI>x\n</UL>", "\t"},
        {"<UL>\n\t<LI>x\n</UL>", "\t"},
        {"<UL>\r\n  <LI>\r\n    <B>x</B>\r\n  </LI>\r\n</UL>", "  "},
        {"<DIV>\n    <P>\n\n    <P>\n</DIV>", "    "}, // a blank line says nothing
    };
    for (const auto &[page, unit] : cases)
        EXPECT_EQ(PageIndentUnit(page), unit) << page;
}

TEST(LineIndent, AnEndTagClosingTheLinesStartTag)
{
    struct Case
    {
        const char *text; // "|" is where the break went in, the caret right after it
        std::size_t length;
    };
    const Case cases[] = {
        {"  <div class=\"a>b\">|</div>", 6},
        {"<UL>|</ul>", 5},
        {"<p>x</p>|</div>", 0}, // no start tag before the break
        {"<br>|</br>", 0},      // a void element
        {"<div>|</span>", 0},   // another element's end tag
        {"<div>|</divx>", 0},
        {"<svg/>|</svg>", 0},    // closed in itself
        {"<div>\r\n|</div>", 0}, // the start tag is on the line before
    };
    for (const Case &c : cases) {
        std::string text = c.text;
        const std::size_t at = text.find('|');
        text.erase(at, 1);
        const std::size_t lineStart = text.rfind('\n', at ? at - 1 : 0);
        const std::size_t start = lineStart == std::string::npos ? 0 : lineStart + 1;
        EXPECT_EQ(EndTagClosingLineEnd(text, start, at, at), c.length) << c.text;
    }
}

TEST(LineIndent, EnterKeepsTheIndentationWhereBlanksAreNoContent)
{
    struct Case
    {
        const char *name;
        LineState state;
        bool opensBlock;
        const char *before, *after;
        bool inQuotedValue = false;
    };
    const Case cases[] = {
        {"text", {}, false, "  \t", ""},
        {"a start tag and its end tag", {}, true, "  \t  ", "\r\n  \t"},
        {"script", {Context::RawText, RawElement::Script}, false, "  \t", ""},
        {"style", {Context::RawText, RawElement::Style}, true, "  \t  ", "\r\n  \t"},
        {"a tag's attributes", {Context::Tag}, false, "  \t", ""},
        {"textarea", {Context::RawText, RawElement::Textarea}, false, "", ""},
        {"title", {Context::RawText, RawElement::Title}, true, "", ""},
        {"a quoted value", {Context::Tag}, false, "", "", true},
    };
    const std::string text = "x\r\n  \tline\r\n";
    for (const Case &c : cases) {
        CaretContext context;
        context.state = c.state;
        context.inQuotedValue = c.inQuotedValue;
        const LineBreakIndent indent =
            IndentAfterLineBreak(text, 3, text.size() - 2, context, c.opensBlock, "\r\n", "  ");
        EXPECT_EQ(indent.beforeCaret, c.before) << c.name;
        EXPECT_EQ(indent.afterCaret, c.after) << c.name;
    }
}

TEST(LineIndent, PreformattedTextTakesNoIndentation)
{
    const std::pair<const char *, bool> cases[] = {
        {"<body>\n  <pre>\n  x", true},
        {"<PRE class=a>  <b>x</b>", true},
        {"<pre>x</pre>\n  ", false},
        {"<pre><pre>x</pre>", true}, // nested as written: one is still open
        {"<!-- <pre> -->\n  ", false},
        {"<script>'<pre>'</script>\n  ", false},
        {"<preview>\n  ", false},
    };
    for (const auto &[before, inPre] : cases)
        EXPECT_EQ(InPreformattedText(before), inPre) << before;
}
