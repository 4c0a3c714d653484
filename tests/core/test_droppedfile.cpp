#include "droppedfile.h"

#include <gtest/gtest.h>

using namespace tarnel;
using namespace std::string_view_literals;

TEST(DroppedFile, KindByExtensionThenBytes)
{
    const struct
    {
        std::string_view path;
        std::string_view bytes;
        DroppedFile kind;
    } cases[] = {
        {"/p/index.htm", "", DroppedFile::Page},
        {"/p/INDEX.XHTML", "", DroppedFile::Page},
        {"/p/a.shtml", "\0\1"sv, DroppedFile::Page},
        {"/p/photo.JPEG", "\xff\xd8\0"sv, DroppedFile::Picture},
        {"/p/logo.svg", "<svg/>", DroppedFile::Picture},
        {"/p/icon.avif", "", DroppedFile::Picture},
        {"/p/notes.txt", "one\r\n\ttwo\f\n", DroppedFile::Text},
        {"/p/umlaut.css", "p { content: \"\xc3\xa4\" }", DroppedFile::Text},
        {"/p/latin1", "caf\xe9", DroppedFile::Text},
        {"/p/empty.txt", "", DroppedFile::Text},
        {"/p/archive.zip", "PK\3\4", DroppedFile::Refused},
        {"/p/nul.txt", "a\0b"sv, DroppedFile::Refused},
        {"/p/escape.log", "\x1b[1m", DroppedFile::Refused},
        {"/p.htm/README", "text", DroppedFile::Text},
        {"/p/.htm", "x", DroppedFile::Text},
    };
    for (const auto &c : cases)
        EXPECT_EQ(KindOfDroppedFile(c.path, c.bytes), c.kind) << c.path;
}

TEST(DroppedFile, PictureSourceRelativeToTheSavedPage)
{
    const struct
    {
        std::string_view page, picture, source;
    } cases[] = {
        {"/site/index.htm", "/site/img/a b.png", "img/a%20b.png"},
        {"/site/sub/page.htm", "/site/img/logo.gif", "../img/logo.gif"},
        {"", "/home/me/logo.gif", "/home/me/logo.gif"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DroppedPictureSource(c.page, c.picture), c.source) << c.picture;
}

TEST(DroppedFile, EveryLineBreakBecomesALineFeed)
{
    EXPECT_EQ(WithLineFeeds("a\r\nb\rc\nd\r"), "a\nb\nc\nd\n");
    EXPECT_EQ(WithLineFeeds("\r\r\n"), "\n\n");
}
