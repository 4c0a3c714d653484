#include "recordprinting.h"
#include "reedit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace tarnel;

namespace {

// A form confirmed after `change`; `expected` is the page afterwards, nullopt when nothing
// is to be replaced at all.
template <class Fields> struct ChangeCase
{
    const char *name;
    std::string text;
    std::function<void(Fields &)> change;
    std::optional<std::string> expected;
};

using Locate = std::function<std::optional<ReeditTarget>(const std::string &)>;

std::optional<ReeditTarget> ElementAtStart(const std::string &text)
{
    const auto at = ElementAt(text, 0);
    return at ? LocateElement(text, at->kind, at->record) : std::nullopt;
}

// Reopens the element `locate` finds in each case's page (the one at its start unless told)
// with its prefilled fields, applies the case's change and confirms.
template <class Fields>
void ExpectConfirmed(Fields (*prefill)(const ReeditTarget &),
                     const std::vector<ChangeCase<Fields>> &cases,
                     const Locate &locate = ElementAtStart)
{
    for (const auto &c : cases) {
        const auto target = locate(c.text);
        ASSERT_TRUE(target) << c.name;
        const Fields shown = prefill(*target);
        Fields confirmed = shown;
        c.change(confirmed);
        const auto element = ReeditedElement(c.text, *target, shown, confirmed, LineBreak::CrLf);
        ASSERT_EQ(element.has_value(), c.expected.has_value()) << c.name;
        if (!element)
            continue;
        std::string page = c.text;
        page.replace(target->range.begin, target->range.end - target->range.begin, *element);
        EXPECT_EQ(page, *c.expected) << c.name;
    }
}

template <class Fields> void Unchanged(Fields &) {}

} // namespace

TEST(Reedit, FormsOpenWithTheElementsValues)
{
    const std::string image =
        R"(<IMG SRC="a.gif" width=10 HSPACE="4" alt='say &quot;hi&quot;' ALIGN="left">)";
    const auto photo = LocateElement(image, ElementKind::Image, {"a.gif", 0});
    ASSERT_TRUE(photo);
    EXPECT_EQ(
        ImagePrefill(*photo),
        (ImageFields{
            .imageSource = "a.gif", .width = "10", .comment = "say \"hi\"", .align = "left"}));
    const auto clip =
        LocateElement(R"(<IMG SRC="" DYNSRC="v.avi" WIDTH=5>)", ElementKind::Image, {"v.avi", 0});
    ASSERT_TRUE(clip);
    EXPECT_EQ(ImagePrefill(*clip),
              (ImageFields{.width = "5", .video = true, .videoSource = "v.avi"}));
    const auto applet = LocateElement("<applet code=C.class alt=c class=k name=n>",
                                      ElementKind::Applet, {"C.class", 0});
    ASSERT_TRUE(applet);
    EXPECT_EQ(AppletPrefill(*applet),
              (AppletFields{.fileName = "C.class", .comment = "c", .className = "k", .name = "n"}));
}

TEST(Reedit, AltIsGivenInTheInputThatWritesIt)
{
    EXPECT_EQ(AltFieldName(ElementKind::Image), "comment");
    EXPECT_EQ(AltFieldName(ElementKind::Picture), "alt");
    EXPECT_EQ(AltFieldName(ElementKind::Link), "");
}

