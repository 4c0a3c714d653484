#include "scanner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace tarnel;

namespace {

std::string ReadPage(const std::string &name)
{
    std::ifstream file(std::string(TARNEL_TEST_DATA) + "/pages/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> Values(const std::vector<ElementRecord> &records)
{
    std::vector<std::string> values;
    for (const auto &record : records)
        values.push_back(record.value);
    return values;
}

using Strings = std::vector<std::string>;

struct PageCase
{
    const char *file;
    Strings images;  // img[src]
    Strings applets; // applet[code]
    Strings links;   // a[href], each source tag once (a parser clones a link left open)
};

// What a standards HTML parser finds in each page, in document order.
const PageCase Pages[] = {
    {"homepage.htm",
     {"images/home.gif", "images/about.gif", "images/links.gif", "photos/me.jpg",
      "anim/construction.gif", "http://counter.example.net/count.gif?id=tom"},
     {},
     {"index.htm", "about.htm", "links.htm", "mailto:tom@example.com", "photos.htm", "projects.htm",
      "#top", "http://counter.example.net/"}},
    {"applets.htm",
     {"noclock.gif", "home.gif"},
     {"Clock.class", "Ticker.class", "Tetris.class"},
     {"game.htm", "index.htm"}},
    {"journal.htm",
     {"/logo.png", "photos/lake-01.jpg", "photos/lake-02.jpg", "photos/lake-03.jpg",
      "/img/feed.png"},
     {},
     {"/", "/archive/", "/about", "https://example.org/lakes?name=blue", "#comments",
      "mailto:me@example.org?subject=Lake%20trip", "/feed.xml"}},
    {"imagemap.htm",
     {"campus.gif", "icons/lab.gif", "footer.gif"},
     {},
     {"library.htm", "hall.htm", "gym.htm", "labs.htm", "contact.htm"}},
};

} // namespace

TEST(ScannerPages, ListsWhatAnHtmlParserFinds)
{
    for (const auto &page : Pages) {
        const std::string text = ReadPage(page.file);
        ASSERT_FALSE(text.empty()) << page.file;
        const PageElements found = ScanElements(text);
        EXPECT_EQ(Values(found.images), page.images) << page.file;
        EXPECT_EQ(Values(found.applets), page.applets) << page.file;
        EXPECT_EQ(Values(found.links), page.links) << page.file;
        EXPECT_EQ(ScanImages(text), found.images) << page.file;
        EXPECT_EQ(ScanApplets(text), found.applets) << page.file;
        EXPECT_EQ(ScanLinks(text), found.links) << page.file;
    }
}

TEST(ScannerPages, EveryEntryOfEveryCutPagePointsAtItsTag)
{
    // A page being typed is a cut page: whatever its end, no entry may point elsewhere.
    for (const auto &page : Pages) {
        const std::string whole = ReadPage(page.file);
        for (std::size_t length = 0; length <= whole.size(); length += 3) {
            const std::string text = whole.substr(0, length);
            const PageElements found = ScanElements(text);
            for (const auto *records : {&found.images, &found.applets, &found.links}) {
                for (const auto &record : *records) {
                    ASSERT_LT(record.index, text.size());
                    ASSERT_EQ(text[record.index], '<') << page.file << " cut at " << length;
                    const auto range = TagRange(text, record.index);
                    ASSERT_TRUE(range) << page.file << " cut at " << length;
                    const std::string tag = text.substr(range->begin, range->end - range->begin);
                    EXPECT_NE(tag.find(record.value), std::string::npos)
                        << page.file << " cut at " << length << ": " << record.value;
                }
            }
        }
    }
}
