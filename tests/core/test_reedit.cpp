#include "recordprinting.h"
#include "reedit.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {

using Values = std::map<std::string, std::string>;

std::vector<std::string> KeptTexts(const TagPrefill &prefill)
{
    std::vector<std::string> texts;
    for (const auto &kept : prefill.kept)
        texts.push_back(kept.text);
    return texts;
}

// The page after the element was located, selected and replaced by `built`.
std::string Rewritten(const std::string &text, ElementKind kind, const ElementRecord &record,
                      std::string_view built)
{
    const auto target = LocateElement(text, kind, record);
    if (!target)
        return "(not found)";
    std::string result = text;
    result.replace(target->range.begin, target->range.end - target->range.begin,
                   ReplacementText(*target, built));
    return result;
}

} // namespace

TEST(Reedit, ImagePrefillKeepsWhatTheFormHasNoFieldFor)
{
    const std::string text =
        "<P>\n<IMG SRC=\"a.gif\" width=10 HSPACE=\"4\" alt='say &quot;hi&quot;' "
        "id=logo ALIGN=\"left\">\n</P>";
    const auto target = LocateElement(text, ElementKind::Image, {"a.gif", 4});
    ASSERT_TRUE(target);
    EXPECT_EQ(target->range, (TextRange{4, text.size() - 5}));
    EXPECT_FALSE(target->video);
    EXPECT_EQ(
        target->tag.values,
        (Values{{"SRC", "a.gif"}, {"WIDTH", "10"}, {"ALT", "say \"hi\""}, {"ALIGN", "left"}}));
    EXPECT_EQ(KeptTexts(target->tag), (std::vector<std::string>{"HSPACE=\"4\"", "id=logo"}));
    EXPECT_EQ(target->tag.Value("BORDER"), "");
}

