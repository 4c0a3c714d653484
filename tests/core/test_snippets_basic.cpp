#include "colourlists.h"
#include "filepaths.h"
#include "snippets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace tarnel;

namespace {

ImageFields Image(std::string source)
{
    ImageFields f;
    f.imageSource = std::move(source);
    return f;
}

} // namespace

// ---- Image and video ----

TEST(ImageTag, Build)
{
    ImageFields logo = Image("pics/logo.gif");
    logo.width = "120";
    logo.height = "40";
    logo.border = "0";
    logo.comment = "Logo";
    logo.align = "LEFT";

    ImageFields video;
    video.video = true;
    video.videoSource = "intro.avi";

    ImageFields videoIgnoresImage = video;
    videoIgnoresImage.imageSource = "browsed.gif";

    ImageFields stillIgnoresVideo = Image("a.gif");
    stillIgnoresVideo.videoSource = "left.avi";

    ImageFields quoted = Image("a.gif");
    quoted.comment = "say \"hi\"";

    ImageFields anyText = Image("a.gif");
    anyText.width = "abc";
    anyText.border = "  ";

    const struct
    {
        const char *name;
        ImageFields fields;
        const char *expected;
    } cases[] = {
        {"all fields", logo,
         "<IMG  SRC=\"pics/logo.gif\" ALIGN=\"LEFT\" BORDER=\"0\" HEIGHT=\"40\" WIDTH=\"120\" "
         "ALT=\"Logo\">\n"},
        {"video", video, "<IMG  DYNSRC=\"intro.avi\">\n"},
        {"video ignores the image source", videoIgnoresImage, "<IMG  DYNSRC=\"intro.avi\">\n"},
        {"still image ignores the video source", stillIgnoresVideo, "<IMG  SRC=\"a.gif\">\n"},
        {"double quotes escaped", quoted, "<IMG  SRC=\"a.gif\" ALT=\"say &quot;hi&quot;\">\n"},
        {"any text, blanks kept", anyText, "<IMG  SRC=\"a.gif\" BORDER=\"  \" WIDTH=\"abc\">\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BuildImageTag(c.fields), c.expected) << c.name;
}

TEST(ImageTag, Validate)
{
    ImageFields videoWithoutSource = Image("a.gif");
    videoWithoutSource.video = true;
    ImageFields videoWithSource;
    videoWithSource.video = true;
    videoWithSource.videoSource = "v.avi";
    ImageFields imageWithOnlyVideoSource;
    imageWithOnlyVideoSource.videoSource = "v.avi";

    const struct
    {
        const char *name;
        ImageFields fields;
        std::optional<std::string> expected;
    } cases[] = {
        {"empty", ImageFields{}, "You must enter Image source!!"},
        {"image source", Image("a.gif"), std::nullopt},
        {"blank image source is not empty", Image(" "), std::nullopt},
        {"video without video source", videoWithoutSource, "You must enter Video source!!"},
        {"video with video source", videoWithSource, std::nullopt},
        {"still image needs its own source", imageWithOnlyVideoSource,
         "You must enter Image source!!"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Validate(c.fields), c.expected) << c.name;
}

TEST(ImageTag, VideoToggleEmptiesTheSourceThatBecomesReadOnly)
{
    const ImageSourceInputs opening = ImageOpeningInputs();
    EXPECT_TRUE(opening.imageSourceEditable);
    EXPECT_FALSE(opening.videoSourceEditable);
    EXPECT_FALSE(opening.imageBrowseHighlighted);
    EXPECT_TRUE(opening.videoBrowseHighlighted);

    ImageFields fields = Image("typed.gif");
    const ImageSourceInputs ticked = ImageVideoToggled(fields, true);
    EXPECT_TRUE(fields.video);
    EXPECT_EQ(fields.imageSource, "");
    EXPECT_FALSE(ticked.imageSourceEditable);
    EXPECT_TRUE(ticked.videoSourceEditable);
    EXPECT_TRUE(ticked.imageBrowseHighlighted);
    EXPECT_FALSE(ticked.videoBrowseHighlighted);
    EXPECT_EQ(Validate(fields), "You must enter Video source!!");

    fields.videoSource = "clip.avi";
    fields.imageSource = "browsed-while-read-only.gif";
    EXPECT_EQ(BuildImageTag(fields), "<IMG  DYNSRC=\"clip.avi\">\n");

    const ImageSourceInputs cleared = ImageVideoToggled(fields, false);
    EXPECT_FALSE(fields.video);
    EXPECT_EQ(fields.videoSource, "");
    EXPECT_EQ(fields.imageSource, "browsed-while-read-only.gif");
    EXPECT_EQ(cleared, opening);
}

TEST(AlignList, EntriesCarryNoTrailingBlank)
{
    const std::vector<std::string_view> expected = {
        "ABSBOTTOM", "ABSMIDDLE", "BASELINE", "BOTTOM", "LEFT", "MIDDLE", "RIGHT", "TEXTTOP", "TOP",
    };
    const auto list = ImageAlignList();
    EXPECT_EQ(std::vector<std::string_view>(list.begin(), list.end()), expected);
}

// ---- Background ----

TEST(BackgroundTag, BuildAndValidate)
{
    const struct
    {
        const char *name;
        BackgroundFields fields;
        const char *tag;
        std::optional<std::string> message;
    } cases[] = {
        {"image and colour",
         {"bg.gif", "Teal"},
         "<BODY  BACKGROUND=\"bg.gif\" BGCOLOR=\"Teal\">\n",
         std::nullopt},
        {"typed colour", {"", "#FFCC00"}, "<BODY  BGCOLOR=\"#FFCC00\">\n", std::nullopt},
        {"image only", {"pics/bg.gif", ""}, "<BODY  BACKGROUND=\"pics/bg.gif\">\n", std::nullopt},
        {"empty colour entry, no image",
         {"", ""},
         "<BODY >\n",
         "You must enter Image source or Colour!!"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(Validate(c.fields), c.message) << c.name;
        if (!c.message) {
            EXPECT_EQ(BuildBackgroundTag(c.fields), c.tag) << c.name;
        }
    }
}

TEST(BackgroundTag, RadioChoiceSteersInputs)
{
    const struct
    {
        BackgroundChoice choice;
        bool imageEditable, colourEnabled;
    } cases[] = {
        {BackgroundChoice::Image, true, false},
        {BackgroundChoice::Colour, false, true},
        {BackgroundChoice::ImageAndColour, true, true},
    };
    for (const auto &c : cases) {
        const BackgroundInputs inputs = BackgroundInputsFor(c.choice);
        EXPECT_EQ(inputs.imageEditable, c.imageEditable) << int(c.choice);
        EXPECT_EQ(inputs.colourEnabled, c.colourEnabled) << int(c.choice);
    }
}

// ---- Background sound ----

TEST(SoundTag, BuildAndValidate)
{
    const struct
    {
        const char *name;
        SoundFields fields;
        const char *tag;
        std::optional<std::string> message;
    } cases[] = {
        {"volume before balance",
         {"music.mid", "-1", "0", "-200"},
         "<BGSOUND SRC=\"music.mid\" LOOP=\"-1\" VOLUME=\"-200\" BALANCE=\"0\" >\n",
         std::nullopt},
        {"only a source", {"a.wav", "", "", ""}, "<BGSOUND SRC=\"a.wav\" >\n", std::nullopt},
        {"numbers not checked",
         {"a.wav", "forever", "", "loud"},
         "<BGSOUND SRC=\"a.wav\" LOOP=\"forever\" VOLUME=\"loud\" >\n",
         std::nullopt},
        {"no source", {"", "-1", "", ""}, "", "You must enter Sound source!!"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(Validate(c.fields), c.message) << c.name;
        if (!c.message) {
            EXPECT_EQ(BuildSoundTag(c.fields), c.tag) << c.name;
        }
    }
}

// ---- Applet ----

TEST(AppletTag, BuildAndValidate)
{
    // fileName, comment, className, align, name, height, width
    const struct
    {
        const char *name;
        AppletFields fields;
        const char *tag;
        std::optional<std::string> message;
    } cases[] = {
        {"all fields",
         {"Clock.class", "Clock", "clock", "LEFT", "clk", "60", "150"},
         "<APPLET  CODE=\"Clock.class\" ALIGN=\"LEFT\" ALT=\"Clock\" CLASS=\"clock\" "
         "HEIGHT=\"60\" WIDTH=\"150\" NAME=\"clk\">\n",
         std::nullopt},
        {"only a file name",
         {"x.class", "", "", "", "", "", ""},
         "<APPLET  CODE=\"x.class\">\n",
         std::nullopt},
        {"TOP",
         {"x.class", "", "", "TOP", "", "", ""},
         "<APPLET  CODE=\"x.class\" ALIGN=\"TOP\">\n",
         std::nullopt},
        {"quote in a name",
         {"x.class", "", "", "", "a\"b", "", ""},
         "<APPLET  CODE=\"x.class\" NAME=\"a&quot;b\">\n",
         std::nullopt},
        {"no file name",
         {"", "Clock", "clock", "", "", "", ""},
         "",
         "You must enter an Applet File Name!!"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(Validate(c.fields), c.message) << c.name;
        if (!c.message) {
            EXPECT_EQ(BuildAppletTag(c.fields), c.tag) << c.name;
        }
    }
}

// ---- Link ----

namespace {

LinkFields Link(LinkKind kind, std::string url)
{
    LinkFields f;
    f.kind = kind;
    f.url = std::move(url);
    return f;
}

} // namespace

TEST(Link, Build)
{
    LinkFields image = Link(LinkKind::Image, "index.htm");
    image.imageSource = "pics/logo.gif";
    image.imageComment = "Home";
    image.width = "88";
    image.height = "31";
    image.border = "0";
    image.align = "LEFT";

    LinkFields text = Link(LinkKind::Text, "page2.htm");
    text.linkText = "Next page";

    LinkFields applet = Link(LinkKind::Applet, "game.htm");
    applet.fileName = "Clock.class";
    applet.className = "clock";
    applet.appletName = "c1";
    applet.height = "100";
    applet.width = "200";
    applet.align = "TOP";

    LinkFields minimalImage = Link(LinkKind::Image, "a.htm");
    minimalImage.imageSource = "b.gif";

    LinkFields minimalApplet = Link(LinkKind::Applet, "x.htm");
    minimalApplet.fileName = "A.class";

    // Switching kinds keeps what was typed for the others; only the chosen kind is written.
    LinkFields switchedToImage = Link(LinkKind::Image, "a.htm");
    switchedToImage.linkText = "typed before";
    switchedToImage.imageSource = "b.gif";
    switchedToImage.fileName = "ignored.class";

    LinkFields rawText = Link(LinkKind::Text, "x.htm");
    rawText.linkText = "line 1\n<B>\"two\"</B>";

    LinkFields quotedUrl = Link(LinkKind::Text, "a\"b.htm");
    quotedUrl.linkText = "x";

    const struct
    {
        const char *name;
        LinkFields fields;
        const char *expected;
    } cases[] = {
        {"image", image,
         "<A HREF=\"index.htm\"><IMG SRC=\"pics/logo.gif\" ALT=\"Home\" WIDTH=\"88\" "
         "HEIGHT=\"31\" BORDER=\"0\" ALIGN=\"LEFT\"></A>\n"},
        {"text", text, "<A HREF=\"page2.htm\">Next page</A>\n"},
        {"applet", applet,
         "<A HREF=\"game.htm\"><APPLET  CODE=\"Clock.class\" ALIGN=\"TOP\" CLASS=\"clock\" "
         "HEIGHT=\"100\" WIDTH=\"200\" NAME=\"c1\"></A>\n"},
        {"minimal image", minimalImage, "<A HREF=\"a.htm\"><IMG SRC=\"b.gif\"></A>\n"},
        {"minimal applet", minimalApplet, "<A HREF=\"x.htm\"><APPLET  CODE=\"A.class\"></A>\n"},
        {"other kinds' fields ignored", switchedToImage,
         "<A HREF=\"a.htm\"><IMG SRC=\"b.gif\"></A>\n"},
        {"link text as typed", rawText, "<A HREF=\"x.htm\">line 1\n<B>\"two\"</B></A>\n"},
        {"quote in the URL", quotedUrl, "<A HREF=\"a&quot;b.htm\">x</A>\n"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BuildLink(c.fields), c.expected) << c.name;
}

TEST(Link, Validate)
{
    LinkFields noUrl = Link(LinkKind::Text, "");
    noUrl.linkText = "x";
    LinkFields imageNoSource = Link(LinkKind::Image, "a.htm");
    LinkFields imageNoUrlNoSource = Link(LinkKind::Image, "");
    LinkFields appletNoFile = Link(LinkKind::Applet, "a.htm");
    appletNoFile.imageSource = "b.gif";
    LinkFields appletWithFile = Link(LinkKind::Applet, "a.htm");
    appletWithFile.fileName = "A.class";
    LinkFields textNeedsNoSource = Link(LinkKind::Text, "a.htm");

    const struct
    {
        const char *name;
        LinkFields fields;
        std::optional<std::string> expected;
    } cases[] = {
        {"no URL", noUrl, "You must enter a Link!!"},
        {"URL checked first", imageNoUrlNoSource, "You must enter a Link!!"},
        {"image without source", imageNoSource, "You must enter Image source!!"},
        {"applet without file name", appletNoFile, "You must enter Applet source!!"},
        {"applet with file name", appletWithFile, std::nullopt},
        {"text needs no source", textNeedsNoSource, std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Validate(c.fields), c.expected) << c.name;
}

TEST(Link, Layouts)
{
    const struct
    {
        LinkKind kind;
        LinkLayout layout;
    } layouts[] = {
        {LinkKind::Image, {.imageInputs = true, .sizeAndAlign = true}},
        {LinkKind::Text, {.textInput = true}},
        {LinkKind::Applet, {.appletInputs = true, .sizeAndAlign = true}},
    };
    for (const auto &c : layouts)
        EXPECT_EQ(LinkLayoutFor(c.kind), c.layout) << int(c.kind);
}

// ---- Colour lists and chooser filters ----

TEST(ColourLists, Entries)
{
    const auto background = BackgroundColourList();
    ASSERT_EQ(background.size(), 17u);
    EXPECT_EQ(std::count(background.begin(), background.end(), ""), 1);
    EXPECT_EQ(std::count(background.begin(), background.end(), "Navy"), 0);
    EXPECT_EQ(std::count(background.begin(), background.end(), "Grey"), 1);
    EXPECT_EQ(std::count(background.begin(), background.end(), "Gray"), 1);

    const auto table = TableColourList();
    const auto frame = FrameColourList();
    ASSERT_EQ(table.size(), 16u);
    ASSERT_EQ(frame.size(), 16u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i] == "gray")
            EXPECT_EQ(frame[i], "grey");
        else
            EXPECT_EQ(frame[i], table[i]);
    }
    EXPECT_EQ(std::count(table.begin(), table.end(), "navy"), 1);
}

TEST(ChooserFilters, ConvertForTheFileDialog)
{
    const struct
    {
        const char *filter;
        const char *first;
        std::size_t entries;
    } cases[] = {
        {kPictureFileFilter, "All Picture Files (*.gif *.jpeg *.jpg *.bmp *.AIS)", 6},
        {kVideoFileFilter, "Media Files (*.wav *.snd", 10},
        {kSoundFileFilter, "All Supported Types (*.M3U *.PLS", 15},
        {kAppletFileFilter, "Applet Files (*.applet)", 2},
        {kAppletClassFilter, "Applet Classes (*.class)", 2},
        {kAllFilesFilter, "All Files (*.*)", 1},
        {kLinkSourceFilter, "All Picture Files (*.gif", 3},
    };
    for (const auto &c : cases) {
        const std::string converted = ConvertFileFilter(c.filter);
        EXPECT_EQ(converted.rfind(c.first, 0), 0u) << converted;
        std::size_t entries = 1;
        for (auto at = converted.find(";;"); at != std::string::npos;
             at = converted.find(";;", at + 2))
            ++entries;
        EXPECT_EQ(entries, c.entries) << converted;
        EXPECT_NE(converted.find("All Files (*.*)"), std::string::npos) << converted;
    }
}
