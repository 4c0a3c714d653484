#include "compactrecords.h"
#include "outline.h"
#include "recordprinting.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {

std::vector<OutlineNotification> Rescan(const std::string &text, OutlineState &state,
                                        bool resendAll = false)
{
    std::vector<OutlineNotification> sent;
    RescanOutline(text, state, resendAll, [&](Hint hint, const ElementRecord *record) {
        sent.push_back({hint, record ? std::optional(*record) : std::nullopt});
    });
    for (const auto &n : sent)
        state.Apply(n.hint, n.record ? &*n.record : nullptr);
    return sent;
}

OutlineDigest DigestOf(std::initializer_list<ElementRecord> records)
{
    OutlineDigest digest;
    for (const auto &record : records)
        digest.Add(record);
    return digest;
}

} // namespace

TEST(Outline, CategoriesInTreeOrderWithTheirEditHints)
{
    const std::pair<std::string_view, Hint> expected[] = {
        {"Applets", HintEditApplet}, {"Hyperlinks", HintEditLink}, {"Images", HintEditImage},
        {"Media", HintEditMedia},    {"Headings", HintNone},       {"Scripts & Styles", HintNone}};
    ASSERT_EQ(OutlineCategories.size(), 6u);
    for (std::size_t i = 0; i < OutlineCategories.size(); ++i) {
        EXPECT_EQ(OutlineCategoryLabel(OutlineCategories[i]), expected[i].first);
        EXPECT_EQ(EditHintFor(OutlineCategories[i]), expected[i].second);
    }
    EXPECT_EQ(OutlineRootLabel, "Web Page");
}

TEST(Outline, DigestsTellEntryListsApart)
{
    // Each pair differs in one way a rescan must notice.
    const std::pair<const char *, std::pair<OutlineDigest, OutlineDigest>> cases[] = {
        {"moved index", {DigestOf({{"a.gif", 1}}), DigestOf({{"a.gif", 2}})}},
        {"changed value", {DigestOf({{"a.gif", 1}}), DigestOf({{"b.gif", 1}})}},
        {"order", {DigestOf({{"a", 1}, {"b", 2}}), DigestOf({{"b", 2}, {"a", 1}})}},
        {"bytes moved between values",
         {DigestOf({{"ab", 1}, {"c", 5}}), DigestOf({{"a", 1}, {"bc", 5}})}},
        {"one more entry", {DigestOf({{"a", 1}}), DigestOf({{"a", 1}, {"a", 1}})}},
        {"empty value", {DigestOf({}), DigestOf({{"", 0}})}},
    };
    for (const auto &[name, pair] : cases)
        EXPECT_NE(pair.first, pair.second) << name;
    EXPECT_EQ(DigestOf({{"a", 1}, {"b", 2}}), DigestOf({{"a", 1}, {"b", 2}}));

    // Many near-identical entries, as a long page has: no two prefixes digest alike.
    std::vector<OutlineDigest> prefixes;
    OutlineDigest running;
    for (std::size_t i = 0; i < 2000; ++i) {
        running.Add({"page" + std::to_string(i % 7) + ".htm", i * 3});
        prefixes.push_back(running);
    }
    for (std::size_t i = 0; i < prefixes.size(); ++i)
        for (std::size_t j = i + 1; j < prefixes.size(); j += 97)
            ASSERT_NE(prefixes[i], prefixes[j]) << i << " " << j;
}

TEST(Outline, HintsAddAndClear)
{
    OutlineState state;
    const ElementRecord a{"a.htm", 4};
    const ElementRecord b{"a.htm", 40};
    EXPECT_TRUE(state.Apply(HintAddLink, &a));
    EXPECT_TRUE(state.Apply(HintAddLink, &b));
    EXPECT_TRUE(state.Apply(HintAddImage, &a));
    EXPECT_TRUE(state.Apply(HintAddApplet, &b));
    // Two links with the same URL are two entries.
    EXPECT_EQ(state.Digest(OutlineCategory::Hyperlinks), DigestOf({a, b}));
    EXPECT_EQ(state.Digest(OutlineCategory::Images), DigestOf({a}));

    EXPECT_TRUE(state.Apply(HintClearLinks, nullptr));
    EXPECT_EQ(state.Digest(OutlineCategory::Hyperlinks), OutlineDigest());
    EXPECT_EQ(state.Digest(OutlineCategory::Images).Count(), 1u);
    EXPECT_TRUE(state.Apply(HintClearImages, nullptr));
    EXPECT_TRUE(state.Apply(HintClearApplets, nullptr));
    EXPECT_EQ(state.Digest(OutlineCategory::Applets), OutlineDigest());

    for (const int ignored : std::initializer_list<int>{HintNone, HintEditImage, HintEditLink,
                                                        HintEditApplet, HintSourceClosed, 9, 10})
        EXPECT_FALSE(state.Apply(ignored, &a)) << ignored;
    EXPECT_FALSE(state.Apply(HintAddImage, nullptr));
    EXPECT_EQ(state.Digest(OutlineCategory::Images), OutlineDigest());
}

