#include "recordprinting.h"
#include "scanner.h"

#include <gtest/gtest.h>

#include <random>

using namespace tarnel;

namespace {

using Records = std::vector<ElementRecord>;

struct ScanCase
{
    const char *name;
    std::string text;
    Records images;
    Records applets = {};
    Records links = {};
};

void ExpectScan(const ScanCase &c)
{
    const PageElements found = ScanElements(c.text);
    EXPECT_EQ(found.images, c.images) << c.name;
    EXPECT_EQ(found.applets, c.applets) << c.name;
    EXPECT_EQ(found.links, c.links) << c.name;
}

// Every listed entry must point at the "<" of a real tag of its kind that carries the value.
void ExpectRecordsPointAtTheirTags(const std::string &text, const char *context)
{
    const PageElements found = ScanElements(text);
    const auto check = [&](const Records &records, std::string_view tag,
                           std::initializer_list<std::string_view> attributes) {
        for (const auto &record : records) {
            ASSERT_LT(record.index, text.size()) << context;
            EXPECT_EQ(text[record.index], '<') << context;
            EXPECT_TRUE(StartTagAt(text, record.index, tag)) << context << " at " << record.index;
            bool carried = false;
            for (const auto attribute : attributes)
                carried = carried || TagValue(text, record.index, attribute) == record.value;
            EXPECT_TRUE(carried) << context << ": " << record.value << " at " << record.index;
        }
    };
    check(found.images, "img", {"src", "dynsrc"});
    check(found.applets, "applet", {"code"});
    check(found.links, "a", {"href"});
}

} // namespace

TEST(Scanner, ListsWhatABrowserSeesAsTags)
{
    const ScanCase cases[] = {
        {"two images follow each other",
         R"(<IMG SRC="a.gif"><IMG SRC="b.gif">)",
         {{"a.gif", 0}, {"b.gif", 17}}},
        {"an image without SRC is skipped, the scan goes on",
         R"(<IMG SRC="a.gif"><IMG ALT="x"><IMG SRC="c.gif">)",
         {{"a.gif", 0}, {"c.gif", 30}}},
        {"SRC of a later tag is not read into an earlier one",
         R"(<IMG WIDTH="1"> <IMG SRC="b.gif">)",
         {{"b.gif", 16}}},
        {"lower case and single quotes", "<img src='a.gif'>", {{"a.gif", 0}}},
        {"unquoted value ends at a blank", "<img src=a.gif width=3>", {{"a.gif", 0}}},
        {"unquoted value ends at >", "<p><img src=a.gif></p>", {{"a.gif", 3}}},
        {"blanks around the equals sign", "<img src = \"a.gif\" >", {{"a.gif", 0}}},
        {"line break after the tag name", "<IMG\r\nSRC=\"a.gif\">", {{"a.gif", 0}}},
        {"tab after the tag name", "<IMG\tSRC=\"a.gif\">", {{"a.gif", 0}}},
        {"slash after the tag name", "<img/src=\"a.gif\">", {{"a.gif", 0}}},
        {"self-closing image", "<img src=\"a.gif\"/>", {{"a.gif", 0}}},
        {"a slash ends an unquoted value's text only at a blank",
         "<img src=a.gif/>",
         {{"a.gif/", 0}}},
        {"video clip listed by DYNSRC", R"(<IMG  DYNSRC="v.avi">)", {{"v.avi", 0}}},
        {"an empty SRC does not hide the clip", R"(<IMG SRC="" DYNSRC="v.avi">)", {{"v.avi", 0}}},
        {"SRC wins over DYNSRC", R"(<IMG DYNSRC="v.avi" SRC="s.gif">)", {{"s.gif", 0}}},
        {"SRC is no match for the end of LOWSRC", R"(<IMG LOWSRC="l.gif">)", {}},
        {"an empty value is skipped", R"(<IMG SRC=""><IMG SRC="b.gif">)", {{"b.gif", 12}}},
        {"the first of two SRC counts", R"(<img src="a.gif" src="b.gif">)", {{"a.gif", 0}}},
        {"&quot; reads as a double quote",
         R"(<IMG SRC="say &quot;hi&quot;.gif">)",
         {{R"(say "hi".gif)", 0}}},
        {"> inside a double-quoted value", R"(<IMG ALT="a>b" SRC="x.gif">)", {{"x.gif", 0}}},
        {"> inside a single-quoted value", R"(<a title='1>0' href=x.htm>)", {}, {}, {{"x.htm", 0}}},
        {"a quote inside an unquoted value opens nothing",
         R"(<a title=x"y href=z.htm>)",
         {},
         {},
         {{"z.htm", 0}}},
        {"a tag the text ends in is no tag", R"(<IMG SRC="a.gif")", {}},
        {"an unclosed quote runs to the end", R"(<A HREF="x.htm>)", {}},
        {"a lone < is text", "a < b <img src=x.gif>", {{"x.gif", 6}}},
        {"names with more letters are other tags",
         R"(<IMGX SRC="a"><AREA HREF="m.htm"><ABBR><APPLETS CODE="c"><LINK HREF="s.css">)",
         {}},
        {"an applet is not a link", R"(<APPLET CODE="C.class">)", {}, {{"C.class", 0}}},
        {"names in any case",
         R"(<a HrEf="x.htm"><Applet Code=C.class>)",
         {},
         {{"C.class", 16}},
         {{"x.htm", 0}}},
        {"a link without HREF is an anchor",
         R"(<A NAME="top"><A HREF="#top">)",
         {},
         {},
         {{"#top", 14}}},
    };
    for (const auto &c : cases)
        ExpectScan(c);
}

