#include "snippets_basic.h"

#include "attributes.h"
#include "usertext.h"

#include <array>

namespace tarnel {

namespace {

constexpr std::array<std::string_view, 9> kImageAlign = {
    "ABSBOTTOM", "ABSMIDDLE", "BASELINE", "BOTTOM", "LEFT", "MIDDLE", "RIGHT", "TEXTTOP", "TOP",
};

} // namespace

std::span<const std::string_view> ImageAlignList()
{
    return kImageAlign;
}

const char *const kPictureFileFilter =
    " All Picture Files (*.gif;*.jpeg;*.jpg;*.bmp;*.AIS) |*.gif;*.jpeg;*.jpg;*.bmp;*.AIS |"
    " Graphics Interface Format Files (*.gif)|*.gif| BITMAP Files (*.bmp)|*.bmp|"
    " JPEG File Inerchange Format (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
    " Image Sequence Files (*.AIS)|*.AIS | All Files (*.*)|*.*||";

const char *const kVideoFileFilter =
    " Media Files(All Types)|*.wav;*.snd;*.au;*.aif;*.aifc;*.aiff;*.mid;*.midi;*.rmi;*.mp3;"
    "*.m3u;*.asf;*.asx;*.m1v;*.mp2;*.mpa;*.mpe;*.mov;*.qt;*.avi|"
    " Audio Files (*.wav;*.snd;*.au;*.aif;*.aifc;*.aiff)| *.wav;*.snd;*.au;*.aif;*.aifc;*.aiff|"
    " MIDI Files (*.mid;*.midi;*.rmi)|*.mid;*.midi;*.rmi | MIDI File (*.mid;*.rmi)|*.mid;*.rmi |"
    " MP3 Files(*.mp3;*.m3u) |*.mp3;*.m3u |"
    " Microsoft Streaming Media Files (*.asf;*.asx)| *.asf;*.asx |"
    " Movie File(MPEG) (*.m1v;*.mp2;*.mpa;*.mpe) | *.m1v;*.mp2;*.mpa;*.mpe|"
    " Quick Time Files(*.mov;*.qt)|*.mov;*.qt| Video Files(*.avi)| *.avi|"
    " All Files (*.*)|*.*||";

const char *const kSoundFileFilter =
    " All Supported Types|*.M3U;*.PLS;*.as;*.CDA;*.MID;*.IT;*.XM;*.S3M;*.STM;*.MOD;*.MTM;*.DSM;"
    "*.FAR;*.MP1;*.MP2;*.MP3;*.VOC;*.WAV;*.wma| Playlist Files(*.M3U;*.PLS)|*.M3U;*.PLS|"
    " Audio Soft Files(*.as)|*.as| CD DA Audio Tracks(*.CDA)|*.CDA|"
    " MIDI Audio Files(*.MID)|*.MID| Impulse Tracker Modules(*.IT)|*.IT|"
    " eXtended Modules(*.XM)|*.XM| Screamtracker Modules(*.S3M;*.STM)|*.S3M;*.STM|"
    " Protracker Module(*.MOD)|*.MOD| Other Module Types(*.MIM;*.DSM;*.FAR)|*.MIM;*.DSM;*.FAR|"
    " MPEG Audio Files(*.MP1;*.MP3;*.MP3)|*.MP1;*.MP2;*.MP3|"
    " Creative Labs Voice Files(*.VOC)|*.VOC|"
    " Microsoft Wave Form Audio Files(*.WAV)|*.WAV| Windows Media Audio File(*.wma)|*.wma|"
    " All Files (*.*)|*.*||";

const char *const kAppletFileFilter = " Applet Files(*.applet)|*.applet| All Files (*.*)|*.*||";

const char *const kAppletClassFilter = " Applet Classes(*.class)|*.class| All Files (*.*)|*.*||";

const char *const kLinkSourceFilter =
    " All Picture Files (*.gif;*.jpeg;*.jpg;*.bmp;*.AIS) |*.gif;*.jpeg;*.jpg;*.bmp;*.AIS |"
    " Applet Files (*.applet)|*.applet| All Files (*.*)|*.*||";

// ---- Image and video ----

std::optional<std::string> Validate(const ImageFields &fields)
{
    if (fields.video && fields.videoSource.empty())
        return USER_TEXT("You must enter Video source!!");
    if (!fields.video && fields.imageSource.empty())
        return USER_TEXT("You must enter Image source!!");
    return std::nullopt;
}

std::optional<std::string> Validate(const AltFields &fields)
{
    if (fields.alt.empty())
        return USER_TEXT("Say in words what the image shows or does");
    return std::nullopt;
}

AttributeTable<ImageFields> ImageAttributes()
{
    using F = ImageFields;
    static constexpr FieldAttribute<F> table[] = {
        {"SRC", &F::imageSource}, {"DYNSRC", &F::videoSource}, {"ALIGN", &F::align},
        {"BORDER", &F::border},   {"HEIGHT", &F::height},      {"WIDTH", &F::width},
        {"ALT", &F::comment},
    };
    return table;
}

ImageFields WithWrittenSource(ImageFields fields)
{
    (fields.video ? fields.imageSource : fields.videoSource).clear();
    return fields;
}

std::string BuildImageTag(const ImageFields &fields)
{
    return "<IMG " + AttributesText(WithWrittenSource(fields), ImageAttributes()) + ">\n";
}

ImageSourceInputs ImageOpeningInputs()
{
    return {};
}

ImageSourceInputs ImageVideoToggled(ImageFields &fields, bool video)
{
    fields.video = video;
    if (video) {
        fields.imageSource.clear();
        return {.imageSourceEditable = false,
                .videoSourceEditable = true,
                .imageBrowseHighlighted = true,
                .videoBrowseHighlighted = false};
    }
    fields.videoSource.clear();
    return {};
}

// ---- Background ----

std::optional<std::string> Validate(const BackgroundFields &fields)
{
    if (fields.image.empty() && fields.colour.empty())
        return USER_TEXT("You must enter Image source or Colour!!");
    return std::nullopt;
}

std::string BuildBackgroundTag(const BackgroundFields &fields)
{
    AttributeList attributes;
    attributes.Add("BACKGROUND", fields.image).Add("BGCOLOR", fields.colour);
    return "<BODY " + attributes.Text() + ">\n";
}

BackgroundInputs BackgroundInputsFor(BackgroundChoice choice)
{
    switch (choice) {
    case BackgroundChoice::Image:
        return {.imageEditable = true, .colourEnabled = false};
    case BackgroundChoice::Colour:
        return {.imageEditable = false, .colourEnabled = true};
    case BackgroundChoice::ImageAndColour:
        return {.imageEditable = true, .colourEnabled = true};
    }
    return {};
}

// ---- Background sound ----

std::optional<std::string> Validate(const SoundFields &fields)
{
    if (fields.source.empty())
        return USER_TEXT("You must enter Sound source!!");
    return std::nullopt;
}

std::string BuildSoundTag(const SoundFields &fields)
{
    AttributeList attributes;
    attributes.Add("SRC", fields.source)
        .Add("LOOP", fields.loop)
        .Add("VOLUME", fields.volume)
        .Add("BALANCE", fields.balance);
    return "<BGSOUND" + attributes.Text() + " >\n";
}

// ---- Applet ----

std::optional<std::string> Validate(const AppletFields &fields)
{
    if (fields.fileName.empty())
        return USER_TEXT("You must enter an Applet File Name!!");
    return std::nullopt;
}

AttributeTable<AppletFields> AppletAttributes()
{
    using F = AppletFields;
    static constexpr FieldAttribute<F> table[] = {
        {"CODE", &F::fileName},   {"ALIGN", &F::align},   {"ALT", &F::comment},
        {"CLASS", &F::className}, {"HEIGHT", &F::height}, {"WIDTH", &F::width},
        {"NAME", &F::name},
    };
    return table;
}

std::string BuildAppletTag(const AppletFields &fields)
{
    return "<APPLET " + AttributesText(fields, AppletAttributes()) + ">\n";
}

// ---- Link ----

std::optional<std::string> Validate(const LinkFields &fields)
{
    if (fields.url.empty())
        return USER_TEXT("You must enter a Link!!");
    if (fields.kind == LinkKind::Image && fields.imageSource.empty())
        return USER_TEXT("You must enter Image source!!");
    if (fields.kind == LinkKind::Applet && fields.fileName.empty())
        return USER_TEXT("You must enter Applet source!!");
    return std::nullopt;
}

AttributeTable<LinkFields> LinkAttributes()
{
    static constexpr FieldAttribute<LinkFields> table[] = {{"HREF", &LinkFields::url}};
    return table;
}

AttributeTable<LinkFields> LinkImageAttributes()
{
    using F = LinkFields;
    static constexpr FieldAttribute<F> table[] = {
        {"SRC", &F::imageSource}, {"ALT", &F::imageComment}, {"WIDTH", &F::width},
        {"HEIGHT", &F::height},   {"BORDER", &F::border},    {"ALIGN", &F::align},
    };
    return table;
}

AttributeTable<LinkFields> LinkAppletAttributes()
{
    using F = LinkFields;
    static constexpr FieldAttribute<F> table[] = {
        {"CODE", &F::fileName}, {"ALIGN", &F::align}, {"CLASS", &F::className},
        {"HEIGHT", &F::height}, {"WIDTH", &F::width}, {"NAME", &F::appletName},
    };
    return table;
}

std::string BuildLinkContent(const LinkFields &fields)
{
    if (fields.kind == LinkKind::Image)
        return "<IMG" + AttributesText(fields, LinkImageAttributes()) + ">";
    if (fields.kind == LinkKind::Applet)
        return "<APPLET " + AttributesText(fields, LinkAppletAttributes()) + ">";
    return fields.linkText;
}

std::string BuildLink(const LinkFields &fields)
{
    return "<A" + AttributesText(fields, LinkAttributes()) + ">" + BuildLinkContent(fields) +
           "</A>\n";
}

LinkLayout LinkLayoutFor(LinkKind kind)
{
    switch (kind) {
    case LinkKind::Text:
        return {.textInput = true};
    case LinkKind::Applet:
        return {.appletInputs = true, .sizeAndAlign = true};
    default:
        return {.imageInputs = true, .sizeAndAlign = true};
    }
}

} // namespace tarnel