// Elements without a form of their own get ALT inserted after their last attribute, in the
// tag's letter case, and nothing else moves.
TEST(Reedit, AltIsInsertedIntoATagWithoutOne)
{
    struct Case
    {
        std::string_view page;
        std::optional<std::string_view> given; // the page after, or nothing to do
    };
    const Case cases[] = {
        {"<area shape=rect href=a.htm></map>",
         "<area shape=rect href=a.htm alt=\"&quot;Go&quot; <b>\"></map>"},
        {"<AREA HREF='a.htm' >", "<AREA HREF='a.htm' ALT=\"&quot;Go&quot; <b>\" >"},
        {"<Input type=image src=\"go.png\"/>",
         "<Input type=image src=\"go.png\" ALT=\"&quot;Go&quot; <b>\"/>"},
        {"<area>", "<area alt=\"&quot;Go&quot; <b>\">"},
        {"<area alt=\"\">", std::nullopt},
        {"<area href=x", std::nullopt},
        {"</area>", std::nullopt},
    };
    for (const Case &c : cases) {
        const auto insertion = AltInsertion(c.page, 0, {"\"Go\" <b>"});
        ASSERT_EQ(insertion.has_value(), c.given.has_value()) << c.page;
        if (!insertion)
            continue;
        std::string page(c.page);
        page.insert(insertion->at, insertion->bytes);
        EXPECT_EQ(page, *c.given) << c.page;
    }
    EXPECT_TRUE(Validate(AltFields{}));
    EXPECT_FALSE(Validate(AltFields{"Home"}));
}

TEST(Reedit, LinkContentDecidesHowTheFormOpens)
{
    struct Case
    {
        const char *name;
        std::string text;
        LinkFields fields;
        bool editable;
    };
    const Case cases[] = {
        {"text link holds everything between its tags",
         "<a href=x>Hello <b>you</b></a>",
         {.url = "x", .linkText = "Hello <b>you</b>", .kind = LinkKind::Text},
         true},
        {"empty text link", "<A HREF=x></A>", {.url = "x", .kind = LinkKind::Text}, true},
        {"image link",
         R"(<A HREF=x><IMG SRC="b.gif" ALT="B" WIDTH=8 HEIGHT=9 BORDER=0 ALIGN=top></A>)",
         {.url = "x",
          .imageSource = "b.gif",
          .imageComment = "B",
          .border = "0",
          .height = "9",
          .width = "8",
          .align = "top",
          .kind = LinkKind::Image},
         true},
        {"applet link: the applet's ALT has no field",
         R"(<a href=x><applet code=C.class alt=c class=k name=n></a>)",
         {.url = "x",
          .fileName = "C.class",
          .className = "k",
          .appletName = "n",
          .kind = LinkKind::Applet},
         true},
        {"the image wins over an applet before it",
         R"(<a href=x><applet code=C><img src=fallback.gif></applet></a>)",
         {.url = "x", .imageSource = "fallback.gif", .kind = LinkKind::Image},
         true},
        {"an image in a comment is not content",
         "<a href=x><!-- <img src=a> -->Hi</a>",
         {.url = "x", .linkText = "<!-- <img src=a> -->Hi", .kind = LinkKind::Text},
         true},
        {"a clip in a link cannot be shown by the link form",
         "<a href=x><img dynsrc=v.avi></a>",
         {.url = "x", .kind = LinkKind::Image},
         false},
    };
    for (const auto &c : cases) {
        const auto target = LocateElement(c.text, ElementKind::Link, {"x", 0});
        ASSERT_TRUE(target) << c.name;
        EXPECT_EQ(target->range, (TextRange{0, c.text.size()})) << c.name;
        EXPECT_EQ(LinkPrefill(*target), c.fields) << c.name;
        EXPECT_EQ(target->Editable(), c.editable) << c.name;
    }
}

