#include "commandline.h"

#include <gtest/gtest.h>

#include <map>

using namespace tarnel;
using Action = WindowCommandLine::Action;

TEST(CommandLine, ReadsPagesAndSkipsQtOptions)
{
    const struct
    {
        const char *name;
        std::vector<std::string> arguments;
        Action action;
        std::vector<std::string> pages;
        std::string error;
    } cases[] = {
        {"nothing: a new page", {}, Action::Run, {}, ""},
        {"several pages, relative to the folder",
         {"a.htm", "sub/../b.htm", "/abs/c.htm"},
         Action::Run,
         {"/work/a.htm", "/work/b.htm", "/abs/c.htm"},
         ""},
        {"file URLs",
         {"file:///tmp/a%20b.htm", "file://localhost/tmp/c.htm"},
         Action::Run,
         {"/tmp/a b.htm", "/tmp/c.htm"},
         ""},
        {"Qt's options and their values, one dash or two",
         {"-platform", "offscreen", "--style", "-odd-style", "-style=fusion", "-reverse",
          "-qwindowtitle", "T", "page.htm"},
         Action::Run,
         {"/work/page.htm"},
         ""},
        {"the browser's switches after --webEngineArgs",
         {"--webEngineArgs", "--disable-gpu", "--remote-debugging-port=9000", "a.htm"},
         Action::Run,
         {"/work/a.htm"},
         ""},
        {"a browser switch before --webEngineArgs",
         {"--disable-gpu"},
         Action::Error,
         {},
         "unknown option --disable-gpu"},
        {"after --, dashes are names",
         {"--", "-x.htm", "--help"},
         Action::Run,
         {"/work/-x.htm", "/work/--help"},
         ""},
        {"help wins over pages", {"page.htm", "--help"}, Action::Help, {}, ""},
        {"short version", {"-v"}, Action::Version, {}, ""},
        {"an unknown option", {"page.htm", "--bogus"}, Action::Error, {}, "unknown option --bogus"},
        {"an unknown short option", {"-x"}, Action::Error, {}, "unknown option -x"},
        {"--advice without --check",
         {"--advice", "a.htm"},
         Action::Error,
         {},
         "--advice goes with --check."},
        {"a remote file URL",
         {"file://host/a.htm"},
         Action::Error,
         {},
         "not a file of this computer: file://host/a.htm"},
        {"another scheme",
         {"https://example.com/"},
         Action::Error,
         {},
         "not a file of this computer: https://example.com/"},
    };
    for (const auto &c : cases) {
        const WindowCommandLine line = ReadWindowCommandLine(c.arguments, "/work");
        EXPECT_EQ(line.action, c.action) << c.name;
        EXPECT_EQ(line.pages, c.action == Action::Run ? c.pages : line.pages) << c.name;
        EXPECT_EQ(line.error, c.error) << c.name;
    }
    EXPECT_EQ(ReadWindowCommandLine({"-platform", "offscreen"}, "/").platform, "offscreen");
    EXPECT_EQ(ReadWindowCommandLine({"-style", "platform"}, "/").platform, "");
}

TEST(CommandLine, NoDisplayWithoutAnyWayToOne)
{
    const struct
    {
        std::map<std::string, std::string> environment;
        std::string_view platform;
        bool display;
    } cases[] = {
        {{}, "", false},
        {{{"DISPLAY", ""}}, "", false},
        {{{"DISPLAY", ":0"}}, "", true},
        {{{"WAYLAND_DISPLAY", "wayland-0"}}, "", true},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, "", true},
        {{}, "offscreen", true},
        {{{"QT_QPA_PLATFORM", "xcb"}}, "", false},
        {{{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":0"}}, "", true},
        {{{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", ":0"}}, "", true},
        {{{"QT_QPA_PLATFORM", "wayland-egl"}, {"DISPLAY", ":0"}}, "", false},
        {{{"QT_QPA_PLATFORM", "offscreen"}}, "xcb", false},
        {{{"DISPLAY", ":0"}}, "xcb:nograb", true},
    };
    for (const auto &c : cases) {
        const auto variable = [&c](const char *name) -> const char * {
            const auto it = c.environment.find(name);
            return it == c.environment.end() ? nullptr : it->second.c_str();
        };
        EXPECT_EQ(NoDisplayReason(variable, c.platform).empty(), c.display)
            << c.environment.size() << " variables, platform " << c.platform;
    }
}
