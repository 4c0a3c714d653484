#include "tagpairs.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

using namespace tarnel;

namespace {

// The page with "|" marking the caret, and the name the partner should be at, as the
// bytes of the partner's name with its offset found from a "^" in a second copy.
struct PairCase
{
    const char *name;
    std::string page;    // "|" marks the caret
    std::string partner; // the page with "^" before the partner's name; "" for none
};

std::optional<TagNameSpan> PartnerAtCaret(std::string page)
{
    const std::size_t caret = page.find('|');
    page.erase(caret, 1);
    const std::optional<TagNameSpan> tag = TagNameAt(page, caret);
    return tag ? PartnerOf(page, *tag) : std::nullopt;
}

} // namespace

TEST(TagPairs, PartnerOfTheTagAtTheCaret)
{
    const PairCase cases[] = {
        {"opening to closing", "<P|>a</P>", "<P>a</^P>"},
        {"closing to opening", "<P>a</P|>", "<^P>a</P>"},
        {"caret at the name's start", "<|div>x</DIV>", "<div>x</^DIV>"},
        {"nested same name", "<DIV|><div>a</div></DIV>", "<DIV><div>a</div></^DIV>"},
        {"inner of nested", "<div><DIV|>a</DIV></div>", "<div><DIV>a</^DIV></div>"},
        {"comment skipped", "<B|><!-- </B> --></B>", "<B><!-- </B> --></^B>"},
        {"other elements between", "<P|><B>a</B><I>b</I></P>", "<P><B>a</B><I>b</I></^P>"},
        {"unclosed after it", "<P|>a<P>b</P>", ""},
        {"closing pairs with the last unclosed", "<P>a<P>b</P|>", "<P>a<^P>b</P>"},
        {"stray closing tag", "a</P|>", ""},
        {"void element", "<IMG| SRC=a>", ""},
        {"self-closed", "<x|/>a</x>", ""},
        {"caret in an attribute", "<P a|b>a</P>", ""},
        {"caret in text", "a|b<P></P>", ""},
        {"unterminated comment", "<B|><!-- </B>", ""},
    };
    for (const PairCase &c : cases) {
        const std::optional<TagNameSpan> partner = PartnerAtCaret(c.page);
        if (c.partner.empty()) {
            EXPECT_FALSE(partner) << c.name;
            continue;
        }
        ASSERT_TRUE(partner) << c.name;
        EXPECT_EQ(partner->start, c.partner.find('^')) << c.name;
    }
}

TEST(TagPairs, ClosingTagToInsertAfterTypedGreaterThan)
{
    struct Case
    {
        const char *name;
        std::string before, after, inserted;
    };
    const Case cases[] = {
        {"plain opening tag", "<P>", "", "</P>"},
        {"spelled as opened", "<div class=x>", "", "</div>"},
        {"closing tag already follows", "<P>", "</P>", ""},
        {"closing tag after blanks", "<B>", "  </b> x", ""},
        {"a longer name follows", "<P>", "</PRE>", "</P>"},
        {"void element", "<IMG SRC=a>", "", ""},
        {"void element any case", "<br>", "", ""},
        {"self-closed", "<x/>", "", ""},
        {"closing tag", "</P>", "", ""},
        {"comment", "<!-- a -->", "", ""},
        {"> in text", "a > b>", "", ""},
        {"not after >", "<P", "", ""},
        {"a > inside a quoted value ends nothing", "<p title=\"a>", "\">", ""},
        {"the tag's own > after a quoted one", "<p title=\"a>b\">", "", "</p>"},
    };
    for (const Case &c : cases) {
        const std::string page = c.before + c.after;
        EXPECT_EQ(ClosingTagToInsert(page, c.before.size()), c.inserted) << c.name;
    }
    // Told where the tag began, a "<" inside its value is not taken for it.
    const std::string page = "<p title=\"a<b\">";
    EXPECT_EQ(ClosingTagToInsert(page, page.size()), "</b>");
    EXPECT_EQ(ClosingTagToInsert(page, page.size(), 0), "</p>");
}

TEST(TagPairs, AClosingTagTypedAgainstTheSameOneAfterIt)
{
    struct Case
    {
        const char *name;
        std::string before, after;
        std::size_t repeated; // bytes of `after` the typed tag repeats, 0 for none
        const char *indent = "";
    };
    const Case cases[] = {
        {"the same tag follows", "<b>x</b>", "</b>.", 4},
        {"in another letter case", "<p>x</P>", "</p>", 4},
        {"another tag follows", "<b>x</b>", "</i>", 0},
        {"a longer name follows", "<b>x</b>", "</br>", 0},
        {"nothing follows", "<b>x</b>", "", 0},
        {"an opening tag was typed", "<b>", "</b>", 0},
        {"text before the >", "a>", "</b>", 0},
        {"on the next line", "<ul>\n\t<li>x</li>\n\t</ul>", "\r\n  </ul>", 9, "  "},
        {"two lines down", "<ul>\n\t</ul>", "\n\n</ul>", 0},
        {"text before it on the next line", "<ul>\n\t</ul>", "\nx</ul>", 0},
        {"blanks before the line break", "<ul>\n\t</ul>", " \n</ul>", 0},
    };
    for (const Case &c : cases) {
        const std::string text = c.before + c.after; // the found indent points into it
        const auto found = RepeatedClosingTagAfter(text, c.before.size());
        EXPECT_EQ(found ? found->end - c.before.size() : 0, c.repeated) << c.name;
        EXPECT_EQ(found ? found->indent : "", c.indent) << c.name;
    }
}

TEST(TagPairs, MalformedPagesAnswerQuicklyWithoutGuessing)
{
    std::string deep;
    for (int i = 0; i < 10000; ++i)
        deep += "<DIV>";
    std::string hugeTag = "<P title=\"" + std::string(1 << 20, 'x') + "\">a";
    std::string unended;
    for (int i = 0; i < 20000; ++i)
        unended += "<P a=";
    struct Case
    {
        const char *name;
        const std::string &page;
        std::size_t caret;
    };
    for (const Case &c : {Case{"10,000 deep, unclosed", deep, 2}, Case{"1 MB tag", hugeTag, 2},
                          Case{"tags never ended", unended, 2}}) {
        const auto started = std::chrono::steady_clock::now();
        const std::optional<TagNameSpan> tag = TagNameAt(c.page, c.caret);
        ASSERT_TRUE(tag) << c.name;
        EXPECT_FALSE(PartnerOf(c.page, *tag)) << c.name;
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(100))
            << c.name;
    }
    std::string closedDeep = deep;
    for (int i = 0; i < 10000; ++i)
        closedDeep += "</DIV>";
    const std::optional<TagNameSpan> partner = PartnerOf(closedDeep, *TagNameAt(closedDeep, 2));
    ASSERT_TRUE(partner);
    EXPECT_EQ(partner->start, closedDeep.size() - 4);
}
