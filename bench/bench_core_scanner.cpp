// Outline rescan cost on a 10 MB page: the scan of all three lists (and, apart, of the media,
// headings and scripts categories), the comparison with what the outline shows (unchanged, and
// every entry changed), and locating an element to re-edit.
#include "benchpage.h"
#include "outline.h"
#include "outlinetoday.h"
#include "reedit.h"
#include "scanner.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

using namespace tarnel;

namespace {

// Median of the runs; the machine may be shared, so the fastest run is kept too.
double g_fastest = 0;

double MedianMs(int runs, const std::function<void()> &prepare, const std::function<void()> &run)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        run();
        const auto stop = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    std::sort(times.begin(), times.end());
    g_fastest = times.front();
    return times[times.size() / 2];
}

OutlineState StateShowing(std::string_view page)
{
    OutlineState state;
    RescanOutline(page, state, true,
                  [&](Hint hint, const ElementRecord *record) { state.Apply(hint, record); });
    return state;
}

} // namespace

int main()
{
    constexpr int runs = 21;
    const std::string page = MakeBenchPage(10 * 1024 * 1024, 20000);
    const std::string shifted = "x" + page; // every index moves: every entry changed
    const PageElements scanned = ScanElements(page);
    const OutlineState shown = StateShowing(page);
    std::printf("page: %.1f MB, %zu images, %zu links, %zu applets\n", page.size() / 1048576.0,
                scanned.images.size(), scanned.links.size(), scanned.applets.size());

    // Anchor: the least any scan must do, finding every "<" of the page.
    std::size_t opens = 0;
    const double anchor = MedianMs(
        runs, [] {},
        [&] {
            opens = 0;
            for (const char *at = page.data(), *end = page.data() + page.size();
                 (at = static_cast<const char *>(std::memchr(at, '<', end - at))) != nullptr; ++at)
                ++opens;
        });
    std::printf("anchor, finding all %zu \"<\":     %8.2f ms\n", opens, anchor);

    PageElements found;
    const double scan = MedianMs(
        runs, [] {}, [&] { found = ScanElements(page); });
    std::printf("scan, all three lists, new lists:   %8.2f ms (fastest %.2f)\n", scan, g_fastest);
    PageElements kept;
    const double scanReusing = MedianMs(
        runs, [] {}, [&] { ScanElements(page, kept); });
    std::printf("scan, reusing the last scan's lists: %7.2f ms (fastest %.2f, %.1fx anchor)\n",
                scanReusing, g_fastest, scanReusing / anchor);

    // What the media, headings and scripts categories would add as a pass of their own.
    std::size_t today = 0;
    const double todayScan = MedianMs(
        runs, [] {},
        [&] {
            today = 0;
            ScanTodaysElements(page, [&](TodayCategory, const ElementRecord &, int) { ++today; });
        });
    std::printf("today's categories, a pass of their own: %5.2f ms (fastest %.2f, %zu found)\n",
                todayScan, g_fastest, today);

    // As the source view rescans: digests against what it last sent, then the changed lists.
    std::size_t sent = 0;
    const auto count = [&sent](Hint, const ElementRecord *) { ++sent; };
    const double rescanUnchanged = MedianMs(
        runs, [&] { sent = 0; }, [&] { RescanOutline(page, shown, false, count); });
    std::printf("rescan, nothing changed:            %8.2f ms (fastest %.2f, %zu sent)\n",
                rescanUnchanged, g_fastest, sent);
    const double rescanChanged = MedianMs(
        runs, [&] { sent = 0; }, [&] { RescanOutline(shifted, shown, false, count); });
    std::printf("rescan, every entry changed:        %8.2f ms (fastest %.2f, %zu sent)\n",
                rescanChanged, g_fastest, sent);

    const ElementRecord last = scanned.links.back();
    std::optional<ReeditTarget> target;
    const double locate = MedianMs(
        runs, [] {}, [&] { target = LocateElement(page, ElementKind::Link, last); });
    std::printf("locate the last link for re-editing: %7.2f ms (%s)\n", locate,
                target ? "found" : "NOT FOUND");
    return target ? 0 : 1;
}