TEST(Reedit, ImageFormChangesOnlyItsChangedAttributes)
{
    const std::string odd = "<img  alt='old' id=x src='a.gif'\r\n  width=10 >";
    ExpectConfirmed<ImageFields>(
        ImagePrefill,
        {
            {"nothing changed: no replacement", odd, Unchanged<ImageFields>, std::nullopt},
            {"one value in a lower-case, single-quoted, odd-order tag", odd,
             [](ImageFields &f) { f.comment = "new"; },
             "<img  alt='new' id=x src='a.gif'\r\n  width=10 >"},
            {"a bare value stays bare", odd, [](ImageFields &f) { f.width = "20"; },
             "<img  alt='old' id=x src='a.gif'\r\n  width=20 >"},
            {"a double quote is escaped in single quotes", odd,
             [](ImageFields &f) { f.comment = "say \"hi\""; },
             "<img  alt='say &quot;hi&quot;' id=x src='a.gif'\r\n  width=10 >"},
            {"an apostrophe moves the value into double quotes", odd,
             [](ImageFields &f) { f.comment = "it's"; },
             "<img  alt=\"it's\" id=x src='a.gif'\r\n  width=10 >"},
            {"a bare value that needs quotes gets double quotes", odd,
             [](ImageFields &f) { f.width = "1 \"0\""; },
             "<img  alt='old' id=x src='a.gif'\r\n  width=\"1 &quot;0&quot;\" >"},
            {"an emptied field removes the attribute and the blanks before it", odd,
             [](ImageFields &f) { f.width.clear(); }, "<img  alt='old' id=x src='a.gif' >"},
            {"new fields go after the last attribute, as the form writes them", "<img src=a.gif />",
             [](ImageFields &f) {
                 f.border = "0";
                 f.height = "5";
             },
             "<img src=a.gif BORDER=\"0\" HEIGHT=\"5\" />"},
            {"an attribute without a value gets one", "<img src=a.gif alt>",
             [](ImageFields &f) { f.comment = "x"; }, "<img src=a.gif alt=\"x\">"},
            {"every copy of an emptied attribute goes", "<img src=a alt=1 alt=2>",
             [](ImageFields &f) { f.comment.clear(); }, "<img src=a>"},
            {"ticking Video swaps the source attribute", "<IMG SRC=\"a.gif\" WIDTH=5>",
             [](ImageFields &f) {
                 ImageVideoToggled(f, true);
                 f.videoSource = "v.avi";
             },
             "<IMG WIDTH=5 DYNSRC=\"v.avi\">"},
        });
}

TEST(Reedit, AppletFormChangesOnlyItsChangedAttributes)
{
    const std::string applet = "<applet code=C.class name=n><param name=a value=1></applet>";
    ExpectConfirmed<AppletFields>(
        AppletPrefill,
        {
            {"nothing changed: no replacement", applet, Unchanged<AppletFields>, std::nullopt},
            {"the name", applet, [](AppletFields &f) { f.name = "m"; },
             "<applet code=C.class name=m><param name=a value=1></applet>"},
        });
}

TEST(Reedit, LinkFormChangesOnlyItsChangedParts)
{
    const std::string textLink = "<a href='x.htm' target=_top>Old <b>text</b>\r\n</a>";
    const std::string imageLink = "<a href=i.htm class=nav><img src=logo.gif hspace=2> Home</a>";
    ExpectConfirmed<LinkFields>(
        LinkPrefill,
        {
            {"text link unchanged", textLink, Unchanged<LinkFields>, std::nullopt},
            {"image link unchanged", imageLink, Unchanged<LinkFields>, std::nullopt},
            {"a new address keeps the text", textLink, [](LinkFields &f) { f.url = "y.htm"; },
             "<a href='y.htm' target=_top>Old <b>text</b>\r\n</a>"},
            {"new text gets the page's line breaks", textLink,
             [](LinkFields &f) { f.linkText = "New\nline"; },
             "<a href='x.htm' target=_top>New\r\nline</a>"},
            {"the image's border is added, its caption stays", imageLink,
             [](LinkFields &f) { f.border = "0"; },
             "<a href=i.htm class=nav><img src=logo.gif hspace=2 BORDER=\"0\"> Home</a>"},
            {"image link switched to text", imageLink,
             [](LinkFields &f) {
                 f.kind = LinkKind::Text;
                 f.linkText = "Start";
             },
             "<a href=i.htm class=nav>Start</a>"},
            {"text link switched to applet", textLink,
             [](LinkFields &f) {
                 f.kind = LinkKind::Applet;
                 f.fileName = "C";
             },
             "<a href='x.htm' target=_top><APPLET  CODE=\"C\"></a>"},
        });
}

