// The colouring scan over any bytes, any range and any engine setting: the runs cover the
// range in order, styles match a pass from the top, and rewrites keep the length and only
// change letter case.

#include "colouring.h"
#include "wordlists.h"

#include "fuzzsupport.h"

#include <optional>
#include <vector>

using namespace tarnel;

namespace {

ColourEngine EngineFor(std::uint8_t flags)
{
    if ((flags & 1) == 0)
        return MakeHtmlColourEngine();
    ColourEngine engine;
    engine.SetCaseSensitive(flags & 2);
    engine.SetChangeCase(flags & 4);
    engine.SetStringQuotes((flags & 8) ? "\"" : "\"'`");
    engine.AddKeywords(TagNameList());
    engine.AddConstants(AttributeNameList());
    if (flags & 16)
        engine.AddKeywords(" -- 1 a-b ");
    return engine;
}

std::vector<std::uint8_t> FullStyles(const ColourEngine &engine, std::string_view text)
{
    std::vector<std::uint8_t> styles(text.size());
    PassOutput out;
    out.styles = styles.data();
    engine.Pass(text, 0, {}, text.size(), out);
    return styles;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    // Building an engine costs more than a scan: each setting's engine is built once.
    static std::vector<std::optional<ColourEngine>> engines(32);
    const std::uint8_t flags = data.ConsumeIntegral<std::uint8_t>() & 31;
    if (!engines[flags])
        engines[flags] = EngineFor(flags);
    const ColourEngine &engine = *engines[flags];
    const auto a = data.ConsumeIntegral<std::uint32_t>();
    const auto b = data.ConsumeIntegral<std::uint32_t>();
    const std::string text = data.ConsumeRemainingBytesAsString();
    const std::size_t start = a % (text.size() + 1);
    const std::size_t end = start + b % (text.size() - start + 1);

    const ScanResult result = engine.Scan(text, start, end);

    // Runs: the range exactly, in order, without gaps, merged.
    if (start == end) {
        FUZZ_CHECK(result.runs.empty());
    } else {
        FUZZ_CHECK(!result.runs.empty());
        FUZZ_CHECK(result.runs.front().start == start);
        FUZZ_CHECK(result.runs.back().end == end);
    }
    const std::vector<std::uint8_t> full = FullStyles(engine, text);
    for (std::size_t i = 0; i < result.runs.size(); ++i) {
        const StyleRun &run = result.runs[i];
        FUZZ_CHECK(run.start < run.end);
        FUZZ_CHECK(static_cast<int>(run.style) < StyleCount);
        if (i > 0) {
            FUZZ_CHECK(run.start == result.runs[i - 1].end);
            FUZZ_CHECK(run.style != result.runs[i - 1].style);
        }
        for (std::size_t k = run.start; k < run.end; ++k)
            FUZZ_CHECK(full[k] == static_cast<std::uint8_t>(run.style));
    }

    // Rewrites: in order, inside the text, overlapping the range, same bytes but for case.
    std::size_t after = 0;
    for (const Rewrite &rewrite : result.rewrites) {
        FUZZ_CHECK(engine.ChangeCase());
        FUZZ_CHECK(!rewrite.text.empty());
        FUZZ_CHECK(rewrite.position >= after);
        FUZZ_CHECK(rewrite.position + rewrite.text.size() <= text.size());
        FUZZ_CHECK(rewrite.position < end && rewrite.position + rewrite.text.size() > start);
        const std::string_view was(text.data() + rewrite.position, rewrite.text.size());
        FUZZ_CHECK(fuzz::SameButCase(was, rewrite.text));
        FUZZ_CHECK(was != rewrite.text);
        after = rewrite.position + rewrite.text.size();
    }

    // The caret questions the completion list asks, at the range's end.
    const std::size_t lineStart = LineStartOf(text, end);
    FUZZ_CHECK(lineStart <= end);
    const LineState state = engine.StateAt(text, lineStart);
    engine.ContextAt(text, lineStart, state, end);
    OpensCompletionList(engine, text, end);
    return 0;
}
