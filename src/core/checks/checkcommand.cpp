#include "checkcommand.h"

#include "pagefile.h"
#include "pagetext.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <unistd.h>

namespace tarnel {

namespace {

struct ReadPage
{
    std::string bytes;
    std::string reason; // empty when read
};

ReadPage ReadWholePage(const std::string &path)
{
    const OpenedPageFile opened = OpenPageFile(path);
    switch (opened.refusal) {
    case PageFileRefusal::None:
        break;
    case PageFileRefusal::Folder:
        return {{}, "It is a folder."};
    case PageFileRefusal::NotRegularFile:
        return {{}, "It is not a regular file."};
    case PageFileRefusal::SystemError:
        return {{}, std::strerror(opened.error)};
    }
    ReadPage page;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(opened.fd, buffer, sizeof buffer);
        if (got > 0) {
            page.bytes.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0) {
            break;
        } else if (errno != EINTR) {
            page.reason = std::strerror(errno);
            break;
        }
    }
    ::close(opened.fd);
    return page;
}

} // namespace

std::string_view UsageText()
{
    return "Usage: tarnel [page.htm ...]\n"
           "       tarnel --check [--advice] page.htm [more.htm ...]\n"
           "Edit HTML pages, each in a window of its own. Without a page, a new one is\n"
           "started; a page that does not exist yet is a new page saved under that name.\n"
           "Pages may be given as file:// URLs. When the editor already runs, the pages\n"
           "open in it and this start ends.\n"
           "\n"
           "  --check        check the pages and print what is wrong as\n"
           "                 file:line:column: error|warning: message;\n"
           "                 exit 1 on any error, 2 when a file cannot be read\n"
           "  --advice       with --check: the validator's advice on writing too\n"
           "  --webEngineArgs --switch ...\n"
           "                 switches for the embedded browser (Chromium's)\n"
           "  -h, --help     show this text and exit\n"
           "  -v, --version  show the version and exit\n";
}

bool AsksForChecks(const std::vector<std::string> &arguments)
{
    for (const std::string &argument : arguments) {
        if (argument == "--")
            return false;
        if (argument == "--check")
            return true;
    }
    return false;
}

Validation ValidatePageAt(std::string_view bytes, const std::string &path, bool withAdvice)
{
    CheckContext context;
    context.utf8 = IsValidUtf8(bytes);
    context.withAdvice = withAdvice;
    if (!path.empty()) {
        std::error_code error;
        context.pageFolder = std::filesystem::absolute(path, error).parent_path();
    }
    FileLookup files;
    return ValidatePage(bytes, context, files);
}

int RunCheckCommand(const std::vector<std::string> &arguments, std::FILE *out, std::FILE *err)
{
    bool advice = false;
    bool optionsEnded = false;
    std::vector<std::string> pages;
    for (const std::string &argument : arguments) {
        if (!optionsEnded && argument == "--")
            optionsEnded = true;
        else if (!optionsEnded && argument == "--advice")
            advice = true;
        // Options of the window (-platform, -style, ...) mean nothing to the checks.
        else if (!optionsEnded && argument.size() > 1 && argument[0] == '-')
            continue;
        else
            pages.push_back(argument);
    }
    if (pages.empty()) {
        std::fprintf(err, "tarnel: --check needs at least one page.\n%.*s",
                     static_cast<int>(UsageText().size()), UsageText().data());
        return 2;
    }
    bool unreadable = false;
    bool anyError = false;
    for (const std::string &page : pages) {
        const std::string shown = PrintableFileName(page);
        const ReadPage read = ReadWholePage(page);
        if (!read.reason.empty()) {
            std::fprintf(err, "tarnel: cannot read %s: %s\n", shown.c_str(), read.reason.c_str());
            unreadable = true;
            continue;
        }
        const Validation validation = ValidatePageAt(read.bytes, page, advice);
        for (const Finding &finding : validation.findings)
            std::fprintf(out, "%s\n", FormatFinding(page, finding).c_str());
        if (validation.total > validation.findings.size())
            std::fprintf(err, "tarnel: %s: the first %zu of %zu findings are shown\n",
                         shown.c_str(), validation.findings.size(), validation.total);
        anyError = anyError || validation.errors > 0;
    }
    std::fflush(out);
    if (unreadable)
        return 2;
    return anyError ? 1 : 0;
}

} // namespace tarnel
