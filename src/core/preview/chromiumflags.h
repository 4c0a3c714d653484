#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// The Chromium switches every embedded browser of the editor runs with: no WebRTC over plain
// UDP, no WebTransport and no name look-ups. They narrow what a previewed page can try; the
// network namespace the editor runs in is what keeps everything in.
const std::vector<std::string> &PreviewChromiumSwitches();

// The value for QTWEBENGINE_CHROMIUM_FLAGS: the variable's existing value, then the
// Chromium switches ("--name" or "--name=value") given on the command line (setting the
// variable makes WebEngine ignore the command line), then `PreviewChromiumSwitches()`.
// Switches already present are not repeated; other arguments, and everything after "--",
// are left out.
std::string ChromiumFlags(std::string_view existing, const std::vector<std::string> &arguments);

} // namespace tarnel