TEST(Scanner, NothingInCommentsScriptsAndOtherTextContent)
{
    const ScanCase cases[] = {
        {"comment", R"(<!-- <IMG SRC="a.gif"> --><IMG SRC="b.gif">)", {{"b.gif", 26}}},
        {"two dashes inside a comment do not end it",
         "<!-- a -- <img src=a> --><img src=b>",
         {{"b", 25}}},
        {"--!> ends a comment", "<!-- x --!><img src=d>", {{"d", 11}}},
        {"<!--> is a whole empty comment", "<!--><img src=e>", {{"e", 5}}},
        {"<!---> is one too", "<!---><img src=e>", {{"e", 6}}},
        {"an unclosed comment runs to the end", "<!-- <img src=a>", {}},
        {"conditional comment",
         R"(<!--[if IE]><img src="ie.gif"><![endif]--><img src=f>)",
         {{"f", 42}}},
        {"doctype and processing instruction are no tags",
         R"(<?xml version="1.0"?><!DOCTYPE html><img src=g>)",
         {{"g", 36}}},
        {"script string is not a link",
         R"(<SCRIPT>var s = "<a href=" + x + ">";</SCRIPT><A HREF="y.htm">)",
         {},
         {},
         {{"y.htm", 46}}},
        {"script ends only at its own end tag",
         "<script>'</scriptx><img src=q>'</script ><img src=r>",
         {{"r", 41}}},
        {"style", "<style>/* <img src=a> */</style><img src=b>", {{"b", 32}}},
        {"textarea", "<textarea><img src=a></textarea><img src=b>", {{"b", 32}}},
        {"iframe fallback", "<iframe src=f.htm><img src=a></iframe><img src=b>", {{"b", 38}}},
        {"script end tag in upper case", "<script></SCRIPT><img src=b>", {{"b", 17}}},
    };
    for (const auto &c : cases)
        ExpectScan(c);
}

TEST(Scanner, TagEndAndRange)
{
    const std::pair<std::string, std::size_t> cases[] = {
        {R"(<IMG SRC="a.gif">)", 17},
        {R"(<IMG ALT="a>b">)", 15},
        {R"(<IMG ALT='a>b'>)", 15},
        {"<a\nhref=x>", 10},
        {"</A >", 5},
        {"<!DOCTYPE html>", 15},
        {R"(<IMG SRC="a.gif")", NoTagEnd},
        {R"(<IMG ALT="a>)", NoTagEnd},
    };
    for (const auto &[text, end] : cases)
        EXPECT_EQ(TagEnd(text, 0), end) << text;
    EXPECT_EQ(TagEnd("x<b>", 0), NoTagEnd);
    EXPECT_EQ(TagRange("ab<b>cd", 2), (TextRange{2, 5}));
    EXPECT_EQ(TagRange("ab<b>cd", 1), std::nullopt);
    EXPECT_EQ(TagRange("<b", 0), std::nullopt);
}

TEST(Scanner, TagValueReadsWholeNamesInsideTheTag)
{
    const std::string text =
        R"(<IMG DYNSRC="v.avi" width=10 ALT='a "b"' hspace> <IMG SRC="b.gif">)";
    EXPECT_EQ(TagValue(text, 0, "SRC"), "");
    EXPECT_EQ(TagValue(text, 0, "dynsrc"), "v.avi");
    EXPECT_EQ(TagValue(text, 0, "WIDTH"), "10");
    EXPECT_EQ(TagValue(text, 0, "alt"), "a \"b\"");
    EXPECT_EQ(TagValue(text, 0, "HSPACE"), "");
    EXPECT_EQ(TagValue(text, 49, "SRC"), "b.gif");
    EXPECT_EQ(TagValue(text, 1, "SRC"), "");
    EXPECT_EQ(TagValue("</a href=x>", 0, "href"), "");
}

