#include "commandline.h"

#include "fileurl.h"

#include <algorithm>
#include <filesystem>

namespace tarnel {

namespace {

// QGuiApplication's and QApplication's options, with one dash or two. Those here take the
// next argument as their value; "-style=fusion" and the like carry it themselves.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "name",          "title",
    "style",           "stylesheet",
};
constexpr std::string_view kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
constexpr std::string_view kQtOptionsWithEquals[] = {"style", "stylesheet", "qmljsdebugger",
                                                     "dialogs", "fontengine"};

template <std::size_t N> bool Lists(const std::string_view (&names)[N], std::string_view name)
{
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

// The option's name without its dashes; empty for an argument that is no option.
std::string_view OptionName(std::string_view argument)
{
    if (argument.size() < 2 || argument[0] != '-')
        return {};
    argument.remove_prefix(argument[1] == '-' ? 2 : 1);
    return argument;
}

bool IsQtOptionWithEquals(std::string_view name)
{
    const auto equals = name.find('=');
    return equals != std::string_view::npos && Lists(kQtOptionsWithEquals, name.substr(0, equals));
}

// "scheme://..." names something other than a file of this computer unless the scheme is file.
bool LooksLikeUrl(std::string_view argument)
{
    const auto colon = argument.find("://");
    if (colon == std::string_view::npos || colon == 0)
        return false;
    return std::all_of(argument.begin(), argument.begin() + colon, [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '+' || c == '-' || c == '.';
    });
}

WindowCommandLine Refused(std::string message)
{
    WindowCommandLine line;
    line.action = WindowCommandLine::Action::Error;
    line.error = std::move(message);
    return line;
}

} // namespace

WindowCommandLine ReadWindowCommandLine(const std::vector<std::string> &arguments,
                                        std::string_view workingFolder)
{
    namespace fs = std::filesystem;
    WindowCommandLine line;
    bool optionsEnded = false;
    bool browserSwitches = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        const std::string_view name = optionsEnded ? std::string_view() : OptionName(argument);
        if (argument == "--" && !optionsEnded) {
            optionsEnded = true;
        } else if (name == "webEngineArgs") {
            browserSwitches = true;
        } else if (browserSwitches && argument.rfind("--", 0) == 0) {
            continue; // the embedded browser's (ChromiumFlags hands them on)
        } else if (name == "h" || name == "help") {
            line.action = WindowCommandLine::Action::Help;
            return line;
        } else if (name == "v" || name == "version") {
            line.action = WindowCommandLine::Action::Version;
            return line;
        } else if (name == "advice") {
            return Refused("--advice goes with --check.");
        } else if (Lists(kQtOptionsWithValue, name)) {
            if (name == "platform" && i + 1 < arguments.size())
                line.platform = arguments[i + 1];
            ++i; // its value, which may well start with a dash
        } else if (Lists(kQtFlags, name) || IsQtOptionWithEquals(name)) {
            continue;
        } else if (!name.empty()) {
            return Refused("unknown option " + argument);
        } else if (argument.rfind("file:", 0) == 0 || LooksLikeUrl(argument)) {
            const auto path = LocalFileOfUrl(argument);
            if (!path)
                return Refused("not a file of this computer: " + argument);
            line.pages.push_back(fs::path(*path).lexically_normal().string());
        } else if (!argument.empty()) {
            line.pages.push_back((fs::path(workingFolder) / argument).lexically_normal().string());
        }
    }
    return line;
}

std::string NoDisplayReason(const std::function<const char *(const char *name)> &variable,
                            std::string_view platform)
{
    const auto set = [&variable](const char *name) {
        const char *value = variable(name);
        return value && *value;
    };
    if (platform.empty() && set("QT_QPA_PLATFORM"))
        platform = variable("QT_QPA_PLATFORM");
    // Qt tries each of "wayland;xcb" in turn; a platform's options follow a colon.
    bool reachable = platform.empty() && (set("DISPLAY") || set("WAYLAND_DISPLAY"));
    while (!platform.empty() && !reachable) {
        const std::string_view choice = platform.substr(0, platform.find(';'));
        platform.remove_prefix(std::min(platform.size(), choice.size() + 1));
        const std::string_view name = choice.substr(0, choice.find(':'));
        if (name == "xcb")
            reachable = set("DISPLAY");
        else if (name.substr(0, 7) == "wayland")
            reachable = set("WAYLAND_DISPLAY");
        else
            reachable = !name.empty();
    }
    if (reachable)
        return {};
    return "no display to show the editor on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
           "QT_QPA_PLATFORM=offscreen runs it without one";
}

} // namespace tarnel
