// Colouring speed on a generated 10 MB page: a full pass in MB/s against a plain
// byte-classifying loop measured in the same run, and the cost of one keystroke.
#include "benchpage.h"
#include "colourtracker.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using namespace tarnel;

namespace {

using Clock = std::chrono::steady_clock;

std::string GeneratePage(std::size_t size)
{
    static const char *const words[] = {"the",   "quick", "brown", "fox",   "jumps", "over",
                                        "lazy",  "dog",   "table", "image", "link",  "page",
                                        "width", "of",    "and",   "2024",  "12.5",  "a"};
    std::mt19937 rng(42);
    auto word = [&] { return words[rng() % std::size(words)]; };
    std::string page = "<!DOCTYPE html>\n<HTML>\n<HEAD>\n<TITLE>Bench</TITLE>\n</HEAD>\n<BODY>\n";
    while (page.size() < size) {
        switch (rng() % 10) {
        case 0:
            page += "<TABLE BORDER=\"1\" WIDTH=\"100%\">\n<TR><TD ALIGN=center>" +
                    std::string(word()) + "</TD><TD>" + word() + " " + word() +
                    "</TD></TR>\n</TABLE>\n";
            break;
        case 1:
            page += "<img src=\"images/photo" + std::to_string(rng() % 1000) + ".jpg\" alt=\"" +
                    word() + " " + word() + "\" width=320 height=240>\n";
            break;
        case 2:
            page += "<a href=\"page" + std::to_string(rng() % 100) + ".htm\" class=nav>" + word() +
                    "</a> | <a href=\"#top\">top</a>\n";
            break;
        case 3:
            if (rng() % 8 == 0)
                page += "<!-- section " + std::to_string(rng() % 100) + ": <b>old</b> -->\n";
            else if (rng() % 8 == 0)
                page += "<script>\nvar n = " + std::to_string(rng() % 100) +
                        ";\nif (n < 10) { show(\"<b>x</b>\"); }\n</script>\n";
            else
                page += "<div class=\"box\" id=\"b" + std::to_string(rng() % 1000) + "\">\n";
            break;
        default: {
            page += "<p>";
            const int count = 6 + static_cast<int>(rng() % 10);
            for (int i = 0; i < count; ++i) {
                page += word();
                page += i % 5 == 4 ? ",\n" : " ";
            }
            page += "<b>" + std::string(word()) + "</b>.</p>\n";
            break;
        }
        }
    }
    page += "</BODY>\n</HTML>\n";
    return page;
}

template <class F> double MedianSeconds(int runs, F &&f)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        f();
        times.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

volatile std::uint64_t g_sink;

// The anchor: one table look-up and one counter per byte.
void ClassifyBytes(std::string_view text, const ColourEngine &engine)
{
    std::array<std::uint64_t, 16> counts{};
    for (const char c : text)
        ++counts[engine.Class(static_cast<unsigned char>(c))];
    std::uint64_t sum = 0;
    for (const auto n : counts)
        sum = sum * 31 + n;
    g_sink = sum;
}

// Median time of one typed character (the tracker's part of a keystroke) at `position`.
double KeystrokeMicros(std::string text, std::size_t position)
{
    ColourTracker tracker;
    tracker.ColourAll(text);
    std::vector<double> times;
    for (int i = 0; i < 201; ++i) {
        const bool insert = i % 2 == 0;
        if (insert)
            text.insert(position, 1, 'x');
        else
            text.erase(position, 1);
        const TextChange change{position, insert ? 0u : 1u, insert ? 1u : 0u};
        const auto start = Clock::now();
        const Recolouring r = tracker.Edited(text, change);
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        g_sink = r.styles.size();
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A page holding one SCRIPT of about `bytes` bytes; on one line when `oneLine`.
std::string ScriptPage(std::size_t bytes, bool oneLine)
{
    static const char *const lines[] = {
        "  if (items[i].value / total > 0.5 && /^\\d+$/.test(name)) { count += 1; }",
        "  const label = `item ${i}: ${items[i].label}`; /* shown in the list */",
        "function show(list, n) { return list.filter(x => x.size > n).map(x => x.name); }",
    };
    std::string page = "<html><body><p>x</p><script>\n";
    for (std::size_t i = 0; page.size() < bytes; ++i)
        (page += lines[i % std::size(lines)]) += oneLine ? ' ' : '\n';
    return page + "</script></body></html>\n";
}

// The page with a third of its lines CSS and a third JavaScript: a full pass against the
// anchor on the same page, and keys inside a 1 MB script.
void CodePages(const ColourEngine &engine, int runs)
{
    const std::string page = MakeCodeBenchPage(10 * 1000 * 1000);
    const double mb = static_cast<double>(page.size()) / 1e6;
    std::vector<std::uint8_t> styles(page.size());
    const double anchor = MedianSeconds(runs, [&] { ClassifyBytes(page, engine); });
    const double pass = MedianSeconds(runs, [&] {
        PassOutput out;
        out.styles = styles.data();
        engine.Pass(page, 0, {}, page.size(), out);
    });
    std::printf("%-44s %7.1f MB/s %8.2f ms   %.2f x the anchor's speed\n",
                "full pass, lines a third CSS, a third JS", mb / pass, pass * 1e3, anchor / pass);
    const std::string lines = ScriptPage(1 << 20, false);
    const std::string line = ScriptPage(1 << 20, true);
    const double inLines = KeystrokeMicros(lines, lines.find("count", lines.size() / 2));
    const double inLine = KeystrokeMicros(line, line.find("count", line.size() / 2));
    std::printf("ROW keystroke recolouring inside a 1 MB SCRIPT, median: of lines %.1f us, on one "
                "line %.1f us (goal < 1000)\n",
                inLines, inLine);
}

} // namespace

int main()
{
    const std::string page = GeneratePage(10 * 1000 * 1000);
    if (std::getenv("TARNEL_BENCH_DUMP")) {
        std::FILE *f = std::fopen(std::getenv("TARNEL_BENCH_DUMP"), "wb");
        std::fwrite(page.data(), 1, page.size(), f);
        std::fclose(f);
        return 0;
    }
    const double mb = static_cast<double>(page.size()) / 1e6;
    const ColourEngine engine = MakeHtmlColourEngine();
    std::vector<std::uint8_t> styles(page.size());
    std::vector<Rewrite> rewrites;
    const int runs = 9;

    const double anchor = MedianSeconds(runs, [&] { ClassifyBytes(page, engine); });
    const double pass = MedianSeconds(runs, [&] {
        PassOutput out;
        out.styles = styles.data();
        engine.Pass(page, 0, {}, page.size(), out);
    });
    const double passRewrites = MedianSeconds(runs, [&] {
        rewrites.clear();
        PassOutput out;
        out.styles = styles.data();
        out.rewrites = &rewrites;
        engine.Pass(page, 0, {}, page.size(), out);
    });
    ColourTracker tracker;
    const double all = MedianSeconds(runs, [&] { g_sink = tracker.ColourAll(page).styles.size(); });
    const double runsScan =
        MedianSeconds(3, [&] { g_sink = engine.Scan(page, 0, page.size()).runs.size(); });

    auto row = [&](const char *what, double seconds) {
        std::printf("%-44s %7.1f MB/s %8.2f ms   %.2f x the anchor's speed\n", what, mb / seconds,
                    seconds * 1e3, anchor / seconds);
    };
    std::printf("page: %.1f MB, %zu lines, %zu names to rewrite; medians of %d runs\n", mb,
                tracker.PointCount(), rewrites.size(), runs);
    row("anchor: byte-classifying loop", anchor);
    row("full pass into a style buffer", pass);
    row("full pass, rewrites collected", passRewrites);
    row("ColourTracker::ColourAll (styles, line states)", all);
    row("Scan returning style runs (not the hot path)", runsScan);

    const std::string small = GeneratePage(10 * 1000);
    const std::size_t middleText = page.find("<p>", page.size() / 2) + 3;
    const std::size_t middleTag = page.find("<img src", page.size() / 2) + 4;
    const std::size_t endText = page.rfind("<p>") + 3;
    const std::size_t smallEnd = small.rfind("<p>") + 3;
    const double atMiddleText = KeystrokeMicros(page, middleText);
    const double atMiddleTag = KeystrokeMicros(page, middleTag);
    const double atEnd = KeystrokeMicros(page, endText);
    const double atSmallEnd = KeystrokeMicros(small, smallEnd);
    std::printf("keystroke recolouring, median: middle of 10 MB in text %.1f us, in a tag %.1f us,"
                " end of 10 MB %.1f us, end of 10 KB %.1f us (ratio %.2f)\n",
                atMiddleText, atMiddleTag, atEnd, atSmallEnd, atEnd / atSmallEnd);
    CodePages(engine, runs);
    return 0;
}
