// The incremental colouring against a pass from the top: after any run of edits (each
// possibly reported as two merged pieces) the styles the view holds, the line states and
// the rewrites equal those a fresh full pass asks for in the words each edit wrote.

#include "colourtracker.h"

#include "fuzzsupport.h"

#include <algorithm>
#include <vector>

using namespace tarnel;

namespace {

// The view's copy of the styles: bytes move with the text, new bytes are unstyled until a
// recolouring covers them.
struct Shown
{
    static constexpr std::uint8_t Unstyled = 0xFF;
    std::vector<std::uint8_t> styles;

    void Change(TextChange change)
    {
        const auto at = styles.begin() + static_cast<std::ptrdiff_t>(change.position);
        styles.erase(at, at + static_cast<std::ptrdiff_t>(change.removed));
        styles.insert(styles.begin() + static_cast<std::ptrdiff_t>(change.position),
                      change.inserted, Unstyled);
    }
    void Apply(const Recolouring &r)
    {
        FUZZ_CHECK(r.End() <= styles.size());
        std::copy(r.styles.begin(), r.styles.end(),
                  styles.begin() + static_cast<std::ptrdiff_t>(r.start));
    }
};

// Hands out only the bytes asked for, in a buffer of its own, so reads past them show up.
class WindowSource final : public TextSource
{
public:
    explicit WindowSource(const std::string &text)
        : m_text(text)
    {}
    std::size_t Size() const override { return m_text.size(); }
    std::string_view Bytes(std::size_t from, std::size_t to) override
    {
        FUZZ_CHECK(from <= to && to <= m_text.size());
        m_copy.assign(m_text, from, to - from);
        return m_copy;
    }

private:
    const std::string &m_text;
    std::string m_copy;
};

std::vector<std::uint8_t> FullStyles(const ColourEngine &engine, std::string_view text)
{
    std::vector<std::uint8_t> styles(text.size());
    PassOutput out;
    out.styles = styles.data();
    engine.Pass(text, 0, {}, text.size(), out);
    return styles;
}

TextChange Replace(std::string &text, Shown &shown, FuzzedDataProvider &data)
{
    TextChange change;
    change.position = data.ConsumeIntegralInRange<std::size_t>(0, text.size());
    change.removed = data.ConsumeIntegralInRange<std::size_t>(0, text.size() - change.position);
    const std::string inserted = data.ConsumeRandomLengthString(16);
    change.inserted = inserted.size();
    text.replace(change.position, change.removed, inserted);
    shown.Change(change);
    return change;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    std::string text = data.ConsumeRandomLengthString(512);
    static const ColourEngine engine = MakeHtmlColourEngine();
    // No resume points: the points of an edited text are then those of a fresh pass (the core
    // tests check kept resume points against every point a pass finds).
    constexpr auto NoResumePoints = static_cast<std::size_t>(-1);
    ColourTracker tracker(engine, NoResumePoints);
    Shown shown;
    shown.Change({0, 0, text.size()});
    {
        const Recolouring all = tracker.ColourAll(text);
        FUZZ_CHECK(all.start == 0 && all.End() == text.size() && all.rewrites.empty());
        shown.Apply(all);
    }
    for (int step = 0; step < 24 && data.remaining_bytes() > 0; ++step) {
        TextChange reported = Replace(text, shown, data);
        if (data.ConsumeBool())
            reported = Merge(reported, Replace(text, shown, data));
        const bool windowed = data.ConsumeBool();
        WindowSource source(text);
        const Recolouring r =
            windowed ? tracker.Edited(source, reported) : tracker.Edited(text, reported);
        FUZZ_CHECK(r.start <= reported.position);
        FUZZ_CHECK(r.End() >= reported.position + reported.inserted);
        shown.Apply(r);
        FUZZ_CHECK(shown.styles == FullStyles(tracker.Engine(), text));

        ColourTracker fresh(engine, NoResumePoints);
        fresh.ColourAll(text);
        FUZZ_CHECK(tracker.PointCount() == fresh.PointCount());
        for (std::size_t line = 0; line < fresh.PointCount(); ++line) {
            FUZZ_CHECK(tracker.PointStart(line) == fresh.PointStart(line));
            FUZZ_CHECK(tracker.PointState(line) == fresh.PointState(line));
        }

        // The rewrites are a full pass's of the words the change wrote (overlapping the
        // inserted bytes or ending where they start), and change case only.
        const ScanResult all = tracker.Engine().Scan(text, 0, text.size());
        std::vector<Rewrite> within;
        for (const Rewrite &rewrite : all.rewrites) {
            const std::size_t end = rewrite.position + rewrite.text.size();
            const bool written = end == reported.position ||
                                 (rewrite.position < reported.position + reported.inserted &&
                                  end > reported.position);
            if (written && rewrite.position < r.End() && end > r.start)
                within.push_back(rewrite);
        }
        FUZZ_CHECK(std::equal(r.rewrites.begin(), r.rewrites.end(), within.begin(), within.end()));
        for (const Rewrite &rewrite : r.rewrites)
            FUZZ_CHECK(fuzz::SameButCase(text.substr(rewrite.position, rewrite.text.size()),
                                         rewrite.text));

        const std::size_t caret = data.ConsumeIntegralInRange<std::size_t>(0, text.size());
        WindowSource caretSource(text);
        FUZZ_CHECK(tracker.OpensCompletionList(text, caret) ==
                   tracker.OpensCompletionList(caretSource, caret));
    }
    return 0;
}
