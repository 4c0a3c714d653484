#include "checkcommand.h"
#include "commandline.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

// The window library beside the program (a build tree), else where it is installed.
std::filesystem::path windowLibrary()
{
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = program.parent_path();
    const std::filesystem::path beside = folder / "tarnel-window.so";
    if (std::filesystem::exists(beside, error))
        return beside;
    return (folder / TARNEL_WINDOW_LIBRARY_FROM_PROGRAM / "tarnel-window.so").lexically_normal();
}

int runWindow(int argc, char **argv)
{
    const std::filesystem::path library = windowLibrary();
    void *handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    using WindowMain = int (*)(int, char **);
    auto *windowMain =
        handle ? reinterpret_cast<WindowMain>(::dlsym(handle, "tarnel_window_main")) : nullptr;
    if (!windowMain) {
        std::fprintf(stderr, "tarnel: cannot load the editor's window (%s): %s\n", library.c_str(),
                     ::dlerror());
        return 1;
    }
    return windowMain(argc, argv);
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (tarnel::AsksForChecks(arguments))
        return tarnel::RunCheckCommand(arguments, stdout, stderr);
    // A wrong command line and a missing display are told here, where no display is needed:
    // Qt would abort on the missing display before the window could say anything.
    std::error_code error;
    const tarnel::WindowCommandLine line =
        tarnel::ReadWindowCommandLine(arguments, std::filesystem::current_path(error).string());
    if (line.action == tarnel::WindowCommandLine::Action::Error) {
        std::fprintf(stderr, "tarnel: %s\n%s", line.error.c_str(), tarnel::UsageText().data());
        return 2;
    }
    if (line.action == tarnel::WindowCommandLine::Action::Run) {
        const std::string noDisplay = tarnel::NoDisplayReason(
            [](const char *name) -> const char * { return std::getenv(name); }, line.platform);
        if (!noDisplay.empty()) {
            std::fprintf(stderr, "tarnel: %s\n", noDisplay.c_str());
            return 1;
        }
    }
    return runWindow(argc, argv);
}
