// The page checks: a 1 MB page through the validator and our checks together, and the link
// checks of a page with 20,000 links to files beside it (half of them missing).
#include "benchpage.h"
#include "benchstats.h"
#include "pagecheck.h"
#include "validation.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace tarnel;
namespace fs = std::filesystem;

namespace {

void Touch(const fs::path &path)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x";
}

std::string LinkPage(std::size_t links)
{
    std::string page = "<!DOCTYPE html>\n<html><head><title>Links</title></head><body>\n";
    for (std::size_t i = 0; i < links; ++i)
        page += "<A HREF=\"pages/page" + std::to_string(i) + ".htm#part\">" + std::to_string(i) +
                "</A>\n";
    return page + "</body></html>\n";
}

} // namespace

int main()
{
    constexpr int runs = 11;
    const fs::path folder = fs::temp_directory_path() / "tarnel_bench_checks";
    fs::remove_all(folder);
    constexpr std::size_t links = 20000;
    for (std::size_t i = 0; i < links; i += 2)
        Touch(folder / "pages" / ("page" + std::to_string(i) + ".htm"));
    for (std::size_t i = 0; i < 1000; i += 2)
        Touch(folder / "pics" / ("p" + std::to_string(i) + ".gif"));
    const CheckContext context{folder, true};

    const std::string page = MakeBenchPage(1024 * 1024, 1000);
    std::size_t found = 0;
    std::size_t total = 0;
    const double whole = MedianMs(runs, [&] {
        FileLookup files;
        const Validation validation = ValidatePage(page, context, files);
        found = validation.findings.size();
        total = validation.total;
    });
    const double tidyOnly = MedianMs(runs, [&] { RunTidy(page, true, 4000); });
    const double oursOnly = MedianMs(runs, [&] {
        FileLookup files;
        CheckPage(page, context, files);
    });
    std::printf("page: %.2f MB, %zu findings shown of %zu\n", page.size() / 1048576.0, found,
                total);
    std::printf("ROW checking a 1 MB page, tidy and ours: %.1f ms (goal < 200); tidy alone %.1f ms,"
                " ours alone %.1f ms\n",
                whole, tidyOnly, oursOnly);

    const std::string linkPage = LinkPage(links);
    FileLookup cached;
    CheckPage(linkPage, context, cached);
    std::size_t missing = 0;
    const double warm =
        MedianMs(runs, [&] { missing = CheckPage(linkPage, context, cached).size(); });
    const double cold = MedianMs(runs, [&] {
        FileLookup files;
        CheckPage(linkPage, context, files);
    });
    std::printf(
        "ROW link checks on %zu links (%zu missing), file system cached: %.1f ms (goal < 50);"
        " reading the folders each time %.1f ms\n",
        links, missing, warm, cold);
    fs::remove_all(folder);
    return 0;
}
