#include "attributes.h"
#include "filepaths.h"

#include <gtest/gtest.h>

using namespace tarnel;

TEST(AttributeList, WritesNonEmptyFieldsInOrder)
{
    AttributeList list;
    list.Add("SRC", "a.gif").Add("ALIGN", "").Add("ALT", "say \"hi\"").Add("TITLE", "  ");
    EXPECT_EQ(list.Text(), " SRC=\"a.gif\" ALT=\"say &quot;hi&quot;\" TITLE=\"  \"");
    EXPECT_TRUE(AttributeList().Add("X", "").Empty());
}

TEST(FilePaths, BrowsedPath)
{
    const struct
    {
        const char *page, *chosen, *expected;
    } cases[] = {
        {"", "/home/u/pics/a.gif", "/home/u/pics/a.gif"},
        {"/home/u/site/index.htm", "/home/u/site/pics/logo.gif", "pics/logo.gif"},
        {"/home/u/site/index.htm", "/home/u/site/a.gif", "a.gif"},
        {"/home/u/site/index.htm", "/home/u/other/a.gif", "/home/u/other/a.gif"},
        {"/home/u/site/index.htm", "/home/u/site2/a.gif", "/home/u/site2/a.gif"},
        {"/home/u/site/index.htm", "/home/u/site/../x/a.gif", "/home/u/site/../x/a.gif"},
        {"/home/u/site/index.htm", "", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BrowsedPath(c.page, c.chosen), c.expected) << c.page << " + " << c.chosen;
}

TEST(FilePaths, RelativeFileUrl)
{
    const struct
    {
        const char *chosen, *expected;
    } cases[] = {
        {"/home/u/site/pics/logo.gif", "pics/logo.gif"},
        {"/home/u/other/a.gif", "../other/a.gif"},
        {"/home/u/site/my pic#1 (a&b).gif", "my%20pic%231%20%28a%26b%29.gif"},
        {"/home/u/site/caf\xC3\xA9.gif", "caf\xC3\xA9.gif"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(RelativeFileUrl("/home/u/site/index.htm", c.chosen), c.expected) << c.chosen;
    EXPECT_EQ(WithNonAsciiEscaped("caf\xC3\xA9 \xE2\x82\xAC%20.gif"), "caf%C3%A9 %E2%82%AC%20.gif");
}

TEST(FilePaths, ConvertFileFilter)
{
    EXPECT_EQ(ConvertFileFilter(" All Files (*.*)|*.*||"), "All Files (*.*)");
    EXPECT_EQ(ConvertFileFilter("Images (*.gif;*.jpg)|*.gif;*.jpg|All Files (*.*)|*.*||"),
              "Images (*.gif *.jpg);;All Files (*.*)");
    EXPECT_EQ(ConvertFileFilter("Sounds|*.wav;*.mid||"), "Sounds (*.wav *.mid)");
}