TEST(Reedit, ElementNoLongerWhereTheRecordSays)
{
    struct Case
    {
        const char *name;
        std::string text;
        ElementKind kind;
        ElementRecord record;
    };
    const Case cases[] = {
        {"index moved by an edit", R"(x<IMG SRC="a.gif">)", ElementKind::Image, {"a.gif", 0}},
        {"index inside the tag", R"(<IMG SRC="a.gif">)", ElementKind::Image, {"a.gif", 5}},
        {"index past the end", R"(<IMG SRC="a.gif">)", ElementKind::Image, {"a.gif", 99}},
        {"value changed", R"(<IMG SRC="b.gif">)", ElementKind::Image, {"a.gif", 0}},
        {"value only in a later tag",
         R"(<IMG ALT="1"><IMG SRC="a.gif">)",
         ElementKind::Image,
         {"a.gif", 0}},
        {"image now has a SRC, the clip is not its entry",
         R"(<IMG SRC="s.gif" DYNSRC="v.avi">)",
         ElementKind::Image,
         {"v.avi", 0}},
        {"tag now inside a comment",
         R"(<!-- <IMG SRC="a.gif"> -->)",
         ElementKind::Image,
         {"a.gif", 5}},
        {"tag of another kind", R"(<APPLET CODE="a.gif">)", ElementKind::Image, {"a.gif", 0}},
        {"applet value changed", R"(<APPLET CODE="D">)", ElementKind::Applet, {"C", 0}},
        {"link without its closing tag",
         R"(<A HREF="x.htm">Home)",
         ElementKind::Link,
         {"x.htm", 0}},
        {"link closed only after the next link",
         "<a href=x>1<a href=y>2</a>",
         ElementKind::Link,
         {"x", 0}},
        {"empty value", R"(<A HREF="">x</A>)", ElementKind::Link, {"", 0}},
        {"tag never ends", R"(<IMG SRC="a.gif")", ElementKind::Image, {"a.gif", 0}},
    };
    for (const auto &c : cases)
        EXPECT_FALSE(LocateElement(c.text, c.kind, c.record).has_value()) << c.name;
}

TEST(Reedit, ElementUnderAClick)
{
    // The IMG tag spans 22-38, the link 3-42, the applet tag 44-58, the VIDEO tag 63-78 and
    // its SOURCE 79-96.
    const std::string text = R"(<P><A HREF="x.htm">go <IMG SRC="a.gif"></A> <APPLET CODE=C></P>)"
                             R"(<video controls><source src=v.mp4></video>)";
    struct Case
    {
        std::size_t position;
        std::optional<ElementKind> kind;
        ElementRecord record;
    };
    const Case cases[] = {
        {0, std::nullopt, {}},
        {3, ElementKind::Link, {"x.htm", 3}},
        {20, ElementKind::Link, {"x.htm", 3}},
        {22, ElementKind::Image, {"a.gif", 22}},
        {38, ElementKind::Image, {"a.gif", 22}},
        {39, ElementKind::Link, {"x.htm", 3}},
        {42, ElementKind::Link, {"x.htm", 3}},
        {43, std::nullopt, {}},
        {44, ElementKind::Applet, {"C", 44}},
        {60, std::nullopt, {}},
        {63, ElementKind::Media, {"video", 63}},
        {78, ElementKind::Media, {"video", 63}},
        {85, std::nullopt, {}},
        {999, std::nullopt, {}},
    };
    for (const auto &c : cases) {
        const auto found = ElementAt(text, c.position);
        ASSERT_EQ(found.has_value(), c.kind.has_value()) << c.position;
        if (!found)
            continue;
        EXPECT_EQ(found->kind, *c.kind) << c.position;
        EXPECT_EQ(found->record, c.record) << c.position;
    }
    // A link left open is no element to reopen.
    EXPECT_FALSE(ElementAt("<a href=x>open", 12).has_value());
}