TEST(Reedit, ConfirmedUnchangedRewritesInPlace)
{
    struct Case
    {
        const char *name;
        std::string text;
        ElementKind kind;
        ElementRecord record;
        std::string built; // what the form's builder returns for the prefilled fields
        std::string expected;
    };
    const Case cases[] = {
        {"extra attribute written back after the form's own",
         R"(<IMG SRC="a.gif" WIDTH="10" HSPACE="4">)",
         ElementKind::Image,
         {"a.gif", 0},
         "<IMG  SRC=\"a.gif\" WIDTH=\"10\">\n",
         R"(<IMG  SRC="a.gif" WIDTH="10" HSPACE="4">)"},
        {"no line feed of its own, text around untouched",
         "x\n<IMG SRC=\"a.gif\">\ny",
         ElementKind::Image,
         {"a.gif", 2},
         "<IMG  SRC=\"a.gif\">\n",
         "x\n<IMG  SRC=\"a.gif\">\ny"},
        {"video clip keeps its loop count",
         R"(<IMG  DYNSRC="v.avi" LOOP=2>)",
         ElementKind::Image,
         {"v.avi", 0},
         "<IMG  DYNSRC=\"v.avi\">\n",
         R"(<IMG  DYNSRC="v.avi" LOOP=2>)"},
        {"applet: only the opening tag, parameters and end tag stay",
         R"(<APPLET CODE="C.class" CLASS="k" ID="x"><PARAM NAME="a" VALUE="1"></APPLET>)",
         ElementKind::Applet,
         {"C.class", 0},
         "<APPLET  CODE=\"C.class\" CLASS=\"k\">\n",
         R"(<APPLET  CODE="C.class" CLASS="k" ID="x"><PARAM NAME="a" VALUE="1"></APPLET>)"},
        {"text link does not grow the text",
         "<A HREF=\"x.htm\" TARGET=\"_top\">Home</A>\n<P>",
         ElementKind::Link,
         {"x.htm", 0},
         "<A HREF=\"x.htm\">Home</A>\n",
         "<A HREF=\"x.htm\" TARGET=\"_top\">Home</A>\n<P>"},
        {"image link keeps its caption and the image's extras",
         R"(<a href="i.htm" class=nav><img src="logo.gif" alt="Home" hspace=2> Home</a>)",
         ElementKind::Link,
         {"i.htm", 0},
         "<A HREF=\"i.htm\"><IMG SRC=\"logo.gif\" ALT=\"Home\"></A>\n",
         R"(<A HREF="i.htm" class=nav><IMG SRC="logo.gif" ALT="Home" hspace=2> Home</A>)"},
        {"applet link keeps the applet's comment and content",
         R"(<A HREF="g.htm"><APPLET CODE="C.class" ALT="c"><PARAM NAME=a VALUE=1></APPLET></A>)",
         ElementKind::Link,
         {"g.htm", 0},
         "<A HREF=\"g.htm\"><APPLET  CODE=\"C.class\"></A>\n",
         R"(<A HREF="g.htm"><APPLET  CODE="C.class" ALT="c"><PARAM NAME=a VALUE=1></APPLET></A>)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Rewritten(c.text, c.kind, c.record, c.built), c.expected) << c.name;
}

TEST(Reedit, EditedFormsReplaceTheElement)
{
    const std::string imageLink =
        R"(<a href="i.htm" class=nav><img src="logo.gif" hspace=2> Home</a>)";
    const std::string textLink = R"(<a href="x.htm" target=_top>Old <b>text</b></a>)";
    struct Case
    {
        const char *name;
        std::string text;
        ElementKind kind;
        ElementRecord record;
        std::string built;
        std::string expected;
    };
    const Case cases[] = {
        {"a form value replaces a kept attribute of the same name",
         R"(<IMG SRC="a.gif" DYNSRC="old.avi">)",
         ElementKind::Image,
         {"a.gif", 0},
         "<IMG  DYNSRC=\"new.avi\">\n",
         R"(<IMG  DYNSRC="new.avi">)"},
        {"image link switched to text drops the image",
         imageLink,
         ElementKind::Link,
         {"i.htm", 0},
         "<A HREF=\"i.htm\">Start</A>\n",
         R"(<A HREF="i.htm" class=nav>Start</A>)"},
        {"image link switched to applet takes the applet alone",
         imageLink,
         ElementKind::Link,
         {"i.htm", 0},
         "<A HREF=\"i.htm\"><APPLET  CODE=\"C\"></A>\n",
         R"(<A HREF="i.htm" class=nav><APPLET  CODE="C"></A>)"},
        {"text link switched to image",
         textLink,
         ElementKind::Link,
         {"x.htm", 0},
         "<A HREF=\"y.htm\"><IMG SRC=\"b.gif\"></A>\n",
         R"(<A HREF="y.htm" target=_top><IMG SRC="b.gif"></A>)"},
        {"new link text replaces the old markup too",
         textLink,
         ElementKind::Link,
         {"x.htm", 0},
         "<A HREF=\"x.htm\">Start</A>\n",
         R"(<A HREF="x.htm" target=_top>Start</A>)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Rewritten(c.text, c.kind, c.record, c.built), c.expected) << c.name;
}

TEST(Reedit, LinkContentDecidesHowTheFormOpens)
{
    struct Case
    {
        const char *name;
        std::string text;
        LinkContent content;
        Values contentValues;
        std::vector<std::string> contentKept;
        std::string linkText;
        bool editable;
    };
    const Case cases[] = {
        {"text link holds everything between its tags",
         "<a href=x>Hello <b>you</b></a>",
         LinkContent::Text,
         {},
         {},
         "Hello <b>you</b>",
         true},
        {"empty text link", "<A HREF=x></A>", LinkContent::Text, {}, {}, "", true},
        {"image link",
         R"(<A HREF=x><IMG SRC="b.gif" ALT="B" WIDTH=8 HEIGHT=9 BORDER=0 ALIGN=top></A>)",
         LinkContent::Image,
         {{"SRC", "b.gif"},
          {"ALT", "B"},
          {"WIDTH", "8"},
          {"HEIGHT", "9"},
          {"BORDER", "0"},
          {"ALIGN", "top"}},
         {},
         "",
         true},
        {"applet link: the applet's ALT has no field",
         R"(<a href=x><applet code=C.class alt=c class=k name=n></a>)",
         LinkContent::Applet,
         {{"CODE", "C.class"}, {"CLASS", "k"}, {"NAME", "n"}},
         {"alt=c"},
         "",
         true},
        {"the image wins over an applet before it",
         R"(<a href=x><applet code=C><img src=fallback.gif></applet></a>)",
         LinkContent::Image,
         {{"SRC", "fallback.gif"}},
         {},
         "",
         true},
        {"an image in a comment is not content",
         "<a href=x><!-- <img src=a> -->Hi</a>",
         LinkContent::Text,
         {},
         {},
         "<!-- <img src=a> -->Hi",
         true},
        {"a clip in a link cannot be shown by the link form",
         "<a href=x><img dynsrc=v.avi></a>",
         LinkContent::Image,
         {},
         {"dynsrc=v.avi"},
         "",
         false},
    };
    for (const auto &c : cases) {
        const auto target = LocateElement(c.text, ElementKind::Link, {"x", 0});
        ASSERT_TRUE(target) << c.name;
        EXPECT_EQ(target->range, (TextRange{0, c.text.size()})) << c.name;
        EXPECT_EQ(target->tag.Value("HREF"), "x") << c.name;
        EXPECT_EQ(target->content, c.content) << c.name;
        EXPECT_EQ(target->contentTag.values, c.contentValues) << c.name;
        EXPECT_EQ(KeptTexts(target->contentTag), c.contentKept) << c.name;
        EXPECT_EQ(target->linkText, c.linkText) << c.name;
        EXPECT_EQ(target->Editable(), c.editable) << c.name;
    }
}

TEST(Reedit, ClipOpensAsVideo)
{
    const auto clip =
        LocateElement(R"(<IMG SRC="" DYNSRC="v.avi" WIDTH=5>)", ElementKind::Image, {"v.avi", 0});
    ASSERT_TRUE(clip);
    EXPECT_TRUE(clip->video);
    EXPECT_EQ(clip->tag.values, (Values{{"SRC", ""}, {"DYNSRC", "v.avi"}, {"WIDTH", "5"}}));
    EXPECT_TRUE(clip->tag.kept.empty());
}

TEST(Reedit, ElementNoLongerWhereTheRecordSays)
{
    struct Case
    {
        const char *name;
        std::string text;
        ElementKind kind;
        ElementRecord record;
    };
    const Case cases[] = {
        {"index moved by an edit", R"(x<IMG SRC="a.gif">)", ElementKind::Image, {"a.gif", 0}},
        {"index inside the tag", R"(<IMG SRC="a.gif">)", ElementKind::Image, {"a.gif", 5}},
        {"index past the end", R"(<IMG SRC="a.gif">)", ElementKind::Image, {"a.gif", 99}},
        {"value changed", R"(<IMG SRC="b.gif">)", ElementKind::Image, {"a.gif", 0}},
        {"value only in a later tag",
         R"(<IMG ALT="1"><IMG SRC="a.gif">)",
         ElementKind::Image,
         {"a.gif", 0}},
        {"image now has a SRC, the clip is not its entry",
         R"(<IMG SRC="s.gif" DYNSRC="v.avi">)",
         ElementKind::Image,
         {"v.avi", 0}},
        {"tag now inside a comment",
         R"(<!-- <IMG SRC="a.gif"> -->)",
         ElementKind::Image,
         {"a.gif", 5}},
        {"tag of another kind", R"(<APPLET CODE="a.gif">)", ElementKind::Image, {"a.gif", 0}},
        {"applet value changed", R"(<APPLET CODE="D">)", ElementKind::Applet, {"C", 0}},
        {"link without its closing tag",
         R"(<A HREF="x.htm">Home)",
         ElementKind::Link,
         {"x.htm", 0}},
        {"link closed only after the next link",
         "<a href=x>1<a href=y>2</a>",
         ElementKind::Link,
         {"x", 0}},
        {"empty value", R"(<A HREF="">x</A>)", ElementKind::Link, {"", 0}},
        {"tag never ends", R"(<IMG SRC="a.gif")", ElementKind::Image, {"a.gif", 0}},
    };
    for (const auto &c : cases)
        EXPECT_FALSE(LocateElement(c.text, c.kind, c.record).has_value()) << c.name;
}

TEST(Reedit, ElementUnderAClick)
{
    // The IMG tag spans 22-38, the link 3-42, the applet tag 44-58.
    const std::string text = R"(<P><A HREF="x.htm">go <IMG SRC="a.gif"></A> <APPLET CODE=C></P>)";
    struct Case
    {
        std::size_t position;
        std::optional<ElementKind> kind;
        ElementRecord record;
    };
    const Case cases[] = {
        {0, std::nullopt, {}},
        {3, ElementKind::Link, {"x.htm", 3}},
        {20, ElementKind::Link, {"x.htm", 3}},
        {22, ElementKind::Image, {"a.gif", 22}},
        {38, ElementKind::Image, {"a.gif", 22}},
        {39, ElementKind::Link, {"x.htm", 3}},
        {42, ElementKind::Link, {"x.htm", 3}},
        {43, std::nullopt, {}},
        {44, ElementKind::Applet, {"C", 44}},
        {60, std::nullopt, {}},
        {999, std::nullopt, {}},
    };
    for (const auto &c : cases) {
        const auto found = ElementAt(text, c.position);
        ASSERT_EQ(found.has_value(), c.kind.has_value()) << c.position;
        if (!found)
            continue;
        EXPECT_EQ(found->kind, *c.kind) << c.position;
        EXPECT_EQ(found->record, c.record) << c.position;
    }
    // A link left open is no element to reopen.
    EXPECT_FALSE(ElementAt("<a href=x>open", 12).has_value());
}
