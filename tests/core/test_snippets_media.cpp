#include "snippets_media.h"

#include <gtest/gtest.h>

// Cases name only the fields they set; the others keep their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace tarnel;

namespace {

template <typename Fields> struct Case
{
    const char *name;
    Fields fields;
    std::string expected;
};

} // namespace

TEST(Media, Builds)
{
    const Case<MediaFields> cases[] = {
        {"a video with its default controls",
         {.source = "clip.mp4"},
         "<VIDEO SRC=\"clip.mp4\" CONTROLS></VIDEO>\n"},
        {"audio ignores the video-only fields",
         {.element = "AUDIO", .source = "song.mp3", .poster = "p.jpg", .width = "1"},
         "<AUDIO SRC=\"song.mp3\" CONTROLS></AUDIO>\n"},
        {"poster and size",
         {.source = "a.mp4", .poster = "a.jpg", .width = "640", .height = "360"},
         "<VIDEO SRC=\"a.mp4\" POSTER=\"a.jpg\" WIDTH=\"640\" HEIGHT=\"360\" CONTROLS></VIDEO>\n"},
        {"controls off", {.source = "a.mp4", .controls = ""}, "<VIDEO SRC=\"a.mp4\"></VIDEO>\n"},
        {"every switch, preload",
         {.source = "a.mp4", .autoplay = "1", .muted = "1", .loop = "1", .preload = "none"},
         "<VIDEO SRC=\"a.mp4\" CONTROLS AUTOPLAY MUTED LOOP PRELOAD=\"none\"></VIDEO>\n"},
        {"fallback text",
         {.source = "a.mp4", .fallback = "Your browser plays no video."},
         "<VIDEO SRC=\"a.mp4\" CONTROLS>Your browser plays no video.</VIDEO>\n"},
        {"a relative path with a quote is written as typed, the quote escaped",
         {.source = "../media/say \"hi\".mp4"},
         "<VIDEO SRC=\"../media/say &quot;hi&quot;.mp4\" CONTROLS></VIDEO>\n"},
        {"further sources: each a SOURCE with its type, no SRC",
         {.source = "a.webm", .source2 = "a.MP4", .source3 = "a.xyz", .fallback = "No video."},
         "<VIDEO CONTROLS>\n<SOURCE SRC=\"a.webm\" TYPE=\"video/webm\">\n"
         "<SOURCE SRC=\"a.MP4\" TYPE=\"video/mp4\">\n<SOURCE SRC=\"a.xyz\">\nNo video.\n"
         "</VIDEO>\n"},
        {"audio sources",
         {.element = "AUDIO", .source = "s.ogg", .source2 = "s.mp3", .controls = ""},
         "<AUDIO>\n<SOURCE SRC=\"s.ogg\" TYPE=\"audio/ogg\">\n"
         "<SOURCE SRC=\"s.mp3\" TYPE=\"audio/mpeg\">\n</AUDIO>\n"},
        {"all together",
         {.source = "a.webm",
          .source2 = "a.mp4",
          .poster = "p.png",
          .width = "320",
          .height = "240",
          .autoplay = "1",
          .muted = "1",
          .loop = "1",
          .preload = "auto",
          .fallback = "x"},
         "<VIDEO POSTER=\"p.png\" WIDTH=\"320\" HEIGHT=\"240\" CONTROLS AUTOPLAY MUTED LOOP "
         "PRELOAD=\"auto\">\n<SOURCE SRC=\"a.webm\" TYPE=\"video/webm\">\n"
         "<SOURCE SRC=\"a.mp4\" TYPE=\"video/mp4\">\nx\n</VIDEO>\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BuildMediaTag(c.fields), c.expected) << c.name;
}

TEST(Media, TypeFromExtension)
{
    const std::tuple<const char *, bool, const char *> cases[] = {
        {"a.mp4", true, "video/mp4"},        {"dir.v2/a.OGV", true, "video/ogg"},
        {"a.ogg", true, "video/ogg"},        {"a.ogg", false, "audio/ogg"},
        {"a.webm?v=2", false, "audio/webm"}, {"a.mp3#t=10", false, "audio/mpeg"},
        {"a.wav", false, "audio/wav"},       {"dir.v2/noextension", true, ""},
    };
    for (const auto &[path, video, type] : cases)
        EXPECT_EQ(MediaTypeOf(path, video), type) << path;
}

TEST(Picture, Builds)
{
    const Case<PictureFields> cases[] = {
        {"one picture", {.source = "a.jpg"}, "<IMG SRC=\"a.jpg\">\n"},
        {"size and alt",
         {.source = "a.jpg", .width = "480", .height = "320", .alt = "A cat"},
         "<IMG SRC=\"a.jpg\" ALT=\"A cat\" WIDTH=\"480\" HEIGHT=\"320\">\n"},
        {"lazy", {.source = "a.jpg", .lazy = "1"}, "<IMG SRC=\"a.jpg\" LOADING=\"lazy\">\n"},
        {"sizes without a second picture is nothing to choose from",
         {.source = "a.jpg", .sizes = "50vw"},
         "<IMG SRC=\"a.jpg\">\n"},
        {"two sizes: SRCSET with their widths",
         {.source = "s.jpg",
          .width = "480",
          .height = "320",
          .source2 = "l.jpg",
          .width2 = "960",
          .sizes = "(max-width: 600px) 480px, 960px",
          .alt = "A cat"},
         "<IMG SRC=\"s.jpg\" SRCSET=\"s.jpg 480w, l.jpg 960w\" "
         "SIZES=\"(max-width: 600px) 480px, 960px\" ALT=\"A cat\" WIDTH=\"480\" "
         "HEIGHT=\"320\">\n"},
        {"a width unknown: the file alone",
         {.source = "../img/s.jpg", .source2 = "l.jpg", .width2 = "960"},
         "<IMG SRC=\"../img/s.jpg\" SRCSET=\"../img/s.jpg, l.jpg 960w\">\n"},
        {"a media condition makes a PICTURE",
         {.source = "a.jpg",
          .source2 = "wide.webp",
          .media2 = "(min-width: 800px)",
          .alt = "say \"cheese\""},
         "<PICTURE>\n<SOURCE MEDIA=\"(min-width: 800px)\" SRCSET=\"wide.webp\">\n"
         "<IMG SRC=\"a.jpg\" ALT=\"say &quot;cheese&quot;\">\n</PICTURE>\n"},
        {"all together",
         {.source = "s.jpg",
          .width = "480",
          .height = "320",
          .source2 = "w.jpg",
          .media2 = "(min-width: 900px)",
          .source3 = "l.jpg",
          .width3 = "960",
          .sizes = "50vw",
          .alt = "x",
          .lazy = "1"},
         "<PICTURE>\n<SOURCE MEDIA=\"(min-width: 900px)\" SRCSET=\"w.jpg\">\n"
         "<IMG SRC=\"s.jpg\" SRCSET=\"s.jpg 480w, l.jpg 960w\" SIZES=\"50vw\" ALT=\"x\" "
         "WIDTH=\"480\" HEIGHT=\"320\" LOADING=\"lazy\">\n</PICTURE>\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BuildPictureTag(c.fields), c.expected) << c.name;
}

TEST(Picture, WarnsWithoutAlt)
{
    EXPECT_TRUE(Warning(PictureFields{.source = "a.jpg"}).has_value());
    EXPECT_EQ(Warning(PictureFields{.source = "a.jpg", .alt = "A cat"}), std::nullopt);
}
