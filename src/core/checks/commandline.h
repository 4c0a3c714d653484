#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// What a command line without --check asks of the window, read before any window library is
// loaded, so that a wrong line is answered the same with or without a display.
struct WindowCommandLine
{
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    // The pages to open, absolute and in the order given: paths and "file:" URLs alike.
    std::vector<std::string> pages;
    // For an Error, the message (without the program's name).
    std::string error;
    // The platform Qt was told on the command line (-platform offscreen), empty for none.
    std::string platform;
};

// Reads the arguments (without the program's name); relative paths are taken against
// `workingFolder`. Qt's own options and their values are skipped (QApplication takes them), and
// so are the "--switch"es after "--webEngineArgs" (the embedded browser's); "--" ends the
// options.
WindowCommandLine ReadWindowCommandLine(const std::vector<std::string> &arguments,
                                        std::string_view workingFolder);

// Why there is no display to open the window on, or empty when there may be one: the X11
// platform needs DISPLAY, Wayland WAYLAND_DISPLAY, and Qt's choice (no platform given on the
// command line or in QT_QPA_PLATFORM) either; other platforms (offscreen) none. `variable`
// answers what an environment variable holds (nullptr when it is not set).
std::string NoDisplayReason(const std::function<const char *(const char *name)> &variable,
                            std::string_view platform);

} // namespace tarnel
