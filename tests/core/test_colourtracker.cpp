#include "colourtracker.h"
#include "editkind.h"
#include "foldlevels.h"
#include "scanner.h"

#include "colourtestsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

using namespace tarnel;
using namespace tarnel::test;

namespace {

// The editor's copy of the styles, kept the way the view keeps it: bytes move with the
// text, new bytes are unstyled until a recolouring covers them.
class Shown
{
public:
    void Change(TextChange change)
    {
        const auto at = m_styles.begin() + static_cast<std::ptrdiff_t>(change.position);
        m_styles.erase(at, at + static_cast<std::ptrdiff_t>(change.removed));
        m_styles.insert(m_styles.begin() + static_cast<std::ptrdiff_t>(change.position),
                        change.inserted, Unstyled);
    }
    void Apply(const Recolouring &r)
    {
        std::copy(r.styles.begin(), r.styles.end(),
                  m_styles.begin() + static_cast<std::ptrdiff_t>(r.start));
    }
    const std::vector<std::uint8_t> &Styles() const { return m_styles; }

    static constexpr std::uint8_t Unstyled = 0xFF;

private:
    std::vector<std::uint8_t> m_styles;
};

void Replace(std::string &text, Shown &shown, TextChange change, std::string_view inserted)
{
    text.replace(change.position, change.removed, inserted);
    shown.Change(change);
}

// Every point a pass from the top could start again from, with its state.
std::vector<std::pair<std::size_t, LineState>> AllPoints(const ColourEngine &engine,
                                                         std::string_view text)
{
    struct Recorder final : LineObserver
    {
        std::vector<std::pair<std::size_t, LineState>> points{{0, LineState{}}};
        bool AtLineStart(std::size_t position, LineState state) override
        {
            points.emplace_back(position, state);
            return true;
        }
        bool AtResumePoint(std::size_t position, LineState state) override
        {
            return AtLineStart(position, state);
        }
    } recorder;
    recorder.nextResumePoint = 0;
    PassOutput out;
    out.lines = &recorder;
    engine.Pass(text, 0, {}, text.size(), out);
    return recorder.points;
}

// The tracker's points are true ones, in order, and include every line start.
// Whether a line starts at `p`: after "\n", or after a "\r" that no "\n" follows. Looking at
// the bytes around it, not walking back to the line's start, which on a long line is most of
// the test's time.
bool StartsALine(std::string_view text, std::size_t p)
{
    return p == 0 || text[p - 1] == '\n' ||
           (text[p - 1] == '\r' && (p == text.size() || text[p] != '\n'));
}

void ExpectPointsOf(const ColourTracker &tracker, std::string_view text)
{
    const auto all = AllPoints(tracker.Engine(), text);
    std::vector<std::pair<std::size_t, LineState>> kept;
    for (std::size_t point = 0; point < tracker.PointCount(); ++point)
        kept.emplace_back(tracker.PointStart(point), tracker.PointState(point));
    auto position = [](const auto &point) { return point.first; };
    ASSERT_TRUE(std::ranges::is_sorted(kept, std::less<>(), position));
    const auto has = [](const auto &points, const std::pair<std::size_t, LineState> &point) {
        const auto at = std::ranges::lower_bound(points, point.first, std::less<>(),
                                                 [](const auto &p) { return p.first; });
        return at != points.end() && *at == point;
    };
    for (const auto &point : kept)
        ASSERT_TRUE(has(all, point))
            << "no such point " << point.first << " of " << text.size() << " bytes";
    for (const auto &point : all) {
        if (StartsALine(text, point.first)) {
            ASSERT_TRUE(has(kept, point)) << "line start " << point.first << " lost";
        }
    }
}

std::string Lower(std::string text)
{
    for (char &c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

TEST(ColourTracker, EditInTheSecondLineOfATwoLineTag)
{
    ColourTracker tracker;
    std::string text = "<P>\n<IMG\n =x>\nafter";
    Shown shown;
    shown.Change({0, 0, text.size()});
    shown.Apply(tracker.ColourAll(text));

    const TextChange change{9, 0, 3};
    Replace(text, shown, change, "src");
    const Recolouring r = tracker.Edited(text, change);
    shown.Apply(r);
    EXPECT_EQ(r.start, 9u);
    EXPECT_EQ(r.End(), 17u); // the line only: the next line starts outside the tag as before
    ASSERT_EQ(r.rewrites.size(), 1u);
    EXPECT_EQ(r.rewrites[0], (Rewrite{9, "SRC"}));
    EXPECT_EQ(shown.Styles(), FullStyles(tracker.Engine(), text));
}

TEST(ColourTracker, RewritesOnlyTheWordsTheEditWrote)
{
    struct Case
    {
        const char *name;
        std::string before;
        TextChange change;
        std::string inserted;
        std::string rewritten; // the text after the edit and its rewrites
    };
    const std::string prose = "see the link for a map of the main area\nand a small menu.";
    const Case cases[] = {
        {"a < opening prose leaves the words after it", prose, {0, 0, 1}, "<", "<" + prose},
        {"a letter joined to the first word", "<" + prose, {1, 0, 1}, "b", "<b" + prose},
        {"the > after a name ends it", "<b" + prose, {2, 0, 1}, ">", "<B>" + prose},
        {"a letter in the text of a lower-case line",
         "<p><a href=x>link</a></p>",
         {17, 0, 1},
         "s",
         "<p><a href=x>links</a></p>"},
        {"a letter completes a name", "<im", {3, 0, 1}, "g", "<IMG"},
        {"a letter typed before a name", "<mg src=x>", {1, 0, 1}, "i", "<IMG src=x>"},
        {"the = after a name ends it", "<img src", {8, 0, 1}, "=", "<img SRC="},
        {"an unquoted value typed after a name", "<img src=", {9, 0, 1}, "a", "<img src=a"},
        {"a pasted tag", "", {0, 0, 11}, "<img src=x>", "<IMG SRC=x>"},
        {"a paste leaves the names beside it",
         "<img src=x>",
         {10, 0, 6},
         " alt=y",
         "<img src=x ALT=y>"},
        {"typed over a selection", "<b>x", {1, 1, 1}, "i", "<I>x"},
        {"a deletion joins a name", "<im g>", {3, 1, 0}, "", "<IMG>"},
        {"a deletion elsewhere in the tag", "<img src=xy>", {9, 1, 0}, "", "<img src=y>"},
    };
    for (const Case &c : cases) {
        ColourTracker tracker;
        std::string text = c.before;
        tracker.ColourAll(text);
        text.replace(c.change.position, c.change.removed, c.inserted);
        const Recolouring r = tracker.Edited(text, c.change);
        EXPECT_EQ(Applied(text, {r.rewrites.begin(), r.rewrites.end()}), c.rewritten) << c.name;
    }
}

TEST(ColourTracker, RecolouringRunsOnWhileLineStatesChange)
{
    ColourTracker tracker;
    std::string text = "a\n<b>\n<i>\n-->\n<p>\n<u>";
    Shown shown;
    shown.Change({0, 0, text.size()});
    shown.Apply(tracker.ColourAll(text));

    // Opening a comment at the top darkens everything up to its end, and no further.
    TextChange change{0, 0, 4};
    Replace(text, shown, change, "<!--");
    Recolouring r = tracker.Edited(text, change);
    shown.Apply(r);
    EXPECT_EQ(r.start, 0u);
    EXPECT_EQ(r.End(), text.find("<p>"));
    EXPECT_TRUE(r.rewrites.empty());
    EXPECT_EQ(shown.Styles(), FullStyles(tracker.Engine(), text));

    // Typing in plain text touches its own line only.
    change = {text.find("<p>") + 3, 0, 1};
    Replace(text, shown, change, "x");
    r = tracker.Edited(text, change);
    shown.Apply(r);
    EXPECT_EQ(r.start, text.find("<p>"));
    EXPECT_EQ(r.End(), text.find("<u>"));
    EXPECT_EQ(shown.Styles(), FullStyles(tracker.Engine(), text));
}

TEST(ColourTracker, CompletionTriggerUsesTheKeptLineStates)
{
    ColourTracker tracker;
    const std::string text = "<!--\n \n-->\n<IMG\nSRC=\"a b\" >";
    tracker.ColourAll(text);
    EXPECT_FALSE(tracker.OpensCompletionList(text, text.find("a b") + 2));
    EXPECT_TRUE(tracker.OpensCompletionList(text, text.size() - 1));
    EXPECT_FALSE(tracker.OpensCompletionList(text, 6));
}

// Hands out exactly the bytes asked for, in a buffer of their own, and counts them.
class CountingSource final : public TextSource
{
public:
    explicit CountingSource(const std::string &text)
        : m_text(text)
    {}
    std::size_t Size() const override { return m_text.size(); }
    std::string_view Bytes(std::size_t from, std::size_t to) override
    {
        handedOut += to - from;
        m_copy = m_text.substr(from, to - from);
        return m_copy;
    }
    std::size_t handedOut = 0;

private:
    const std::string &m_text;
    std::string m_copy;
};

TEST(ColourTracker, AnEditReadsOnlyTheLinesItNeeds)
{
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "<p class=x>line " + std::to_string(i) + "</p>\n";
    ColourTracker tracker;
    Shown shown;
    shown.Change({0, 0, text.size()});
    shown.Apply(tracker.ColourAll(text));

    const TextChange typed{text.find("line 1000") + 4, 0, 1};
    Replace(text, shown, typed, "s");
    CountingSource source(text);
    Recolouring r = tracker.Edited(source, typed);
    shown.Apply(r);
    EXPECT_LT(source.handedOut, 60u);
    EXPECT_TRUE(tracker.OpensCompletionList(source, text.find("class")));

    // An opened comment darkens the rest: read in growing runs of lines, still exact.
    const TextChange comment{text.find("line 10<"), 0, 4};
    Replace(text, shown, comment, "<!--");
    CountingSource whole(text);
    shown.Apply(tracker.Edited(whole, comment));
    EXPECT_EQ(shown.Styles(), FullStyles(tracker.Engine(), text));
    EXPECT_LT(whole.handedOut, text.size());
}

TEST(ColourTracker, ALoadedPageIsColouredButNotRewritten)
{
    ColourTracker tracker;
    const std::string text = "<img src=x>\n<br>";
    const Recolouring r = tracker.ColourAll(text);
    EXPECT_TRUE(r.rewrites.empty());
    EXPECT_EQ(r.start, 0u);
    EXPECT_EQ(std::vector<std::uint8_t>(r.styles.begin(), r.styles.end()),
              FullStyles(tracker.Engine(), text));
}

TEST(ColourTracker, ColouringAWholePageInStretchesEqualsOnePass)
{
    // Stretch ends fall inside tags, comments, scripts and "\r\n" pairs; lines of every
    // break kind and one line longer than any stretch.
    const std::string text =
        "<HTML>\r\n<img src=x\r\n alt='a\r\nb'>\r<!-- c\n d -->\n<script>var a = \"<b>\";\r\n"
        "</script>" +
        std::string(300, 'w') + "<A HREF=\"x\">\n\n<p>end";
    ColourTracker whole;
    const Recolouring all = whole.ColourAll(text);
    const std::vector<std::uint8_t> expected(all.styles.begin(), all.styles.end());
    for (const std::size_t stretch :
         {std::size_t(0), std::size_t(1), std::size_t(2), std::size_t(7), std::size_t(64),
          text.size() - 1, text.size(), static_cast<std::size_t>(-1)}) {
        ColourTracker tracker;
        Shown shown;
        shown.Change({0, 0, text.size()});
        std::size_t next = 0;
        tracker.ColourAll(text, stretch, [&](const Recolouring &r) {
            EXPECT_EQ(r.start, next) << stretch;
            EXPECT_TRUE(r.start + r.styles.size() == text.size() ||
                        LineStartOf(text, r.start + r.styles.size()) == r.start + r.styles.size())
                << "stretch " << stretch << " ends inside a line at " << r.End();
            EXPECT_TRUE(r.rewrites.empty());
            next = r.End();
            shown.Apply(r);
        });
        EXPECT_EQ(next, text.size()) << stretch;
        EXPECT_EQ(shown.Styles(), expected) << stretch;
        ASSERT_EQ(tracker.PointCount(), whole.PointCount()) << stretch;
        for (std::size_t line = 0; line < whole.PointCount(); ++line) {
            EXPECT_EQ(tracker.PointStart(line), whole.PointStart(line)) << stretch;
            EXPECT_EQ(tracker.PointState(line), whole.PointState(line)) << stretch;
        }
    }
    // An empty page hands nothing over.
    ColourTracker empty;
    empty.ColourAll("", 16, [](const Recolouring &) { ADD_FAILURE() << "styles for no text"; });
}

TEST(ColourTracker, StylesOfAnyStretchEqualAPassFromTheTop)
{
    // Resume points every 16 bytes put points inside tags, values and the script.
    const std::string text = "<HTML>\r\n<img src=x\r\n alt='a\r\nb'>\r<!-- c\n d -->\n"
                             "<script>var a = \"<b>\";\r\n</script>" +
                             std::string(300, 'w') + "<A HREF=\"x\">\n\n<p>end";
    ColourTracker whole;
    const Recolouring all = whole.ColourAll(text);
    const std::vector<std::uint8_t> expected(all.styles.begin(), all.styles.end());
    ColourTracker tracker(MakeHtmlColourEngine(), 16);
    tracker.ColourAll(text, 64, [](const Recolouring &) {});
    StringSource source(text);
    const std::size_t n = text.size();
    for (const auto &[from, to] : std::initializer_list<std::pair<std::size_t, std::size_t>>{
             {0, 0}, {0, 5}, {3, 40}, {50, 51}, {100, 390}, {n - 3, n}, {n, n}, {n - 1, n + 9}}) {
        const Recolouring r = tracker.StylesOf(source, from, to);
        EXPECT_LE(r.start, std::min(from, n)) << from;
        EXPECT_GE(r.End(), std::min(to, n)) << from;
        EXPECT_LE(r.End(), n) << from;
        EXPECT_TRUE(std::equal(r.styles.begin(), r.styles.end(), expected.begin() + r.start))
            << from << "-" << to;
    }
}

TEST(ColourTracker, ATrackerOutOfStepWithTheTextColoursAll)
{
    ColourTracker tracker;
    tracker.ColourAll("<b>");
    const std::string text = "<i>\n<u>";
    const Recolouring r = tracker.Edited(text, {1, 0, 1});
    EXPECT_EQ(r.start, 0u);
    EXPECT_EQ(r.styles.size(), text.size());
    EXPECT_EQ(tracker.PointCount(), 2u);
}

TEST(ColourTracker, MergedChanges)
{
    struct Case
    {
        const char *name;
        TextChange first, second, merged;
    };
    const Case cases[] = {
        {"typing twice", {5, 0, 1}, {6, 0, 1}, {5, 0, 2}},
        {"replace a selection", {3, 4, 0}, {3, 0, 2}, {3, 4, 2}},
        {"second change before the first", {10, 0, 2}, {2, 1, 0}, {2, 8, 9}},
        {"second change after the first", {2, 1, 0}, {10, 0, 2}, {2, 9, 10}},
        {"second deletes what the first inserted", {4, 0, 3}, {4, 3, 0}, {4, 0, 0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Merge(c.first, c.second), c.merged) << c.name;
}

TEST(EditKinds, ClassificationAndWhatFollows)
{
    struct Case
    {
        EditCommand command;
        EditKind current, kind;
        bool rewrites;
    };
    const Case cases[] = {
        {EditCommand::TypedCharacter, EditKind::None, EditKind::Replace, true},
        {EditCommand::ReplaceSelection, EditKind::None, EditKind::Replace, true},
        {EditCommand::Snippet, EditKind::None, EditKind::Replace, false},
        {EditCommand::DeleteKey, EditKind::None, EditKind::Delete, true},
        {EditCommand::BackspaceKey, EditKind::None, EditKind::Backspace, true},
        {EditCommand::KeyFollowUp, EditKind::None, EditKind::Replace, false},
        // Indenting, cutting and pasting put in nothing the user typed.
        {EditCommand::OtherKey, EditKind::None, EditKind::Other, false},
        {EditCommand::TypedAtSeveralCarets, EditKind::None, EditKind::Other, false},
        {EditCommand::Cut, EditKind::None, EditKind::Cut, false},
        {EditCommand::Paste, EditKind::None, EditKind::Paste, false},
        {EditCommand::Paste, EditKind::Cut, EditKind::PasteAfterCut, false},
        {EditCommand::Undo, EditKind::None, EditKind::Other, false},
        {EditCommand::Redo, EditKind::None, EditKind::Other, false},
        {EditCommand::Load, EditKind::None, EditKind::Other, false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ClassifyEdit(c.command, c.current), c.kind) << static_cast<int>(c.command);
        EXPECT_EQ(RewritesAfter(c.command), c.rewrites) << static_cast<int>(c.command);
    }
    EXPECT_TRUE(RescansOutlineAfter(EditKind::Delete, true));
    EXPECT_TRUE(RescansOutlineAfter(EditKind::Backspace, true));
    EXPECT_TRUE(RescansOutlineAfter(EditKind::Cut, true));
    EXPECT_TRUE(RescansOutlineAfter(EditKind::PasteAfterCut, false));
    EXPECT_FALSE(RescansOutlineAfter(EditKind::PasteAfterCut, true));
    EXPECT_FALSE(RescansOutlineAfter(EditKind::Paste, true));
    EXPECT_FALSE(RescansOutlineAfter(EditKind::Replace, true));
}

// Random HTML-like text, with style sheets and scripts, under random edits: the styles kept by
// recolouring only what the tracker reports always equal a pass from the top, and so do its
// line states.
TEST(ColourTracker, IncrementalColoursEqualAFullPass)
{
    static const char *const pieces[] = {"<",
                                         ">",
                                         "img",
                                         "IMG",
                                         " ",
                                         "src",
                                         "=",
                                         "\"",
                                         "'",
                                         "x",
                                         "100",
                                         "\n",
                                         "\r\n",
                                         "\r",
                                         "<!--",
                                         "-->",
                                         "<script>",
                                         "</script>",
                                         "<style>",
                                         "</STYLE>",
                                         "a<b",
                                         "http-equiv",
                                         "table",
                                         "-",
                                         "!",
                                         "/",
                                         "?",
                                         "1.5e3",
                                         "<p class=title>",
                                         "<a href=\"x\">",
                                         "</a>",
                                         "--!>",
                                         "<!-->",
                                         "br",
                                         "\t",
                                         "/*",
                                         "*/",
                                         "//",
                                         "`",
                                         "${",
                                         "{",
                                         "}",
                                         ";",
                                         "\\",
                                         "return",
                                         " type=x",
                                         "style=\"a:b\"",
                                         "@media",
                                         "&amp;"};
    const auto pieceCount = std::size(pieces);
    std::mt19937 rng(20240531);
    auto randomText = [&](int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += pieces[rng() % pieceCount];
        return text;
    };

    // Resume points far apart (none in these short texts) and every few bytes.
    for (int round = 0; round < 300; ++round) {
        ColourTracker tracker(MakeHtmlColourEngine(), round % 2 ? 5 : 4096);
        std::string text = randomText(static_cast<int>(rng() % 80));
        Shown shown;
        shown.Change({0, 0, text.size()});
        shown.Apply(tracker.ColourAll(text));
        std::vector<Rewrite> pending;

        for (int step = 0; step < 40; ++step) {
            TextChange change;
            std::string inserted;
            if (!pending.empty() && rng() % 4 == 0) {
                // The view applies a pass's rewrites as edits of their own.
                const Rewrite rewrite = pending[rng() % pending.size()];
                change = {rewrite.position, rewrite.text.size(), rewrite.text.size()};
                inserted = rewrite.text;
            } else {
                change.position = text.empty() ? 0 : rng() % (text.size() + 1);
                change.removed = std::min<std::size_t>(rng() % 4 == 0 ? rng() % 12 : 0,
                                                       text.size() - change.position);
                inserted = rng() % 3 == 0 ? "" : randomText(1 + static_cast<int>(rng() % 3));
                change.inserted = inserted.size();
            }
            const std::string before = text;
            Replace(text, shown, change, inserted);
            TextChange reported = change;
            if (rng() % 5 == 0) {
                // A second piece of the same command, reported as one merged change.
                const std::string more = randomText(1);
                const TextChange second{rng() % (text.size() + 1), 0, more.size()};
                Replace(text, shown, second, more);
                reported = Merge(change, second);
            }
            const Recolouring r = tracker.Edited(text, reported);
            ASSERT_LE(r.start, reported.position);
            ASSERT_GE(r.End(), reported.position + reported.inserted);
            shown.Apply(r);

            const std::vector<std::uint8_t> full = FullStyles(tracker.Engine(), text);
            ASSERT_EQ(shown.Styles(), full) << "round " << round << " step " << step
                                            << "\nbefore: " << before << "\nafter: " << text;

            ColourTracker fresh;
            fresh.ColourAll(text);
            const ScanResult all = tracker.Engine().Scan(text, 0, text.size());
            ExpectPointsOf(tracker, text);
            if (HasFatalFailure())
                FAIL() << "round " << round << " step " << step << "\nafter: " << text;

            // The reported rewrites are those of a full pass on the words the change wrote:
            // overlapping its inserted bytes or ending where they start.
            std::vector<Rewrite> within;
            const std::size_t from = reported.position;
            const std::size_t to = from + reported.inserted;
            for (const auto &rewrite : all.rewrites) {
                const std::size_t end = rewrite.position + rewrite.text.size();
                if (end == from || (rewrite.position < to && end > from))
                    within.push_back(rewrite);
            }
            ASSERT_EQ(std::vector<Rewrite>(r.rewrites.begin(), r.rewrites.end()), within);

            // Rewrites change letter case only, never the length, and a second pass over
            // the rewritten text finds nothing more to do.
            const std::string rewritten =
                Applied(text, std::vector<Rewrite>(all.rewrites.begin(), all.rewrites.end()));
            ASSERT_EQ(rewritten.size(), text.size());
            ASSERT_EQ(Lower(rewritten), Lower(text));
            ASSERT_TRUE(tracker.Engine().Scan(rewritten, 0, rewritten.size()).rewrites.empty());
            ASSERT_EQ(FullStyles(tracker.Engine(), rewritten), full);
            // So a view may apply rewrites without telling the tracker: line states hold.
            ColourTracker afterRewrites;
            afterRewrites.ColourAll(rewritten);
            for (std::size_t line = 0; line < fresh.PointCount(); ++line)
                ASSERT_EQ(afterRewrites.PointState(line), fresh.PointState(line));
            pending.assign(all.rewrites.begin(), all.rewrites.end());
        }
    }
}

TEST(ColourTracker, RewritesOfOneLineGoInAsOne)
{
    struct Case
    {
        const char *name;
        std::string text;
        std::vector<Rewrite> rewrites;
        std::vector<Rewrite> joined;
    };
    const Case cases[] = {
        {"none", "<b>", {}, {}},
        {"one", "<b>", {{1, "B"}}, {{1, "B"}}},
        {"two on a line", "<img src=x>", {{1, "IMG"}, {5, "SRC"}}, {{1, "IMG SRC"}}},
        {"adjacent", "<ab>", {{1, "A"}, {2, "B"}}, {{1, "AB"}}},
        {"split by a line feed",
         "<img\nsrc=x>",
         {{1, "IMG"}, {5, "SRC"}},
         {{1, "IMG"}, {5, "SRC"}}},
        {"split by a return", "<img\rsrc=x>", {{1, "IMG"}, {5, "SRC"}}, {{1, "IMG"}, {5, "SRC"}}},
        {"three, two lines",
         "<p><b>\r\n<i>",
         {{1, "P"}, {4, "B"}, {9, "I"}},
         {{1, "P><B"}, {9, "I"}}},
    };
    for (const auto &c : cases) {
        StringSource text(c.text);
        EXPECT_EQ(JoinRewritesByLine(c.rewrites, text), c.joined) << c.name;
        // Applying either gives the same text.
        std::string one = c.text, other = c.text;
        for (const auto &r : c.rewrites)
            one.replace(r.position, r.text.size(), r.text);
        for (const auto &r : JoinRewritesByLine(c.rewrites, text))
            other.replace(r.position, r.text.size(), r.text);
        EXPECT_EQ(one, other) << c.name;
    }
}

TEST(ColourTracker, AnEditInALongLineRecoloursAroundItOnly)
{
    std::string piece = "<div class=\"c\"><img src=a.gif> text <b>bold</b></div>";
    std::string line;
    while (line.size() < 100000)
        line += piece;
    struct Case
    {
        const char *name;
        std::string_view near; // the edit goes just after its first match past the middle
        std::string inserted;
        std::size_t removed;
        bool local; // reads a few kilobytes, not the rest of the line
    };
    const Case cases[] = {
        {"a letter in text", " tex", "x", 0, true},
        {"a letter in a tag name", "<im", "x", 0, true},
        {"right after the > of a tag", "</b>", "y", 0, true},
        {"the > of a tag deleted", "a.gif", "", 1, true},
        {"a quote opening a value", "src=", "\"", 0, true},
        {"a comment that runs on", " text", "<!--", 0, false},
        {"a script that runs on", " text", "<script>", 0, false},
    };
    for (const Case &c : cases) {
        std::string text = line;
        ColourTracker tracker;
        Shown shown;
        shown.Change({0, 0, text.size()});
        shown.Apply(tracker.ColourAll(text));
        const TextChange change{text.find(c.near, text.size() / 2) + c.near.size(), c.removed,
                                c.inserted.size()};
        Replace(text, shown, change, c.inserted);
        CountingSource source(text);
        const Recolouring r = tracker.Edited(source, change);
        shown.Apply(r);
        EXPECT_EQ(shown.Styles(), FullStyles(tracker.Engine(), text)) << c.name;
        EXPECT_EQ(source.handedOut < 20000, c.local) << c.name << ": " << source.handedOut;
        ExpectPointsOf(tracker, text);
        // Undone: the points the edit changed are found again.
        text.replace(change.position, change.inserted, line.substr(change.position, c.removed));
        const TextChange undo{change.position, change.inserted, change.removed};
        shown.Change(undo);
        shown.Apply(tracker.Edited(text, undo));
        EXPECT_EQ(shown.Styles(), FullStyles(tracker.Engine(), text)) << c.name << " undone";
        ExpectPointsOf(tracker, text);
    }
}

namespace {

// The tags a text holds, each as its name, whether it ends an element and where it stands,
// with the positions from `moved` on shifted back by `shift`: those before and after an edit
// then compare equal when the edit left them alone.
std::vector<std::string> TagsOf(std::string_view text, std::size_t moved, std::ptrdiff_t shift)
{
    std::vector<std::string> tags;
    TagCursor cursor(text);
    while (const auto tag = cursor.Next()) {
        const std::size_t at = tag->begin >= moved ? tag->begin - shift : tag->begin;
        tags.push_back(std::string(tag->isEndTag ? "/" : "") + std::string(tag->name) + "@" +
                       std::to_string(at) + "-" + std::to_string(tag->end - tag->begin));
    }
    return tags;
}

} // namespace

TEST(LeavesTagsAlone, OnlyEditsOfTextBetweenTagsThatCannotMakeATag)
{
    const struct
    {
        const char *name;
        std::string before;
        std::size_t position, removed;
        std::string inserted;
        bool alone;
    } cases[] = {
        {"letters after the page", "<P>a</P>\n", 9, 0, "abc", true},
        {"a word in a paragraph", "<P>a word</P>", 6, 0, "x y", true},
        {"letters taken out of a word", "<P>a word</P>", 5, 2, "", true},
        {"at the very start", "word<P>", 0, 0, "x", true},
        {"in the page's first word", "word<P>", 2, 0, "x", true},
        {"after a word longer than is read back", "x" + std::string(WordReach, 'a'), WordReach + 1,
         0, "x", false},
        {"a line break", "<P>a</P>", 4, 0, "\n", false},
        {"a line break taken out", "<P>\na</P>", 3, 1, "", false},
        {"a < typed", "<P>a</P>", 4, 0, "<", false},
        {"a > taken out", "<P>a</P>", 2, 1, "", false},
        {"a letter after a lone <", "a < b", 3, 0, "b", false},
        {"the space after a lone < taken out", "a < b", 3, 1, "", false},
        {"a letter after </", "a </ b", 4, 0, "p", false},
        {"inside a tag name", "<P>a</P>", 2, 0, "x", false},
        {"inside an attribute value", "<A HREF=\"x\">a</A>", 9, 0, "y", false},
        {"inside a comment", "<!-- a -->", 6, 0, "b", false},
        {"a dash next to a comment's end", "<!-- a -- >", 9, 0, "-", false},
        {"inside a style sheet", "<STYLE>p { }</STYLE>", 9, 0, "x", false},
        {"inside a script", "<SCRIPT>a = 1</SCRIPT>", 9, 0, "b", false},
        {"inside the title", "<TITLE>a</TITLE>", 8, 0, "b", false},
    };
    for (const auto &c : cases) {
        std::string after = c.before;
        after.replace(c.position, c.removed, c.inserted);
        ColourTracker tracker;
        tracker.ColourAll(after);
        StringSource source(after);
        const LineState context = tracker.ContextAt(source, c.position).state;
        const bool removedInert =
            InertInText(std::string_view(c.before).substr(c.position, c.removed));
        const std::size_t reach = std::min(c.position, WordReach);
        const bool alone =
            LeavesTagsAlone(std::string_view(after).substr(c.position - reach, reach), c.inserted,
                            removedInert, context);
        EXPECT_EQ(alone, c.alone) << c.name;
        if (!alone)
            continue;
        const auto shift = std::ptrdiff_t(c.inserted.size()) - std::ptrdiff_t(c.removed);
        EXPECT_EQ(TagsOf(after, c.position + c.inserted.size(), shift),
                  TagsOf(c.before, c.position + c.removed, 0))
            << c.name;
        EXPECT_EQ(FoldLevels(after), FoldLevels(c.before)) << c.name;
    }
}
