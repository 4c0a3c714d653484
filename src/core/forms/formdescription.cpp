#include "formdescription.h"

#include "colourlists.h"
#include "filepaths.h"
#include "usertext.h"

#include <array>

namespace tarnel {

namespace {

using K = FieldKind;

template <class Fields, std::size_t N>
FormDescription<Fields> Describe(std::string_view caption, std::string_view group,
                                 const std::array<FieldSpec<Fields>, N> &rows)
{
    return {caption, group, rows};
}

} // namespace

const FormDescription<ImageFields> &ImageForm()
{
    using F = ImageFields;
    static const std::array<FieldSpec<F>, 6> rows = {{
        {USER_TEXT("Image Source"),
         "imageSource",
         K::Browse,
         &F::imageSource,
         {},
         kPictureFileFilter,
         USER_TEXT("You must enter Image source!!")},
        {USER_TEXT("Width"), "width", K::Text, &F::width},
        {USER_TEXT("Height"), "height", K::Text, &F::height},
        {USER_TEXT("Border"), "border", K::Text, &F::border},
        {USER_TEXT("Image Comment"), "comment", K::Text, &F::comment},
        {USER_TEXT("Align"), "align", K::PickList, &F::align, ImageAlignList()},
    }};
    static const auto form =
        Describe(USER_TEXT("Image Dialog"), USER_TEXT("Image Attributes"), rows);
    return form;
}

const FormDescription<AltFields> &AltForm()
{
    using F = AltFields;
    static const std::array<FieldSpec<F>, 1> rows = {{
        {USER_TEXT("Text Alternative"), "alt", K::Text, &F::alt},
    }};
    static const auto form =
        Describe(USER_TEXT("Text Alternative"), USER_TEXT("What the Image Says"), rows);
    return form;
}

const FormDescription<BackgroundFields> &BackgroundForm()
{
    using F = BackgroundFields;
    static const std::array<FieldSpec<F>, 2> rows = {{
        {.label = USER_TEXT("Background Image"),
         .name = "image",
         .kind = K::Browse,
         .member = &F::image,
         .filter = kPictureFileFilter},
        {.label = USER_TEXT("Background Color"),
         .name = "colour",
         .kind = K::EditableList,
         .member = &F::colour,
         .entries = BackgroundColourList()},
    }};
    static const std::array<ChoiceOption, 3> choices = {{
        {USER_TEXT("Image"), "imageChoice"},
        {USER_TEXT("Color"), "colourChoice"},
        {USER_TEXT("Image and Color"), "bothChoice"},
    }};
    static const FormDescription<F> form = {
        USER_TEXT("Background"), USER_TEXT("Background Attributes"), rows, {}, {{}, choices, 0}};
    return form;
}

const FormDescription<LinkFields> &LinkForm()
{
    using F = LinkFields;
    enum Section { Image, Applet, SizeAndAlign, Text };
    static const std::array<SectionSpec, 4> sections = {{
        {USER_TEXT("Image link"), "imageGroup"},
        {USER_TEXT("Applet Link"), "appletGroup"},
        {"", "sizeAndAlign"},
        {USER_TEXT("Text Link"), "textGroup"},
    }};
    static const std::array<FieldSpec<F>, 11> rows = {{
        {.label = USER_TEXT("Url:"),
         .name = "url",
         .kind = K::Browse,
         .member = &F::url,
         .filter = kAllFilesFilter,
         .required = USER_TEXT("You must enter a Link!!")},
        {.label = USER_TEXT("Source"),
         .name = "imageSource",
         .kind = K::Browse,
         .member = &F::imageSource,
         .filter = kLinkSourceFilter,
         .required = USER_TEXT("You must enter Image source!!"),
         .section = Image},
        {.label = USER_TEXT("Image Comment"),
         .name = "imageComment",
         .member = &F::imageComment,
         .section = Image},
        {.label = USER_TEXT("Border"), .name = "border", .member = &F::border, .section = Image},
        {.label = USER_TEXT("File Name"),
         .name = "fileName",
         .kind = K::Browse,
         .member = &F::fileName,
         .filter = kLinkSourceFilter,
         .section = Applet},
        {.label = USER_TEXT("Class Name"),
         .name = "className",
         .kind = K::Browse,
         .member = &F::className,
         .filter = kAppletClassFilter,
         .section = Applet},
        {.label = USER_TEXT("Applet Name"),
         .name = "appletName",
         .member = &F::appletName,
         .section = Applet},
        {.label = USER_TEXT("Height"),
         .name = "height",
         .member = &F::height,
         .section = SizeAndAlign},
        {.label = USER_TEXT("Width"),
         .name = "width",
         .member = &F::width,
         .section = SizeAndAlign},
        {.label = USER_TEXT("Align"),
         .name = "align",
         .kind = K::PickList,
         .member = &F::align,
         .entries = ImageAlignList(),
         .section = SizeAndAlign},
        {.name = "linkText", .kind = K::MultiLine, .member = &F::linkText, .section = Text},
    }};
    static const std::array<ChoiceOption, 3> kinds = {{
        {USER_TEXT("Image"), "imageKind"},
        {USER_TEXT("Text"), "textKind"},
        {USER_TEXT("Applet"), "appletKind"},
    }};
    static const FormDescription<F> form = {USER_TEXT("Link"),
                                            USER_TEXT("Link Attributes"),
                                            rows,
                                            sections,
                                            {USER_TEXT("Links"), kinds, 1}};
    return form;
}

const FormDescription<ControlFields> &ControlForm()
{
    using F = ControlFields;
    static const std::array<FieldSpec<F>, 15> rows = {{
        {.label = USER_TEXT("Access Key"), .name = "accessKey", .member = &F::accessKey},
        {.label = USER_TEXT("Name"),
         .name = "name",
         .member = &F::name,
         .required = USER_TEXT("You must enter the control name!!")},
        {.label = USER_TEXT("Label"), .name = "label", .member = &F::label},
        {.label = USER_TEXT("Language"),
         .name = "language",
         .kind = K::PickList,
         .member = &F::language,
         .entries = kControlLanguages},
        {.label = USER_TEXT("DynSrc"),
         .name = "dynSrc",
         .kind = K::Browse,
         .member = &F::dynSrc,
         .filter = kMediaFilesFilter},
        {.label = USER_TEXT("Position"),
         .name = "position",
         .kind = K::PickList,
         .member = &F::position,
         .entries = kControlPositions},
        {.label = USER_TEXT("Alt"), .name = "alt", .member = &F::alt},
        {.label = USER_TEXT("Tab Index"), .name = "tabIndex", .member = &F::tabIndex},
        {.label = USER_TEXT("Source"),
         .name = "source",
         .kind = K::Browse,
         .member = &F::source,
         .filter = kAllFilesFilter},
        {.label = USER_TEXT("Title"), .name = "title", .member = &F::title},
        {.label = USER_TEXT("Size"), .name = "size", .member = &F::size},
        {.label = USER_TEXT("MaxLength"), .name = "maxLength", .member = &F::maxLength},
        {.label = USER_TEXT("LowSource:"),
         .name = "lowSource",
         .kind = K::Browse,
         .member = &F::lowSource,
         .filter = kAllFilesFilter},
        {.label = USER_TEXT("ReadOnly"),
         .name = "readOnly",
         .kind = K::Check,
         .flag = &F::readOnly},
        {.label = USER_TEXT("Disabled"),
         .name = "disabled",
         .kind = K::Check,
         .flag = &F::disabled},
    }};
    static const auto types = [] {
        std::array<ChoiceOption, kControlTypes.size()> options{};
        for (std::size_t i = 0; i < options.size(); ++i)
            options[i].caption = ControlTypeCaption(kControlTypes[i]);
        return options;
    }();
    static const FormDescription<F> form = {USER_TEXT("Controls"),
                                            USER_TEXT("Control Attributes"),
                                            rows,
                                            {},
                                            {{}, types, rows.size(), true}};
    return form;
}

const FormDescription<FormattedTextFields> &FormattedTextForm()
{
    using F = FormattedTextFields;
    static const std::array<FieldSpec<F>, 6> rows = {{
        {.label = USER_TEXT("Font Names"), .name = "faces", .kind = K::Custom},
        {.label = USER_TEXT("Size"), .name = "sizes", .kind = K::Custom},
        {.label = USER_TEXT("Style"), .name = "styles", .kind = K::Custom},
        {.label = USER_TEXT("Underline"),
         .name = "underline",
         .kind = K::Check,
         .flag = &F::underline},
        {.name = "colours", .kind = K::Custom},
        {.name = "text", .kind = K::MultiLine, .member = &F::text},
    }};
    static const std::array<ChoiceOption, 3> alignments = {{
        {USER_TEXT("Left"), "left"},
        {USER_TEXT("Right"), "right"},
        {USER_TEXT("Center"), "center"},
    }};
    static const FormDescription<F> form = {
        USER_TEXT("Dialog"), USER_TEXT("Formatted Text"), rows, {}, {{}, alignments, 4}};
    return form;
}

const FormDescription<SoundFields> &SoundForm()
{
    using F = SoundFields;
    static const std::array<FieldSpec<F>, 4> rows = {{
        {USER_TEXT("Source"),
         "source",
         K::Browse,
         &F::source,
         {},
         kSoundFileFilter,
         USER_TEXT("You must enter Sound source!!")},
        {USER_TEXT("Loop"), "loop", K::Text, &F::loop},
        {USER_TEXT("Balance"), "balance", K::Text, &F::balance},
        {USER_TEXT("Volume"), "volume", K::Text, &F::volume},
    }};
    static const auto form =
        Describe(USER_TEXT("Background Sound"), USER_TEXT("Background Sound Attributes"), rows);
    return form;
}

const FormDescription<AppletFields> &AppletForm()
{
    using F = AppletFields;
    static const std::array<FieldSpec<F>, 7> rows = {{
        {USER_TEXT("File Name"),
         "fileName",
         K::Browse,
         &F::fileName,
         {},
         kAppletFileFilter,
         USER_TEXT("You must enter an Applet File Name!!")},
        {USER_TEXT("Comment"), "comment", K::Text, &F::comment},
        {USER_TEXT("Class Name"), "className", K::Browse, &F::className, {}, kAppletClassFilter},
        {USER_TEXT("Align"), "align", K::PickList, &F::align, ImageAlignList()},
        {USER_TEXT("Name"), "name", K::Text, &F::name},
        {USER_TEXT("Height"), "height", K::Text, &F::height},
        {USER_TEXT("Width"), "width", K::Text, &F::width},
    }};
    static const auto form = Describe(USER_TEXT("Applet"), USER_TEXT("Applet Attributes"), rows);
    return form;
}

const FormDescription<MarqueeFields> &MarqueeForm()
{
    using F = MarqueeFields;
    static constexpr std::string_view needed = USER_TEXT("You must enter Behaviour & Direction !!");
    static const std::array<FieldSpec<F>, 9> rows = {{
        {USER_TEXT("Behaviour"), "behaviour", K::PickList, &F::behaviour, MarqueeBehaviours(),
         nullptr, needed},
        {USER_TEXT("Data Format"), "dataFormat", K::PickList, &F::dataFormat, MarqueeDataFormats()},
        {USER_TEXT("Direction"), "direction", K::PickList, &F::direction, MarqueeDirections(),
         nullptr, needed},
        {USER_TEXT("Height"), "height", K::Text, &F::height},
        {USER_TEXT("Width"), "width", K::Text, &F::width},
        {USER_TEXT("Loop"), "loop", K::Text, &F::loop},
        {USER_TEXT("Scroll Delay"), "scrollDelay", K::Text, &F::scrollDelay},
        {USER_TEXT("HSpace"), "hspace", K::Text, &F::hspace},
        {USER_TEXT("VSpace"), "vspace", K::Text, &F::vspace},
    }};
    static const auto form = Describe(USER_TEXT("MARQUEE"), USER_TEXT("Marquee Attributes"), rows);
    return form;
}

const FormDescription<MetaFields> &MetaForm()
{
    using F = MetaFields;
    static const std::array<FieldSpec<F>, 5> rows = {{
        {USER_TEXT("Name"), "name", K::Text, &F::name},
        {USER_TEXT("Title"), "title", K::Text, &F::title},
        {USER_TEXT("Content"), "content", K::Text, &F::content},
        {USER_TEXT("Url "), "url", K::Browse, &F::url, {}, kMetaUrlFilter},
        {USER_TEXT("Http-Equiv"), "httpEquiv", K::PickList, &F::httpEquiv, MetaHttpEquivs()},
    }};
    static const auto form = Describe(USER_TEXT("META"), USER_TEXT("Meta Attributes"), rows);
    return form;
}

const FormDescription<FrameFields> &FramesForm()
{
    using F = FrameFields;
    static constexpr std::string_view needed = USER_TEXT("You must enter Height & Width!!");
    static const std::array<FieldSpec<F>, 11> rows = {{
        {USER_TEXT("Height"), "height", K::Text, &F::height, {}, nullptr, needed},
        {USER_TEXT("Width"), "width", K::Text, &F::width, {}, nullptr, needed},
        {USER_TEXT("Source"), "source", K::Browse, &F::source, {}, kFrameSourceFilter},
        {USER_TEXT("Title"), "title", K::Text, &F::title},
        {USER_TEXT("Margin Height"), "marginHeight", K::Text, &F::marginHeight},
        {USER_TEXT("Margin Width"), "marginWidth", K::Text, &F::marginWidth},
        {USER_TEXT("Border Color"),
         "borderColour",
         K::PickList,
         &F::borderColour,
         FrameColourList(),
         nullptr,
         {},
         1},
        {USER_TEXT("Frame Border"),
         "frameBorder",
         K::PickList,
         &F::frameBorder,
         FrameBorders(),
         nullptr,
         {},
         1},
        {USER_TEXT("Scrolling"),
         "scrolling",
         K::PickList,
         &F::scrolling,
         FrameScrollings(),
         nullptr,
         {},
         1},
        {USER_TEXT("Resizing"),
         "resizing",
         K::PickList,
         &F::resizing,
         FrameResizings(),
         nullptr,
         {},
         1},
        {USER_TEXT("WindowName"),
         "windowName",
         K::EditableList,
         &F::windowName,
         FrameWindowNames(),
         nullptr,
         {},
         1},
    }};
    static const auto form = Describe(USER_TEXT("Frames"), USER_TEXT("Frames Attributes"), rows);
    return form;
}

const FormDescription<TableFields> &TableForm()
{
    using F = TableFields;
    static const auto colours = TableColourList();
    static const std::array<FieldSpec<F>, 17> rows = {{
        {USER_TEXT("Back Ground"),
         "background",
         K::Browse,
         &F::background,
         {},
         kTableBackgroundFilter},
        {USER_TEXT("Style"), "style", K::Text, &F::style},
        {USER_TEXT("Border"), "border", K::Text, &F::border},
        {USER_TEXT("Height"), "height", K::Text, &F::height},
        {USER_TEXT("Width"), "width", K::Text, &F::width},
        {USER_TEXT("Title"), "title", K::Text, &F::title},
        {USER_TEXT("Cell Padding"), "cellPadding", K::Text, &F::cellPadding},
        {USER_TEXT("Cell Spacing"), "cellSpacing", K::Text, &F::cellSpacing},
        {USER_TEXT("Columns"),
         "columns",
         K::Text,
         &F::columns,
         {},
         nullptr,
         USER_TEXT("You must enter Column number!!"),
         1},
        {USER_TEXT("Page Size"), "pageSize", K::Text, &F::pageSize, {}, nullptr, {}, 1},
        {USER_TEXT("Border Color"),
         "borderColour",
         K::EditableList,
         &F::borderColour,
         colours,
         nullptr,
         {},
         1},
        {USER_TEXT("Border Color Dark"),
         "darkBorderColour",
         K::EditableList,
         &F::darkBorderColour,
         colours,
         nullptr,
         {},
         1},
        {USER_TEXT("Border Color Light"),
         "lightBorderColour",
         K::EditableList,
         &F::lightBorderColour,
         colours,
         nullptr,
         {},
         1},
        {USER_TEXT("BGColor"),
         "backgroundColour",
         K::EditableList,
         &F::backgroundColour,
         colours,
         nullptr,
         {},
         1},
        {USER_TEXT("Align"), "align", K::PickList, &F::align, TableAligns(), nullptr, {}, 1},
        {USER_TEXT("Rules"), "rules", K::PickList, &F::rules, TableRules(), nullptr, {}, 1},
        {USER_TEXT("Frames"), "frame", K::PickList, &F::frame, TableFrames(), nullptr, {}, 1},
    }};
    static const auto form = Describe(USER_TEXT("Tables"), USER_TEXT("Table Properties:"), rows);
    return form;
}

const FormDescription<OrderedListFields> &OrderedListForm()
{
    using F = OrderedListFields;
    static const std::array<FieldSpec<F>, 5> rows = {{
        {USER_TEXT("Dingbat"), "dingbat", K::PickList, &F::dingbat, Dingbats()},
        {USER_TEXT("Type"), "type", K::PickList, &F::type, OrderedListTypes(), nullptr,
         USER_TEXT("You must enter the Type!!")},
        {USER_TEXT("Value"), "value", K::Text, &F::value},
        {USER_TEXT("Start Position"), "start", K::Text, &F::start},
        {USER_TEXT("Skip"), "skip", K::Text, &F::skip},
    }};
    static const auto form =
        Describe(USER_TEXT("Ordered List"), USER_TEXT("Ordered List Attributes"), rows);
    return form;
}

const FormDescription<UnorderedListFields> &UnorderedListForm()
{
    using F = UnorderedListFields;
    static const std::array<FieldSpec<F>, 2> rows = {{
        {USER_TEXT("Type:"), "type", K::PickList, &F::type, UnorderedListTypes(), nullptr,
         USER_TEXT("You must enter the Type!!")},
        {USER_TEXT("Dingbat:"), "dingbat", K::PickList, &F::dingbat, Dingbats()},
    }};
    static const auto form =
        Describe(USER_TEXT("Unordered List"), USER_TEXT("Unordered List Attributes"), rows);
    return form;
}

const FormDescription<MediaFields> &MediaForm()
{
    using F = MediaFields;
    static const std::array<FieldSpec<F>, 13> rows = {{
        {USER_TEXT("Element"), "element", K::PickList, &F::element, MediaElements(), nullptr,
         USER_TEXT("You must choose Video or Audio!!")},
        {USER_TEXT("Source"),
         "source",
         K::Browse,
         &F::source,
         {},
         kMediaFileFilter,
         USER_TEXT("You must enter Media source!!")},
        {USER_TEXT("Second Source"), "source2", K::Browse, &F::source2, {}, kMediaFileFilter},
        {USER_TEXT("Third Source"), "source3", K::Browse, &F::source3, {}, kMediaFileFilter},
        {USER_TEXT("Poster"), "poster", K::Browse, &F::poster, {}, kWebPictureFileFilter},
        {USER_TEXT("Width"), "width", K::Text, &F::width},
        {USER_TEXT("Height"), "height", K::Text, &F::height},
        {USER_TEXT("Fallback Text"), "fallback", K::Text, &F::fallback},
        {USER_TEXT("Controls"), "controls", K::Check, &F::controls, {}, nullptr, {}, 1},
        {USER_TEXT("Autoplay"), "autoplay", K::Check, &F::autoplay, {}, nullptr, {}, 1},
        {USER_TEXT("Muted"), "muted", K::Check, &F::muted, {}, nullptr, {}, 1},
        {USER_TEXT("Loop"), "loop", K::Check, &F::loop, {}, nullptr, {}, 1},
        {USER_TEXT("Preload"),
         "preload",
         K::PickList,
         &F::preload,
         MediaPreloads(),
         nullptr,
         {},
         1},
    }};
    static const auto form = Describe(USER_TEXT("Media"), USER_TEXT("Media Attributes"), rows);
    return form;
}

const FormDescription<PictureFields> &PictureForm()
{
    using F = PictureFields;
    static const std::array<FieldSpec<F>, 12> rows = {{
        {USER_TEXT("Picture"),
         "source",
         K::Browse,
         &F::source,
         {},
         kWebPictureFileFilter,
         USER_TEXT("You must enter Picture source!!")},
        {USER_TEXT("Width"), "width", K::Text, &F::width},
        {USER_TEXT("Height"), "height", K::Text, &F::height},
        {USER_TEXT("Alternate Text"), "alt", K::Text, &F::alt},
        {USER_TEXT("Sizes"), "sizes", K::Text, &F::sizes},
        {USER_TEXT("Lazy Loading"), "lazy", K::Check, &F::lazy},
        {USER_TEXT("Second Picture"),
         "source2",
         K::Browse,
         &F::source2,
         {},
         kWebPictureFileFilter,
         {},
         1},
        {USER_TEXT("Second Width"), "width2", K::Text, &F::width2, {}, nullptr, {}, 1},
        {USER_TEXT("Second Media"), "media2", K::Text, &F::media2, {}, nullptr, {}, 1},
        {USER_TEXT("Third Picture"),
         "source3",
         K::Browse,
         &F::source3,
         {},
         kWebPictureFileFilter,
         {},
         1},
        {USER_TEXT("Third Width"), "width3", K::Text, &F::width3, {}, nullptr, {}, 1},
        {USER_TEXT("Third Media"), "media3", K::Text, &F::media3, {}, nullptr, {}, 1},
    }};
    static const auto form = Describe(USER_TEXT("Picture"), USER_TEXT("Picture Attributes"), rows);
    return form;
}

} // namespace tarnel
