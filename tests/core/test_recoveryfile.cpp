#include "recoveryfile.h"

#include <gtest/gtest.h>

using namespace tarnel;

TEST(RecoveryFile, AnyPageRoundTrips)
{
    const RecoveredPage pages[] = {
        {"", "Untitled", ""},
        {"/home/a/page.htm", "page.htm", "<HTML>\r\n<BODY>\r\n</BODY>"},
        {"/tmp/odd\nname 12\n.htm", "odd\nname", std::string("\0\xff\r\ntext 3\n", 11)},
        {"/p", "t", "ends in a line feed\n"},
    };
    for (const RecoveredPage &page : pages) {
        const auto parsed = ParseRecoveryFile(RecoveryFileText(page));
        ASSERT_TRUE(parsed.has_value()) << page.path;
        EXPECT_EQ(*parsed, page);
    }
}

TEST(RecoveryFile, AnythingButAWholeCopyIsRefused)
{
    const std::string whole = RecoveryFileText({"/a.htm", "a.htm", "<P>hello</P>"});
    const std::string refused[] = {
        "",
        "<HTML></HTML>",
        whole.substr(0, whole.size() - 1),                     // cut off before the last line feed
        whole.substr(0, whole.size() - 5),                     // cut off inside the text
        whole + "more",                                        // something after the text
        "TARNEL RECOVERY 1\npath x\n\n",                       // a length that is no number
        "TARNEL RECOVERY 1\npath 99999999999999999999999\n",   // a length past any size
        "TARNEL RECOVERY 2\npath 0\n\ntitle 0\n\ntext 0\n\n",  // a later format
        "TARNEL RECOVERY 1\npath 00\n\ntitle 0\n\ntext 0\n\n", // a length with a leading zero
    };
    for (const std::string &bytes : refused)
        EXPECT_EQ(ParseRecoveryFile(bytes), std::nullopt) << bytes;
}
