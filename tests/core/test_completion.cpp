#include "colouring.h"
#include "completion.h"
#include "csscompletion.h"
#include "webdata.h"
#include "wordlists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace tarnel;

namespace {

struct ContextCase
{
    const char *name;
    std::string before; // the text before the caret
    CompletionKind kind;
    std::size_t typedLength = 0;
    std::string element = {};
    std::string attribute = {};
};

bool Contains(const std::vector<std::string_view> &names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

TEST(Completion, ContextAtTheCaret)
{
    using K = CompletionKind;
    const ContextCase cases[] = {
        {"after <", "<P>x<", K::TagName},
        {"tag name begun", "<P>x<im", K::TagName, 2},
        {"after </", "<P>x</", K::ClosingTagName},
        {"blank in a tag", "<img ", K::AttributeName, 0, "IMG"},
        {"attribute begun", "<img src=\"a\" al", K::AttributeName, 2, "IMG"},
        {"after a value on a new line", "<img\nsrc=a\n", K::AttributeName, 0, "IMG"},
        {"after = of a fixed set", "<img align=", K::AttributeValue, 0, "IMG", "ALIGN"},
        {"in a quoted fixed value", "<p align=\"ce", K::AttributeValue, 2, "P", "ALIGN"},
        {"in an unquoted fixed value", "<form method=po", K::AttributeValue, 2, "FORM", "METHOD"},
        {"in a file value", "<img src=\"img/a", K::FileName, 1, "IMG", "SRC"},
        {"in a free value", "<img alt=\"a b", K::None},
        {"text after a tag", "<P>some text ", K::None},
        {"in a comment", "<!-- a ", K::None},
        {"no tag at all", "plain", K::None},
        {"< then a blank", "a < ", K::None},
        {"< then a digit", "a <3", K::None},
    };
    for (const ContextCase &c : cases) {
        const CompletionContext context = CompletionContextAt(c.before);
        EXPECT_EQ(context.kind, c.kind) << c.name;
        if (context.kind == c.kind && c.kind != K::None) {
            EXPECT_EQ(context.typedLength, c.typedLength) << c.name;
            EXPECT_EQ(context.element, c.element) << c.name;
            EXPECT_EQ(context.attribute, c.attribute) << c.name;
        }
    }
}

TEST(Completion, FileValueSplitsFolderFromName)
{
    const CompletionContext context = CompletionContextAt("<a href='pics/2020/ph");
    EXPECT_EQ(context.folder, "pics/2020/");
    EXPECT_EQ(context.typedLength, 2u);
}

TEST(Completion, AttributesOfferedLeaveOutThosePresent)
{
    const CompletionContext context = CompletionContextAt("<IMG SRC=\"a.png\" alt=x ");
    const std::vector<std::string_view> offered = CompletionCandidates(context);
    EXPECT_FALSE(Contains(offered, "SRC"));
    EXPECT_FALSE(Contains(offered, "ALT"));
    EXPECT_TRUE(Contains(offered, "WIDTH"));
    EXPECT_TRUE(Contains(offered, "ID"));      // global
    EXPECT_TRUE(Contains(offered, "LOWSRC"));  // older, kept where it was
    EXPECT_FALSE(Contains(offered, "ACTION")); // another element's
    EXPECT_TRUE(std::is_sorted(offered.begin(), offered.end()));
}

TEST(Completion, ClosingTagOffersInnermostOpenElementFirst)
{
    const CompletionContext context =
        CompletionContextAt("<HTML><BODY><DIV><p>a</p><BR><IMG SRC=x><ul><li>one</li></ul><B>x</");
    const std::vector<std::string_view> offered = CompletionCandidates(context);
    ASSERT_GE(offered.size(), 4u);
    EXPECT_EQ(std::vector<std::string_view>(offered.begin(), offered.begin() + 4),
              (std::vector<std::string_view>{"B", "DIV", "BODY", "HTML"}));
    EXPECT_FALSE(Contains(offered, "IMG")); // void: never closed
    EXPECT_EQ(std::count(offered.begin(), offered.end(), "DIV"), 1);
    // Tags inside a script or a comment are no tags.
    for (const char *before : {"<div><script>if (a<b) x();</script></", "<div><!-- <b> --></",
                               "<div><title>a <b></title></"}) {
        const CompletionContext inner = CompletionContextAt(before);
        EXPECT_EQ(CompletionCandidates(inner).front(), "DIV") << before;
    }
}

TEST(Completion, EveryOfferedNameIsListedOrABrowsersName)
{
    // The colouring knows the listed names; the browsers' others are offered as well, spelled
    // the same way (in capitals, which SpellName folds to the page's case).
    const auto listed = [](std::string_view list, std::string_view name) {
        return list.find(" " + std::string(name) + " ") != std::string_view::npos;
    };
    const auto browsers = [](std::string_view element, std::string_view attribute) {
        const WebElement *known = FindWebEntry(WebElements(), element);
        return FindWebEntry(WebGlobalAttributes(), attribute) ||
               (known && FindWebEntry(known->attributes, attribute));
    };
    const CompletionContext context = CompletionContextAt("<");
    for (std::string_view tag : CompletionCandidates(context)) {
        EXPECT_TRUE(listed(TagNameList(), tag) || FindWebEntry(WebElements(), tag)) << tag;
        EXPECT_EQ(UpperCase(tag), tag);
        for (std::string_view attribute : AttributesOf(tag))
            EXPECT_TRUE(listed(AttributeNameList(), attribute) || browsers(tag, attribute))
                << tag << " " << attribute;
    }
}

TEST(Completion, BrowsersNamesJoinTheListedOnes)
{
    struct Case
    {
        const char *element, *attribute;
    };
    // Attributes: the browsers' and the older ones kept.
    for (const Case &c :
         {Case{"INPUT", "LIST"}, Case{"TEXTAREA", "COLS"}, Case{"TRACK", "KIND"},
          Case{"TRACK", "SRCLANG"}, Case{"TRACK", "LABEL"}, Case{"TRACK", "DEFAULT"},
          Case{"DIV", "ROLE"}, Case{"DIV", "ARIA-LABEL"}, Case{"IMG", "LOWSRC"},
          Case{"BODY", "BGCOLOR"}, Case{"MARQUEE", "SCROLLDELAY"}}) {
        const auto names = AttributesOf(c.element);
        EXPECT_TRUE(Contains(names, c.attribute)) << c.element << " " << c.attribute;
        EXPECT_TRUE(std::is_sorted(names.begin(), names.end())) << c.element;
        EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end()) << c.element;
    }
    const CompletionContext tags = CompletionContextAt("<");
    for (const char *tag : {"APPLET", "BGSOUND", "MARQUEE", "SEARCH", "SLOT", "TRACK"})
        EXPECT_TRUE(Contains(CompletionCandidates(tags), tag)) << tag;
}

TEST(Completion, BrowsersValuesJoinTheListedOnes)
{
    struct Case
    {
        const char *element, *attribute, *value;
        std::size_t count; // how often the value stands in the set, in any case
    };
    for (const Case &c : {
             Case{"TRACK", "KIND", "subtitles", 1},
             Case{"DIV", "ROLE", "button", 1},
             Case{"DIV", "ARIA-LIVE", "polite", 1},
             Case{"SPAN", "ARIA-CHECKED", "mixed", 1},
             Case{"INPUT", "TYPE", "CHECKBOX", 1}, // listed spelling kept, once
             Case{"INPUT", "TYPE", "datetime-local", 1},
             Case{"P", "DIR", "LTR", 1},
             Case{"OL", "TYPE", "a", 2}, // "a" and "A" are two numberings
             Case{"IMG", "ALIGN", "ABSMIDDLE", 1},
         }) {
        const auto values = FixedValuesOf(c.element, c.attribute);
        EXPECT_NE(std::find(values.begin(), values.end(), c.value), values.end())
            << c.element << " " << c.attribute << " " << c.value;
        const auto same = [&](std::string_view v) { return UpperCase(v) == UpperCase(c.value); };
        EXPECT_EQ(std::size_t(std::count_if(values.begin(), values.end(), same)), c.count)
            << c.element << " " << c.attribute << " " << c.value;
    }
}

namespace {

CaretContext ContextOf(const ColourEngine &engine, std::string_view text, std::size_t position)
{
    const std::size_t lineStart = LineStartOf(text, position);
    return engine.ContextAt(text, lineStart, engine.StateAt(text, lineStart), position);
}

} // namespace

TEST(Completion, CssContextAtTheCaret)
{
    using K = CompletionKind;
    const ContextCase cases[] = {
        {"property after {", "<style>p { ma", K::CssProperty, 2},
        {"property after ; on a new line", "<style>p { color: red;\n  back", K::CssProperty, 4},
        {"blank after {", "<style>\np {\n  ", K::CssProperty, 0},
        {"value after :", "<style>p { display:", K::CssValue, 0, {}, "display"},
        {"value after : and a blank", "<style>p{margin: 0 au", K::CssValue, 2, {}, "margin"},
        {"property of a STYLE value", "<p style=\"col", K::CssProperty, 3},
        {"after ; in a STYLE value", "<p style='color: red; fo", K::CssProperty, 2},
        {"value in a STYLE value", "<p style=\"float: l", K::CssValue, 1, {}, "float"},
        {"selector", "<style>\nbody", K::None},
        {"media prelude", "<style>@media scr", K::None},
        {"comment", "<style>p { /* ma", K::None},
        {"closed comment around the caret", "<style>p { /* ma */", K::None},
        {"string", "<style>p { font-family: \"Ari", K::None},
        {"word after a property", "<style>p { color b", K::None},
        {"script", "<script>var s = { ma", K::None},
        {"STYLE of another type", "<style type=\"text/x\">p { ma", K::None},
        {"text", "<p>{ ma", K::None},
        {"other attribute", "<p title=\"col", K::None},
    };
    const ColourEngine engine = MakeHtmlColourEngine();
    for (const ContextCase &c : cases) {
        const std::size_t caret = c.before.size();
        const CompletionContext context = CssCompletionContextAt(
            c.before, ContextOf(engine, c.before, caret), ContextOf(engine, c.before, caret - 1));
        EXPECT_EQ(context.kind, c.kind) << c.name;
        if (context.kind == c.kind && c.kind != K::None) {
            EXPECT_EQ(context.typedLength, c.typedLength) << c.name;
            EXPECT_EQ(context.attribute, c.attribute) << c.name;
        }
    }
    // Closed STYLE values and comments end the CSS.
    const std::string closed = "<p style=\"color: red\" ";
    EXPECT_FALSE(InCss(ContextOf(engine, closed, closed.size() - 1)));
}

TEST(Completion, CssCandidatesAndDescriptions)
{
    CompletionContext property;
    property.kind = CompletionKind::CssProperty;
    const auto properties = CompletionCandidates(property);
    EXPECT_TRUE(Contains(properties, "margin"));
    EXPECT_TRUE(std::is_sorted(properties.begin(), properties.end()));
    EXPECT_FALSE(CompletionDescription(property, "margin").empty());
    CompletionContext value;
    value.kind = CompletionKind::CssValue;
    value.attribute = "color";
    EXPECT_TRUE(Contains(CompletionCandidates(value), "rebeccapurple")); // a colour name
    value.attribute = "display";
    EXPECT_TRUE(Contains(CompletionCandidates(value), "flex"));
    EXPECT_FALSE(Contains(CompletionCandidates(value), "rebeccapurple"));
    // Descriptions are one line, and a file name has none.
    CompletionContext tag = CompletionContextAt("<");
    EXPECT_FALSE(CompletionDescription(tag, "TRACK").empty());
    EXPECT_EQ(CompletionDescription(tag, "TRACK").find('\n'), std::string_view::npos);
    EXPECT_TRUE(CompletionDescription(CompletionContextAt("<img src=\""), "a.png").empty());
    EXPECT_FALSE(CompletionDescription(CompletionContextAt("<track "), "KIND").empty());
    EXPECT_FALSE(CompletionDescription(CompletionContextAt("<div aria-haspopup="), "menu").empty());
}

TEST(Completion, FixedValuesFollowTheElement)
{
    struct Case
    {
        const char *element, *attribute, *someValue;
    };
    for (const Case &c :
         {Case{"IMG", "ALIGN", "ABSMIDDLE"}, Case{"P", "ALIGN", "CENTER"},
          Case{"INPUT", "TYPE", "CHECKBOX"}, Case{"OL", "TYPE", "i"}, Case{"UL", "TYPE", "SQUARE"},
          Case{"A", "TARGET", "_blank"}, Case{"FRAME", "SCROLLING", "AUTO"},
          Case{"MARQUEE", "BEHAVIOR", "SLIDE"}}) {
        const auto values = FixedValuesOf(c.element, c.attribute);
        EXPECT_NE(std::find(values.begin(), values.end(), c.someValue), values.end())
            << c.element << " " << c.attribute;
    }
    EXPECT_TRUE(FixedValuesOf("IMG", "ALT").empty());
    EXPECT_TRUE(FixedValuesOf("P", "TYPE").empty());
}

TEST(Completion, LooksOnlyNearTheCaret)
{
    // A tag opened further back than the look-back is not seen: no list rather than a guess.
    const std::string before = "<IMG " + std::string(CompletionLookBack, 'a');
    EXPECT_EQ(CompletionContextAt(before).kind, CompletionKind::None);
}
