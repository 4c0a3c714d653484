#include "outline.h"
#include "recordprinting.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {

OutlineModel ModelShowing(const std::string &text)
{
    OutlineModel model;
    PageElements scan = ScanElements(text);
    for (const auto &n : NotificationsFor(DiffOutline(model, scan)))
        model.Apply(n.hint, n.record ? &*n.record : nullptr);
    return model;
}

} // namespace

TEST(Outline, CategoriesInTreeOrderWithTheirEditHints)
{
    const std::pair<std::string_view, Hint> expected[] = {
        {"Applets", HintEditApplet}, {"Hyperlinks", HintEditLink}, {"Images", HintEditImage}};
    ASSERT_EQ(OutlineCategories.size(), 3u);
    for (std::size_t i = 0; i < OutlineCategories.size(); ++i) {
        EXPECT_EQ(OutlineCategoryLabel(OutlineCategories[i]), expected[i].first);
        EXPECT_EQ(EditHintFor(OutlineCategories[i]), expected[i].second);
    }
    EXPECT_EQ(OutlineRootLabel, "Web Page");
}

TEST(Outline, HintsAddAndClear)
{
    OutlineModel model;
    const ElementRecord a{"a.htm", 4};
    const ElementRecord b{"a.htm", 40};
    EXPECT_TRUE(model.Apply(HintAddLink, &a));
    EXPECT_TRUE(model.Apply(HintAddLink, &b));
    EXPECT_TRUE(model.Apply(HintAddImage, &a));
    EXPECT_TRUE(model.Apply(HintAddApplet, &b));
    // Two links with the same URL are two entries; the second keeps its own index.
    EXPECT_EQ(model.Entries(OutlineCategory::Hyperlinks), (std::vector{a, b}));
    EXPECT_EQ(model.Entry(OutlineCategory::Hyperlinks, 1), b);
    EXPECT_EQ(model.Entry(OutlineCategory::Hyperlinks, 2), std::nullopt);

    EXPECT_TRUE(model.Apply(HintClearLinks, nullptr));
    EXPECT_TRUE(model.Entries(OutlineCategory::Hyperlinks).empty());
    EXPECT_EQ(model.Entries(OutlineCategory::Images).size(), 1u);
    EXPECT_TRUE(model.Apply(HintClearImages, nullptr));
    EXPECT_TRUE(model.Apply(HintClearApplets, nullptr));
    EXPECT_TRUE(model.Entries(OutlineCategory::Applets).empty());

    for (const int ignored : std::initializer_list<int>{HintNone, HintEditImage, HintEditLink,
                                                        HintEditApplet, HintSourceClosed, 9, 10})
        EXPECT_FALSE(model.Apply(ignored, &a)) << ignored;
    EXPECT_FALSE(model.Apply(HintAddImage, nullptr));
    EXPECT_TRUE(model.Entries(OutlineCategory::Images).empty());
}

TEST(Outline, RescanOfAnUnchangedPageChangesNothing)
{
    const std::string text = R"(<IMG SRC="a.gif"><A HREF="x.htm">x</A><APPLET CODE="C.class">)";
    const OutlineModel model = ModelShowing(text);
    PageElements scan = ScanElements(text);
    const OutlineDiff diff = DiffOutline(model, scan);
    EXPECT_FALSE(diff.Changed());
    EXPECT_TRUE(NotificationsFor(diff).empty());
    EXPECT_EQ(scan.images.size(), 1u) << "unchanged lists stay for reuse";
    // A new page: the tree's empty categories already show what the scan finds.
    PageElements empty = ScanElements("<HTML><BODY></BODY></HTML>");
    EXPECT_FALSE(DiffOutline(OutlineModel(), empty).Changed());
}

TEST(Outline, DiffReportsOnlyChangedCategories)
{
    struct Case
    {
        const char *name;
        std::string before;
        std::string after;
        std::vector<OutlineNotification> notifications;
    };
    const Case cases[] = {
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
          {HintAddImage, ElementRecord{"a.gif", 0}},
          {HintAddImage, ElementRecord{"b.gif", 29}},
          {HintClearLinks, {}},
          {HintAddLink, ElementRecord{"y", 17}}}},
    };
    for (const auto &c : cases) {
        OutlineModel model = ModelShowing(c.before);
        PageElements scan = ScanElements(c.after);
        const OutlineDiff diff = DiffOutline(model, scan);
        EXPECT_EQ(NotificationsFor(diff), c.notifications) << c.name;
        for (const auto &n : NotificationsFor(diff))
            model.Apply(n.hint, n.record ? &*n.record : nullptr);
        ScanElements(c.after, scan);
        EXPECT_FALSE(DiffOutline(model, scan).Changed()) << c.name;
    }
}
