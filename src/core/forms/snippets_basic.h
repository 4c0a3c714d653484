#pragma once
#include "attributes.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// Fields, validation, builders and form-state rules of the image, background, sound,
// applet and link forms. Every text field holds exactly what the user typed; the builders
// write it through AttributeList, so only a double quote is escaped.
namespace tarnel {

// The align list of the image, applet and link forms.
std::span<const std::string_view> ImageAlignList();

// File chooser filters ("label|patterns|...||") of these forms' browse buttons.
extern const char *const kPictureFileFilter;
extern const char *const kVideoFileFilter;
extern const char *const kSoundFileFilter;
extern const char *const kAppletFileFilter;
extern const char *const kAppletClassFilter;
// The link form's source button serves both the image source and the applet file name.
extern const char *const kLinkSourceFilter;

// ---- Image and video ----

struct ImageFields
{
    std::string imageSource;
    std::string width;
    std::string height;
    std::string border;
    std::string comment;
    std::string align;
    bool video = false;
    std::string videoSource;

    bool operator==(const ImageFields &) const = default;
};

std::optional<std::string> Validate(const ImageFields &fields);
// SRC, DYNSRC, ALIGN, BORDER, HEIGHT, WIDTH, ALT.
AttributeTable<ImageFields> ImageAttributes();
// The image form writes one source: SRC, or DYNSRC for a video. The other one is emptied.
ImageFields WithWrittenSource(ImageFields fields);
// "<IMG " + the image's attributes + ">\n".
std::string BuildImageTag(const ImageFields &fields);

// The text alternative of an element no Insert form writes (an image map's AREA, an image
// button), given to it from the Problems list.
struct AltFields
{
    std::string alt;
};
// A blind reader hears nothing for an empty one: the form asks for some text.
std::optional<std::string> Validate(const AltFields &fields);

// Only one of the two sources can be typed in; the browse button of the other one is shown
// pushed in. Both browse buttons always work, also into a read-only field.
struct ImageSourceInputs
{
    bool imageSourceEditable = true;
    bool videoSourceEditable = false;
    bool imageBrowseHighlighted = false;
    bool videoBrowseHighlighted = true;

    bool operator==(const ImageSourceInputs &) const = default;
};

// The form opens with the image source editable, whatever the Video field says.
ImageSourceInputs ImageOpeningInputs();
// After a click on Video: the source that becomes read-only is emptied.
ImageSourceInputs ImageVideoToggled(ImageFields &fields, bool video);

// ---- Background ----

struct BackgroundFields
{
    std::string image;
    std::string colour;
};

std::optional<std::string> Validate(const BackgroundFields &fields);
// "<BODY " + BACKGROUND, BGCOLOR + ">\n".
std::string BuildBackgroundTag(const BackgroundFields &fields);

// The radio choice steers which inputs can be used; it never clears an input and does not
// reach the tag.
enum class BackgroundChoice { Image, Colour, ImageAndColour };

struct BackgroundInputs
{
    bool imageEditable = true;
    bool colourEnabled = false;

    bool operator==(const BackgroundInputs &) const = default;
};

BackgroundInputs BackgroundInputsFor(BackgroundChoice choice);

// ---- Background sound ----

struct SoundFields
{
    std::string source;
    std::string loop;
    std::string balance;
    std::string volume;
};

std::optional<std::string> Validate(const SoundFields &fields);
// "<BGSOUND" + SRC, LOOP, VOLUME, BALANCE + " >\n" (volume before balance).
std::string BuildSoundTag(const SoundFields &fields);

// ---- Applet ----

struct AppletFields
{
    std::string fileName;
    std::string comment;
    std::string className;
    std::string align;
    std::string name;
    std::string height;
    std::string width;

    bool operator==(const AppletFields &) const = default;
};

std::optional<std::string> Validate(const AppletFields &fields);
// CODE, ALIGN, ALT, CLASS, HEIGHT, WIDTH, NAME.
AttributeTable<AppletFields> AppletAttributes();
// "<APPLET " + those + ">\n"; no closing tag.
std::string BuildAppletTag(const AppletFields &fields);

// ---- Link ----

// What the link holds; also the form's layout.
enum class LinkKind { Image, Text, Applet };

struct LinkFields
{
    std::string url;
    std::string imageSource;
    std::string imageComment;
    std::string border;
    std::string height;
    std::string width;
    std::string align;
    std::string fileName;
    std::string className;
    std::string appletName;
    std::string linkText;
    LinkKind kind = LinkKind::Image;

    bool operator==(const LinkFields &) const = default;
};

// Fields of the kinds not chosen are neither validated nor written.
std::optional<std::string> Validate(const LinkFields &fields);
// The link's own tag: HREF.
AttributeTable<LinkFields> LinkAttributes();
// The IMG of an image link: SRC, ALT, WIDTH, HEIGHT, BORDER, ALIGN.
AttributeTable<LinkFields> LinkImageAttributes();
// The APPLET of an applet link: CODE, ALIGN, CLASS, HEIGHT, WIDTH, NAME. The link form has no
// applet comment: an ALT of the applet is neither offered nor touched.
AttributeTable<LinkFields> LinkAppletAttributes();
// What goes between the link's tags: the image tag, the applet opening tag or the text.
std::string BuildLinkContent(const LinkFields &fields);
// `<A HREF="url">` + its content + "</A>\n".
std::string BuildLink(const LinkFields &fields);

// Which inputs each kind shows. URL, the kind buttons, OK and Cancel are always shown.
struct LinkLayout
{
    bool imageInputs = false;  // image source, image comment, border
    bool appletInputs = false; // file name, class name, applet name
    bool sizeAndAlign = false; // height, width, align (shared by image and applet)
    bool textInput = false;    // the link text

    bool operator==(const LinkLayout &) const = default;
};

LinkLayout LinkLayoutFor(LinkKind kind);

} // namespace tarnel
