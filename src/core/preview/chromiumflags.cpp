#include "chromiumflags.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace tarnel {

namespace {

bool IsSwitch(const std::string &argument)
{
    return argument.size() > 2 && argument.compare(0, 2, "--") == 0 &&
           argument.find_first_of(" \t\r\n") == std::string::npos;
}

} // namespace

const std::vector<std::string> &PreviewChromiumSwitches()
{
    static const std::vector<std::string> switches = {
        "--force-webrtc-ip-handling-policy=disable_non_proxied_udp",
        "--disable-blink-features=WebTransport",
    };
    return switches;
}

std::string ChromiumFlags(std::string_view existing, const std::vector<std::string> &arguments)
{
    // The existing value stays as written (it may hold quoted values); switches are added
    // after it, the editor's own last so that they win over an earlier value of the same one.
    std::vector<std::string> present;
    std::istringstream split{std::string(existing)};
    for (std::string word; split >> word;)
        present.push_back(word);
    std::string joined(existing);
    while (!joined.empty() && std::isspace(static_cast<unsigned char>(joined.back())))
        joined.pop_back();
    auto add = [&](const std::string &word) {
        if (std::find(present.begin(), present.end(), word) != present.end())
            return;
        present.push_back(word);
        if (!joined.empty())
            joined += ' ';
        joined += word;
    };
    for (const std::string &argument : arguments) {
        if (argument == "--")
            break;
        if (IsSwitch(argument))
            add(argument);
    }
    for (const std::string &word : PreviewChromiumSwitches())
        add(word);
    return joined;
}

} // namespace tarnel
