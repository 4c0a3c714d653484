// The lookups a keystroke may run in a 10 MB page: the completion context (after "</", the
// costliest, reading back for open elements), the partner of a tag name, and the closing tag
// to insert. The view hands each the caret's neighbourhood only; each must stay under 1 ms.
#include "benchpage.h"
#include "benchstats.h"
#include "completion.h"
#include "tagpairs.h"

#include <algorithm>
#include <cstdio>

using namespace tarnel;

int main()
{
    constexpr int runs = 101;
    std::string page = MakeBenchPage(10 * 1024 * 1024, 20000);
    const std::size_t middle = page.find("<", page.size() / 2);
    page.insert(middle, "<DIV><P>x</P></");
    const std::size_t caret = middle + 15;
    std::printf("page: %.1f MB\n", page.size() / 1048576.0);

    std::size_t sink = 0;
    const auto nearCaret = [&](std::size_t reach) {
        const std::size_t from = caret - std::min(caret, reach);
        return std::string_view(page).substr(from, std::min(page.size() - from, 2 * reach));
    };
    const double context = MedianMs(runs, [&] {
        const std::string_view before = std::string_view(page).substr(0, caret);
        const CompletionContext context = CompletionContextAt(before);
        sink += CompletionCandidates(context).size();
    });
    const double partner = MedianMs(runs, [&] {
        const std::string_view window = nearCaret(TagPairReach);
        const std::size_t at = caret - (caret - std::min(caret, TagPairReach)) - 13;
        if (const auto tag = TagNameAt(window, at))
            sink += PartnerOf(window, *tag) ? 1 : 0;
    });
    const double closing =
        MedianMs(runs, [&] { sink += ClosingTagToInsert(nearCaret(4096), 4096 - 10).size(); });
    std::printf("completion context after </: %.3f ms\n", context);
    std::printf("partner of a tag name:       %.3f ms\n", partner);
    std::printf("closing tag to insert:       %.3f ms\n", closing);
    std::printf("(%zu)\n", sink);
    return 0;
}