TEST(Scanner, TagAttributesKeepTheirText)
{
    const std::string text = R"(<img  src="a.gif" nowrap id=top alt = 'x'>)";
    const auto attributes = TagAttributes(text, 0);
    ASSERT_EQ(attributes.size(), 4u);
    const char *expected[] = {R"(src="a.gif")", "nowrap", "id=top", "alt = 'x'"};
    for (std::size_t i = 0; i < attributes.size(); ++i) {
        const auto &a = attributes[i];
        EXPECT_EQ(text.substr(a.begin, a.end - a.begin), expected[i]);
    }
    EXPECT_EQ(attributes[0].value, "a.gif");
    EXPECT_EQ(attributes[3].name, "alt");
    EXPECT_EQ(attributes[3].value, "x");
}

TEST(Scanner, LinkElementRange)
{
    struct Case
    {
        const char *name;
        std::string text;
        std::size_t start;
        std::optional<TextRange> range;
    };
    const Case cases[] = {
        {"text link", R"(<A HREF="x.htm">Home</A>)", 0, TextRange{0, 24}},
        {"closing tag in lower case with a blank", "<a href=x>Home</a >\n", 0, TextRange{0, 19}},
        {"</APPLET> does not close the link", R"(<A HREF="g.htm"><APPLET CODE="C"></APPLET></A>)",
         0, TextRange{0, 46}},
        {"a </A> inside a comment does not close it", "<a href=x>a<!-- </a> -->b</a>", 0,
         TextRange{0, 29}},
        {"no closing tag", R"(<A HREF="x">no end)", 0, std::nullopt},
        {"the next link starts first", "<a href=x>one <a href=y>two</a>", 0, std::nullopt},
        {"the second of them is whole", "<a href=x>one <a href=y>two</a>", 14, TextRange{14, 31}},
        {"not at a link", "<abbr>x</a>", 0, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LinkElementRange(c.text, c.start), c.range) << c.name;
}

TEST(Scanner, StartTagAtSeesOnlyRealTags)
{
    const std::string text = R"(<!-- <img src=a> --><p title="<img src=b>"><img src=c>)";
    EXPECT_FALSE(StartTagAt(text, 5, "img"));
    EXPECT_FALSE(StartTagAt(text, 30, "img"));
    EXPECT_TRUE(StartTagAt(text, 43, "img"));
    EXPECT_FALSE(StartTagAt(text, 43, "a"));
}

TEST(Scanner, ImageSourceOfTellsClipsFromImages)
{
    const std::string text = R"(<IMG SRC="a.gif" DYNSRC="v.avi"><IMG DYNSRC="w.avi">)";
    EXPECT_EQ(ImageSourceOf(text, {"a.gif", 0}), ImageSourceAttribute::Src);
    EXPECT_EQ(ImageSourceOf(text, {"v.avi", 0}), std::nullopt);
    EXPECT_EQ(ImageSourceOf(text, {"w.avi", 32}), ImageSourceAttribute::DynSrc);
    EXPECT_EQ(ImageSourceOf(text, {"w.avi", 0}), std::nullopt);
}

TEST(Scanner, EveryIndexPointsAtATagHoldingItsValue)
{
    // Pages pieced together at random from fragments that trip naive scanners, then cut
    // at every length: no entry may point anywhere but at its own tag.
    const std::vector<std::string> fragments = {"<IMG SRC=\"a.gif\">",
                                                "<img src='b.gif'>",
                                                "<img src=c.gif>",
                                                "<IMG DYNSRC=v.avi>",
                                                "<a href=\"x.htm\">",
                                                "</a>",
                                                "<APPLET CODE=C.class>",
                                                "</applet>",
                                                "<!-- ",
                                                " -->",
                                                "<script>",
                                                "</script>",
                                                "<style>",
                                                "</style>",
                                                "\"",
                                                "'",
                                                ">",
                                                "<",
                                                " text ",
                                                "<p title=\"<img src=t.gif>\">",
                                                "<img alt=\"a>b\" src=d.gif>",
                                                "<!--",
                                                "-->",
                                                "\r\n",
                                                "<textarea>",
                                                "</textarea>",
                                                "&quot;",
                                                "<a href='y.htm' src=n>",
                                                "="};
    std::mt19937 random(8);
    std::uniform_int_distribution<std::size_t> pick(0, fragments.size() - 1);
    for (int page = 0; page < 200; ++page) {
        std::string text;
        for (int piece = 0; piece < 40; ++piece)
            text += fragments[pick(random)];
        for (std::size_t length = 0; length <= text.size(); length += 7) {
            const std::string prefix = text.substr(0, length);
            ExpectRecordsPointAtTheirTags(prefix, prefix.c_str());
            if (HasFailure())
                return;
        }
    }
}
