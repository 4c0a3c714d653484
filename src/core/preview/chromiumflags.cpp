#include "chromiumflags.h"

#include <cctype>

namespace tarnel {

namespace {

// "--webEngineArgs" only marks where the browser's switches start on the command line.
bool IsSwitch(const std::string &argument)
{
    return argument.size() > 2 && argument.compare(0, 2, "--") == 0 &&
           argument != "--webEngineArgs" && argument.find_first_of(" \t\r\n") == std::string::npos;
}

// Whether `flags` holds `word` whole, blanks inside it included.
bool Holds(std::string_view flags, std::string_view word)
{
    for (std::size_t at = flags.find(word); at != std::string_view::npos;
         at = flags.find(word, at + 1)) {
        const std::size_t end = at + word.size();
        if ((at == 0 || std::isspace(static_cast<unsigned char>(flags[at - 1]))) &&
            (end == flags.size() || std::isspace(static_cast<unsigned char>(flags[end]))))
            return true;
    }
    return false;
}

} // namespace

const std::vector<std::string> &PreviewChromiumSwitches()
{
    static const std::vector<std::string> switches = {
        "--force-webrtc-ip-handling-policy=disable_non_proxied_udp",
        "--disable-blink-features=WebTransport",
        // No name is looked up for a page (a TURN server's name would carry data out through
        // the resolver even with no socket of the browser's own). Qt WebEngine reads quoted
        // values of QTWEBENGINE_CHROMIUM_FLAGS as one argument.
        "--host-resolver-rules=\"MAP * ~NOTFOUND\"",
    };
    return switches;
}

std::string ChromiumFlags(std::string_view existing, const std::vector<std::string> &arguments)
{
    // The existing value stays as written (it may hold quoted values); switches are added
    // after it, the editor's own last so that they win over an earlier value of the same one.
    std::string joined(existing);
    while (!joined.empty() && std::isspace(static_cast<unsigned char>(joined.back())))
        joined.pop_back();
    auto add = [&](const std::string &word) {
        if (Holds(joined, word))
            return;
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
