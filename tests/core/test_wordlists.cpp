#include "wordlists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

using namespace tarnel;

namespace {

std::vector<std::string> WordsAsWritten(std::string_view list)
{
    std::vector<std::string> words;
    std::string word;
    for (const char c : list.substr(1)) {
        if (c == ' ') {
            words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

bool Listed(std::string_view list, std::string_view word)
{
    return list.find(" " + std::string(word) + " ") != std::string_view::npos;
}

} // namespace

TEST(WordLists, FramedByOneBlankWithSingleBlanksBetween)
{
    for (const std::string_view list : {TagNameList(), AttributeNameList()}) {
        ASSERT_GE(list.size(), 3u);
        EXPECT_EQ(list.front(), ' ');
        EXPECT_EQ(list.back(), ' ');
        EXPECT_EQ(list.find("  "), std::string_view::npos);
        for (const auto &word : WordsAsWritten(list)) {
            EXPECT_FALSE(word.empty());
            EXPECT_TRUE(std::none_of(word.begin(), word.end(), ::islower)) << word;
        }
    }
}

TEST(WordLists, MisspelledAndJoinedEntriesAreMended)
{
    struct Case
    {
        std::string_view list;
        const char *word;
        bool listed;
    };
    const Case cases[] = {
        {TagNameList(), "BR", true},
        {TagNameList(), "Br", false},
        {TagNameList(), "BRMETA", false},
        {TagNameList(), "MAREQUEE", false},
        {TagNameList(), "MARQUEE", true},
        {TagNameList(), "META", true},
        {TagNameList(), "HN", false},
        {TagNameList(), "H1", true},
        {TagNameList(), "H6", true},
        {TagNameList(), "!DOCUMENT", false},
        {TagNameList(), "!DOCTYPE", true},
        {TagNameList(), "/LEGENDBUTTON", false},
        {TagNameList(), "/LEGEND", true},
        {TagNameList(), "BUTTON", true},
        {AttributeNameList(), "DNGBAT", false},
        {AttributeNameList(), "DINGBAT", true},
        {AttributeNameList(), "CELLPADING", false},
        {AttributeNameList(), "CELLPADDING", true},
        {AttributeNameList(), "BEHAVIOUR", false},
        {AttributeNameList(), "BEHAVIOR", true},
        {AttributeNameList(), "FRAMEORDER", false},
        {AttributeNameList(), "FRAMEBORDER", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Listed(c.list, c.word), c.listed) << c.word;
}

TEST(WordLists, TodaysElementsAndAttributesAreListed)
{
    for (const auto &tag :
         WordsAsWritten(" SECTION ARTICLE NAV HEADER FOOTER MAIN ASIDE FIGURE FIGCAPTION"
                        " SPAN STYLE TEXTAREA VIDEO AUDIO SOURCE TRACK CANVAS PICTURE"
                        " TEMPLATE DETAILS SUMMARY DIALOG OPTGROUP "))
        EXPECT_TRUE(Listed(TagNameList(), tag)) << tag;
    for (const auto &name : WordsAsWritten(
             " ID LANG DIR TITLE CHARSET PLACEHOLDER REQUIRED AUTOFOCUS AUTOPLAY CONTROLS MUTED"
             " POSTER PRELOAD SRCSET SIZES LOADING DOWNLOAD CONTENTEDITABLE DRAGGABLE"
             " SPELLCHECK ONCLICK ONINPUT ONKEYDOWN ONKEYUP ONMOUSEOVER ONMOUSEOUT "))
        EXPECT_TRUE(Listed(AttributeNameList(), name)) << name;
}

TEST(WordLists, CompletionEntriesAreEveryNameOnceSorted)
{
    const auto &entries = CompletionEntries();
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end()));
    EXPECT_EQ(std::adjacent_find(entries.begin(), entries.end()), entries.end());
    EXPECT_TRUE(
        std::none_of(entries.begin(), entries.end(), [](std::string_view e) { return e.empty(); }));
    std::set<std::string> expected;
    for (const std::string_view list : {TagNameList(), AttributeNameList()})
        for (const auto &word : WordsAsWritten(list))
            expected.insert(word);
    EXPECT_EQ(entries.size(), expected.size());
    EXPECT_EQ(std::count(entries.begin(), entries.end(), "LINK"), 1);
    EXPECT_EQ(std::count(entries.begin(), entries.end(), "HREF=URL"), 1);
}