TEST(Outline, ResendAllTellsEveryCategory)
{
    OutlineState state;
    // The clear hints in category order, then the entries in text order, from one reading.
    const std::vector<OutlineNotification> expected = {{HintClearImages, {}},
                                                       {HintClearApplets, {}},
                                                       {HintClearLinks, {}},
                                                       {HintClearMedia, {}},
                                                       {HintClearHeadings, {}},
                                                       {HintClearScriptsAndStyles, {}},
                                                       {HintAddImage, ElementRecord{"a.gif", 0}},
                                                       {HintAddLink, ElementRecord{"x.htm", 17}},
                                                       {HintAddHeading, ElementRecord{"2x", 38}},
                                                       {HintAddImage, ElementRecord{"b.gif", 48}}};
    EXPECT_EQ(
        Rescan(R"(<IMG SRC="a.gif"><A HREF="x.htm">x</A><H2>x</H2><IMG SRC="b.gif">)", state, true),
        expected);
    // A new page: the tree's empty categories already show what the scan finds.
    OutlineState fresh;
    EXPECT_TRUE(Rescan("<HTML><BODY></BODY></HTML>", fresh).empty());
}

TEST(Outline, RescanSendsOnlyChangedCategories)
{
    struct Case
    {
        const char *name;
        std::string before;
        std::string after;
        std::vector<OutlineNotification> notifications;
    };
    const Case cases[] = {
        {"nothing changed",
         R"(<IMG SRC="a.gif"><A HREF="x.htm">x</A><APPLET CODE="C.class">)",
         R"(<IMG SRC="a.gif"><A HREF="x.htm">x</A><APPLET CODE="C.class">)",
         {}},
        {"a typed character moves every later index",
         R"(<IMG SRC="a.gif">)",
         R"(x<IMG SRC="a.gif">)",
         {{HintClearImages, {}}, {HintAddImage, ElementRecord{"a.gif", 1}}}},
        {"a deleted link leaves images and applets alone",
         R"(<IMG SRC="a.gif"><APPLET CODE="C"><A HREF="x.htm">)",
         R"(<IMG SRC="a.gif"><APPLET CODE="C">)",
         {{HintClearLinks, {}}}},
        {"a changed value",
         R"(<APPLET CODE="C"><A HREF="x.htm">)",
         R"(<APPLET CODE="D"><A HREF="x.htm">)",
         {{HintClearApplets, {}}, {HintAddApplet, ElementRecord{"D", 0}}}},
        {"an entry added to images and links",
         R"(<IMG SRC="a.gif">)",
         R"(<IMG SRC="a.gif"><A HREF="y"><IMG SRC="b.gif">)",
         {{HintClearImages, {}},
          {HintClearLinks, {}},
          {HintAddImage, ElementRecord{"a.gif", 0}},
          {HintAddLink, ElementRecord{"y", 17}},
          {HintAddImage, ElementRecord{"b.gif", 29}}}},
    };
    for (const auto &c : cases) {
        OutlineState state;
        Rescan(c.before, state, true);
        EXPECT_EQ(Rescan(c.after, state), c.notifications) << c.name;
        EXPECT_TRUE(Rescan(c.after, state).empty()) << c.name;
    }
}

TEST(Outline, AnotherViewsAddHintsCountAsShown)
{
    // An Insert command tells the outline of its element itself; the next rescan of the
    // same text must then send that category again, since the outline holds it twice.
    OutlineState state;
    const std::string text = R"(<IMG SRC="a.gif">)";
    Rescan(text, state, true);
    const ElementRecord added{"a.gif", 0};
    state.Apply(HintAddImage, &added);
    const std::vector<OutlineNotification> expected = {{HintClearImages, {}},
                                                       {HintAddImage, added}};
    EXPECT_EQ(Rescan(text, state), expected);
}