TEST(Reedit, MediaFormChangesOnlyItsChangedAttributes)
{
    ExpectConfirmed<MediaFields>(
        MediaPrefill, {
                          {"a new size, unknown attributes kept",
                           R"(<video src="a.mp4" playsinline data-x='1' controls>)",
                           [](MediaFields &f) { f.width = "320"; },
                           R"(<video src="a.mp4" playsinline data-x='1' controls WIDTH="320">)"},
                          {"controls off, loop on", "<VIDEO SRC=a.mp4 CONTROLS MUTED>",
                           [](MediaFields &f) { f.controls.clear(), f.loop = "1"; },
                           "<VIDEO SRC=a.mp4 MUTED LOOP>"},
                          {"the source of a video without SRC is its first SOURCE's",
                           "<video controls>\n<source src=\"a.webm\" type=\"video/webm\">\n<source "
                           "src=\"a.mp4\">",
                           [](MediaFields &f) { f.source = "b.webm"; },
                           "<video controls>\n<source src=\"b.webm\" type=\"video/webm\">\n<source "
                           "src=\"a.mp4\">"},
                          {"nothing changed", "<audio src=\"s.mp3\" controls>",
                           [](MediaFields &) {}, std::nullopt},
                      });
}

TEST(Reedit, MediaFormOpensWithTheTagsValues)
{
    const std::string text = "<AUDIO SRC=\"s.mp3\" LOOP PRELOAD=none>";
    const auto target = LocateElement(text, ElementKind::Media, {"s.mp3", 0});
    ASSERT_TRUE(target);
    EXPECT_EQ(MediaPrefill(*target), (MediaFields{.element = "AUDIO",
                                                  .source = "s.mp3",
                                                  .controls = "",
                                                  .loop = "1",
                                                  .preload = "none"}));
    // A SOURCE in the media category is gone to, not reopened.
    const std::string page = "<video><source src=\"a.webm\"></video>";
    EXPECT_EQ(LocateElement(page, ElementKind::Media, {"a.webm", 7})->kind, ElementKind::Place);
}

TEST(Reedit, PictureFormChangesOnlyItsChangedAttributes)
{
    // The IMG of each page, as the outline lists it.
    const Locate img = [](const std::string &text) {
        std::string lower = text;
        std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
        const std::size_t at = lower.find("<img");
        const auto target =
            LocateElement(text, ElementKind::Image, {TagValue(text, at, "src"), at});
        EXPECT_TRUE(!target || target->kind == ElementKind::Picture) << text;
        return target;
    };
    ExpectConfirmed<PictureFields>(
        PicturePrefill,
        {
            {"a further picture's width rewrites the SRCSET, unknown attributes kept",
             R"(<img src="a.jpg" srcset="a.jpg 480w, b.jpg 800w" width="480" decoding=async>)",
             [](PictureFields &f) { f.width2 = "960"; },
             R"(<img src="a.jpg" srcset="a.jpg 480w, b.jpg 960w" width="480" decoding=async>)"},
            {"the last further picture gone: one file needs no SRCSET",
             R"(<img src=a.jpg srcset="a.jpg 480w, b.jpg 800w" width=480 sizes="50vw">)",
             [](PictureFields &f) { f.source2.clear(), f.width2.clear(); },
             R"(<img src=a.jpg width=480 sizes="50vw">)"},
            {"a SRCSET the form would not write stays as it is",
             R"(<IMG SRC=a.jpg SRCSET="a.jpg, b.jpg 2x">)",
             [](PictureFields &f) { f.source = "c.jpg", f.alt = "Sea", f.lazy = "1"; },
             R"(<IMG SRC=c.jpg SRCSET="a.jpg, b.jpg 2x" ALT="Sea" LOADING="lazy">)"},
            {"a PICTURE's IMG: its SOURCE entries stay",
             "<picture>\n<source media=\"(min-width: 800px)\" srcset=\"big.jpg\">\n"
             "<img src=\"a.jpg\" alt=\"x\" loading=lazy></picture>",
             [](PictureFields &f) { f.source = "b.jpg", f.lazy.clear(); },
             "<picture>\n<source media=\"(min-width: 800px)\" srcset=\"big.jpg\">\n"
             "<img src=\"b.jpg\" alt=\"x\"></picture>"},
            {"nothing changed", R"(<img src="a.jpg" srcset="a.jpg, b.jpg" alt="">)",
             [](PictureFields &) {}, std::nullopt},
        },
        img);
    const std::string text = R"(<img src=a.jpg srcset="a.jpg 480w,b.jpg 800w" width=480 sizes=x>)";
    EXPECT_EQ(
        PicturePrefill(*LocateElement(text, ElementKind::Image, {"a.jpg", 0})),
        (PictureFields{
            .source = "a.jpg", .width = "480", .source2 = "b.jpg", .width2 = "800", .sizes = "x"}));
    // An IMG without SRCSET outside a PICTURE stays the image form's.
    EXPECT_EQ(LocateElement("<p><img src=a.jpg>", ElementKind::Image, {"a.jpg", 3})->kind,
              ElementKind::Image);
}

