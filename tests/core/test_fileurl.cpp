#include "fileurl.h"

#include <gtest/gtest.h>

using namespace tarnel;

TEST(FileUrl, OnlyLocalFileUrlsPass)
{
    struct Case
    {
        const char *url;
        std::optional<std::string> path;
    };
    const Case cases[] = {
        {"file:///tmp/page.htm", "/tmp/page.htm"},
        {"file://localhost/tmp/a%20b.htm", "/tmp/a b.htm"},
        {"file:///tmp/-rf.htm", "/tmp/-rf.htm"},
        {"file:///tmp/%E4%F6.htm", "/tmp/\xe4\xf6.htm"},
        {"file://otherhost/tmp/page.htm", std::nullopt},
        {"file:tmp/page.htm", std::nullopt},
        {"--help", std::nullopt},
        {"http://example.com/", std::nullopt},
        {"file:///tmp/page.htm?x=1", std::nullopt},
        {"file:///tmp/page.htm#top", std::nullopt},
        {"file:///tmp/a%00b", std::nullopt},
        {"file:///tmp/a%0Ab", std::nullopt},
        {"file:///tmp/a\nb", std::nullopt},
        {"file:///tmp/a%zzb", std::nullopt},
        {"file:///tmp/a%4", std::nullopt},
        {"FILE:///tmp/page.htm", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(LocalFileOfUrl(c.url), c.path) << c.url;
}