TEST(CompactRecords, KeepsValuesAndIndexesAcrossBlocks)
{
    // Values of every length, some longer than a block, so entries and bytes run over many
    // blocks and values straddle block ends.
    std::vector<ElementRecord> records;
    for (std::size_t i = 0; i < 20000; ++i) {
        const std::size_t length = i % 97 == 0 ? 70000 + i : i % 23;
        std::string value(length, static_cast<char>('a' + i % 26));
        if (!value.empty())
            value.back() = '"';
        records.push_back({value, i * 11});
    }
    CompactRecords store;
    for (int round = 0; round < 2; ++round) { // the second round reuses the blocks
        store.Clear();
        EXPECT_TRUE(store.Empty());
        for (const auto &record : records)
            store.Add(record);
        ASSERT_EQ(store.Size(), records.size());
        for (std::size_t i = 0; i < records.size(); ++i)
            ASSERT_EQ(store.Record(i), records[i]) << "round " << round << " entry " << i;
    }
    // Values compared in place against a store whose blocks end elsewhere.
    CompactRecords shifted;
    shifted.Add(std::string(1000, 'x'), 0);
    for (const auto &record : records)
        shifted.Add(record);
    for (std::size_t i = 0; i + 1 < records.size(); ++i) {
        ASSERT_TRUE(store.SameValue(i, shifted, i + 1)) << i;
        ASSERT_EQ(store.SameValue(i, shifted, i + 2), records[i].value == records[i + 1].value)
            << i;
        ASSERT_TRUE(store.SameValue(i, records[i].value)) << i;
        ASSERT_FALSE(store.SameValue(i, records[i].value + "x")) << i;
    }
    // Cut back to the middle of a block and refilled from there, one entry moved.
    const std::size_t half = records.size() / 2 + 1;
    store.Truncate(half);
    store.SetIndex(0, 7);
    records[0].index = 7;
    for (std::size_t i = half; i < records.size(); ++i)
        store.Add(records[i]);
    for (std::size_t i = 0; i < records.size(); ++i)
        ASSERT_EQ(store.Record(i), records[i]) << "after truncating, entry " << i;
}

TEST(CompactRecords, CostsLittleMoreThanTheValuesAndTrimsWhenShrunk)
{
    CompactRecords store;
    constexpr std::size_t n = 1'000'000;
    for (std::size_t i = 0; i < n; ++i)
        store.Add("page.htm", i * 90);
    // 16 bytes an entry and the value's 8, plus at most a block of each kind spare.
    EXPECT_LT(store.Footprint(), n * (16 + 8) + 200 * 1024);
    store.Clear();
    store.Add("a.gif", 1);
    store.Trim();
    EXPECT_LT(store.Footprint(), 300 * 1024);
    EXPECT_EQ(store.Record(0), (ElementRecord{"a.gif", 1}));
}

TEST(Outline, AnEditOfTextBetweenTagsAfterEveryEntryChangesNothing)
{
    const auto shownFor = [](std::string_view page) {
        OutlineState shown;
        RescanOutline(page, shown, false, [&shown](Hint hint, const ElementRecord *record) {
            shown.Apply(hint, record);
        });
        return shown;
    };
    const struct
    {
        const char *name;
        std::string page;
        std::size_t position;
        bool unchanged;
    } cases[] = {
        {"after the last link", "<A HREF=a.htm>a</A> text", 21, true},
        {"before a picture", "text <IMG SRC=a.gif>", 2, false},
        {"in a heading's text", "<H1>t u</H1>", 5, false},
        {"a page without entries", "<P>text</P>", 4, true},
    };
    for (const auto &c : cases) {
        const OutlineState shown = shownFor(c.page);
        EXPECT_EQ(shown.UnchangedByEditAt(c.position), c.unchanged) << c.name;
        std::string edited = c.page;
        edited.insert(c.position, "xy");
        bool told = false;
        RescanOutline(edited, shown, false, [&told](Hint, const ElementRecord *) { told = true; });
        EXPECT_EQ(told, !c.unchanged) << c.name;
    }
}