namespace {

// Each form's fields built into a page, reopened from where the outline lists them.
template <class Fields>
void ExpectReopenedAsBuilt(std::string (*build)(const Fields &),
                           Fields (*prefill)(const ReeditTarget &),
                           const std::vector<std::pair<const char *, Fields>> &cases)
{
    for (const auto &[name, fields] : cases) {
        const std::string page = build(fields);
        const auto at = ElementAt(page, 0);
        ASSERT_TRUE(at) << name << ": " << page;
        const auto target = LocateElement(page, at->kind, at->record);
        ASSERT_TRUE(target) << name << ": " << page;
        EXPECT_TRUE(prefill(*target) == fields) << name << ": " << page;
        EXPECT_FALSE(ReeditedElement(page, *target, fields, fields, LineBreak::CrLf)) << name;
    }
}

} // namespace

TEST(Reedit, EveryFieldAFormWritesIsReadBack)
{
    ExpectReopenedAsBuilt<ImageFields>(
        BuildImageTag, ImagePrefill,
        {{"image", {"a \"b\".gif", "10", "20", "1", "say \"hi\"", "LEFT", false, ""}},
         {"video", {"", "10", "20", "1", "clip", "TOP", true, "v.avi"}}});
    ExpectReopenedAsBuilt<AppletFields>(
        BuildAppletTag, AppletPrefill, {{"applet", {"C.class", "c", "k", "RIGHT", "n", "5", "6"}}});
    ExpectReopenedAsBuilt<LinkFields>(
        BuildLink, LinkPrefill,
        {{"image link",
          {.url = "a.htm?x=\"1\"",
           .imageSource = "i.gif",
           .imageComment = "i",
           .border = "0",
           .height = "2",
           .width = "3",
           .align = "LEFT",
           .kind = LinkKind::Image}},
         {"applet link",
          {.url = "a.htm",
           .height = "2",
           .width = "3",
           .align = "TOP",
           .fileName = "C.class",
           .className = "k",
           .appletName = "n",
           .kind = LinkKind::Applet}},
         {"text link", {.url = "a.htm", .linkText = "<B>Home</B>", .kind = LinkKind::Text}}});
    ExpectReopenedAsBuilt<MediaFields>(
        BuildMediaTag, MediaPrefill,
        {{"video",
          {.source = "a.mp4",
           .poster = "p.jpg",
           .width = "320",
           .height = "240",
           .controls = "1",
           .autoplay = "1",
           .muted = "1",
           .loop = "1",
           .preload = "none"}},
         {"audio", {.element = "AUDIO", .source = "s.mp3", .controls = "", .loop = "1"}}});
    ExpectReopenedAsBuilt<PictureFields>(BuildPictureTag, PicturePrefill,
                                         {{"picture",
                                           {.source = "a.jpg",
                                            .width = "480",
                                            .height = "300",
                                            .source2 = "b.jpg",
                                            .width2 = "800",
                                            .source3 = "c.jpg",
                                            .width3 = "1200",
                                            .sizes = "50vw",
                                            .alt = "Sea",
                                            .lazy = "1"}}});
}
