#include "outlinetoday.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <tuple>

using namespace tarnel;

namespace {

std::string ReadPage(const std::string &name)
{
    std::ifstream file(std::string(TARNEL_TEST_DATA) + "/pages/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

using Listed = std::tuple<TodayCategory, std::string, int>;

std::vector<Listed> Scan(std::string_view text)
{
    std::vector<Listed> listed;
    ScanTodaysElements(text, [&](TodayCategory category, const ElementRecord &record, int level) {
        EXPECT_EQ(text[record.index], '<') << record.value;
        listed.emplace_back(category, record.value, level);
    });
    return listed;
}

} // namespace

TEST(OutlineToday, APageOfToday)
{
    const std::string page = ReadPage("today.html");
    const std::vector<Listed> expected = {
        {TodayCategory::ScriptsAndStyles, "print.css", 0},
        {TodayCategory::ScriptsAndStyles, "app.js", 0},
        {TodayCategory::Headings, "Our summer trip", 1},
        {TodayCategory::Headings, "By the sea", 2},
        {TodayCategory::Media, "video", 0},
        {TodayCategory::Media, "sea.webm", 1},
        {TodayCategory::Media, "sea.mp4", 1},
        {TodayCategory::Headings, "Sounds", 3},
        {TodayCategory::Media, "waves \"live\".mp3", 0},
        {TodayCategory::Headings, "Maps", 2},
        {TodayCategory::Media, "map.svg", 0},
        {TodayCategory::Media, "route.pdf", 0},
    };
    EXPECT_EQ(Scan(page), expected);

    // The outline's own scan lists them in the same pass, a heading's level before its text.
    std::vector<std::pair<OutlineCategory, std::string>> outlined;
    ScanElements(page, [&](OutlineCategory category, const ElementRecord &record) {
        if (category != OutlineCategory::Images)
            outlined.emplace_back(category, record.value);
    });
    const std::vector<std::pair<OutlineCategory, std::string>> inOutline = {
        {OutlineCategory::ScriptsAndStyles, "print.css"},
        {OutlineCategory::ScriptsAndStyles, "app.js"},
        {OutlineCategory::Headings, "1Our summer trip"},
        {OutlineCategory::Headings, "2By the sea"},
        {OutlineCategory::Media, "video"},
        {OutlineCategory::Media, "sea.webm"},
        {OutlineCategory::Media, "sea.mp4"},
        {OutlineCategory::Headings, "3Sounds"},
        {OutlineCategory::Media, "waves \"live\".mp3"},
        {OutlineCategory::Headings, "2Maps"},
        {OutlineCategory::Media, "map.svg"},
        {OutlineCategory::Media, "route.pdf"},
    };
    EXPECT_EQ(outlined, inOutline);
}

TEST(OutlineToday, HeadingsAsATree)
{
    const struct
    {
        const char *name;
        std::vector<int> levels;
        std::vector<int> parents;
        std::vector<int> rows;
    } cases[] = {
        {"none", {}, {}, {}},
        {"a page's structure",
         {1, 2, 3, 3, 2, 1, 2},
         {-1, 0, 1, 1, 0, -1, 5},
         {0, 0, 0, 1, 1, 1, 0}},
        {"a skipped level hangs under the nearest higher one", {1, 3, 2}, {-1, 0, 0}, {0, 0, 1}},
        {"starting below the top", {3, 2, 4}, {-1, -1, 1}, {0, 1, 0}},
    };
    HeadingTree tree;
    for (const auto &c : cases) {
        tree.Clear();
        for (const int level : c.levels)
            tree.Append(level);
        std::vector<int> parents, rows;
        for (int node = 0; node < tree.Size(); ++node) {
            parents.push_back(tree.Parent(node));
            rows.push_back(tree.Row(node));
            EXPECT_EQ(tree.Child(tree.Parent(node), tree.Row(node)), node) << c.name;
        }
        EXPECT_EQ(parents, c.parents) << c.name;
        EXPECT_EQ(rows, c.rows) << c.name;
    }
}
