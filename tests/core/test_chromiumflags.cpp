#include "chromiumflags.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {
const std::string kOwn = "--force-webrtc-ip-handling-policy=disable_non_proxied_udp "
                         "--disable-blink-features=WebTransport "
                         "--host-resolver-rules=\"MAP * ~NOTFOUND\"";
}

TEST(ChromiumFlags, AppendsSwitchesKeepingWhatWasThere)
{
    struct Case
    {
        const char *name;
        std::string existing;
        std::vector<std::string> arguments;
        std::string expected;
    };
    const Case cases[] = {
        {"nothing set", "", {}, kOwn},
        {"existing value kept as written", "--foo=\"a b\"  ", {}, "--foo=\"a b\" " + kOwn},
        {"command-line switches carried over",
         "",
         {"--remote-debugging-port=9222", "page.htm", "-platform", "offscreen"},
         "--remote-debugging-port=9222 " + kOwn},
        {"the separator is not passed on",
         "",
         {"--webEngineArgs", "--disable-gpu"},
         "--disable-gpu " + kOwn},
        {"nothing after \"--\"", "", {"--", "--odd-page-name.htm"}, kOwn},
        {"no repeats", kOwn, {"--disable-blink-features=WebTransport"}, kOwn},
        {"an earlier policy is overridden by coming first",
         "--force-webrtc-ip-handling-policy=default",
         {},
         "--force-webrtc-ip-handling-policy=default " + kOwn},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ChromiumFlags(c.existing, c.arguments), c.expected) << c.name;
}
