#include "completion.h"
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

TEST(Completion, EveryOfferedNameIsAListedName)
{
    // The colouring knows every name offered, so a completed name is coloured as typed.
    const auto listed = [](std::string_view list, std::string_view name) {
        return list.find(" " + std::string(name) + " ") != std::string_view::npos;
    };
    const CompletionContext context = CompletionContextAt("<");
    for (std::string_view tag : CompletionCandidates(context)) {
        EXPECT_TRUE(listed(TagNameList(), tag)) << tag;
        for (std::string_view attribute : AttributesOf(tag))
            EXPECT_TRUE(listed(AttributeNameList(), attribute)) << tag << " " << attribute;
    }
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
