#include "formdescription.h"

#include "colourlists.h"
#include "filepaths.h"

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
        {"Image Source",
         "imageSource",
         K::Browse,
         &F::imageSource,
         {},
         kPictureFileFilter,
         "You must enter Image source!!"},
        {"Width", "width", K::Text, &F::width},
        {"Height", "height", K::Text, &F::height},
        {"Border", "border", K::Text, &F::border},
        {"Image Comment", "comment", K::Text, &F::comment},
        {"Align", "align", K::PickList, &F::align, ImageAlignList()},
    }};
    static const auto form = Describe("Image Dialog", "Image Attributes", rows);
    return form;
}

const FormDescription<BackgroundFields> &BackgroundForm()
{
    using F = BackgroundFields;
    static const std::array<FieldSpec<F>, 2> rows = {{
        {.label = "Background Image",
         .name = "image",
         .kind = K::Browse,
         .member = &F::image,
         .filter = kPictureFileFilter},
        {.label = "Background Color",
         .name = "colour",
         .kind = K::EditableList,
         .member = &F::colour,
         .entries = BackgroundColourList()},
    }};
    static const std::array<ChoiceOption, 3> choices = {{
        {"Image", "imageChoice"},
        {"Color", "colourChoice"},
        {"Image and Color", "bothChoice"},
    }};
    static const FormDescription<F> form = {
        "Background", "Background Attributes", rows, {}, {{}, choices, 0}};
    return form;
}

const FormDescription<LinkFields> &LinkForm()
{
    using F = LinkFields;
    enum Section { Image, Applet, SizeAndAlign, Text };
    static const std::array<SectionSpec, 4> sections = {{
        {"Image link", "imageGroup"},
        {"Applet Link", "appletGroup"},
        {"", "sizeAndAlign"},
        {"Text Link", "textGroup"},
    }};
    static const std::array<FieldSpec<F>, 11> rows = {{
        {.label = "Url:",
         .name = "url",
         .kind = K::Browse,
         .member = &F::url,
         .filter = kAllFilesFilter,
         .required = "You must enter a Link!!"},
        {.label = "Source",
         .name = "imageSource",
         .kind = K::Browse,
         .member = &F::imageSource,
         .filter = kLinkSourceFilter,
         .required = "You must enter Image source!!",
         .section = Image},
        {.label = "Image Comment",
         .name = "imageComment",
         .member = &F::imageComment,
         .section = Image},
        {.label = "Border", .name = "border", .member = &F::border, .section = Image},
        {.label = "File Name",
         .name = "fileName",
         .kind = K::Browse,
         .member = &F::fileName,
         .filter = kLinkSourceFilter,
         .section = Applet},
        {.label = "Class Name",
         .name = "className",
         .kind = K::Browse,
         .member = &F::className,
         .filter = kAppletClassFilter,
         .section = Applet},
        {.label = "Applet Name", .name = "appletName", .member = &F::appletName, .section = Applet},
        {.label = "Height", .name = "height", .member = &F::height, .section = SizeAndAlign},
        {.label = "Width", .name = "width", .member = &F::width, .section = SizeAndAlign},
        {.label = "Align",
         .name = "align",
         .kind = K::PickList,
         .member = &F::align,
         .entries = ImageAlignList(),
         .section = SizeAndAlign},
        {.name = "linkText", .kind = K::MultiLine, .member = &F::linkText, .section = Text},
    }};
    static const std::array<ChoiceOption, 3> kinds = {{
        {"Image", "imageKind"},
        {"Text", "textKind"},
        {"Applet", "appletKind"},
    }};
    static const FormDescription<F> form = {
        "Link", "Link Attributes", rows, sections, {"Links", kinds, 1}};
    return form;
}

const FormDescription<ControlFields> &ControlForm()
{
    using F = ControlFields;
    static const std::array<FieldSpec<F>, 15> rows = {{
        {.label = "Access Key", .name = "accessKey", .member = &F::accessKey},
        {.label = "Name",
         .name = "name",
         .member = &F::name,
         .required = "You must enter the control name!!"},
        {.label = "Label", .name = "label", .member = &F::label},
        {.label = "Language",
         .name = "language",
         .kind = K::PickList,
         .member = &F::language,
         .entries = kControlLanguages},
        {.label = "DynSrc",
         .name = "dynSrc",
         .kind = K::Browse,
         .member = &F::dynSrc,
         .filter = kMediaFilesFilter},
        {.label = "Position",
         .name = "position",
         .kind = K::PickList,
         .member = &F::position,
         .entries = kControlPositions},
        {.label = "Alt", .name = "alt", .member = &F::alt},
        {.label = "Tab Index", .name = "tabIndex", .member = &F::tabIndex},
        {.label = "Source",
         .name = "source",
         .kind = K::Browse,
         .member = &F::source,
         .filter = kAllFilesFilter},
        {.label = "Title", .name = "title", .member = &F::title},
        {.label = "Size", .name = "size", .member = &F::size},
        {.label = "MaxLength", .name = "maxLength", .member = &F::maxLength},
        {.label = "LowSource:",
         .name = "lowSource",
         .kind = K::Browse,
         .member = &F::lowSource,
         .filter = kAllFilesFilter},
        {.label = "ReadOnly", .name = "readOnly", .kind = K::Check, .flag = &F::readOnly},
        {.label = "Disabled", .name = "disabled", .kind = K::Check, .flag = &F::disabled},
    }};
    static const auto types = [] {
        std::array<ChoiceOption, kControlTypes.size()> options{};
        for (std::size_t i = 0; i < options.size(); ++i)
            options[i].caption = ControlTypeCaption(kControlTypes[i]);
        return options;
    }();
    static const FormDescription<F> form = {
        "Controls", "Control Attributes", rows, {}, {{}, types, rows.size(), true}};
    return form;
}

const FormDescription<FormattedTextFields> &FormattedTextForm()
{
    using F = FormattedTextFields;
    static const std::array<FieldSpec<F>, 6> rows = {{
        {.label = "Font Names", .name = "faces", .kind = K::Custom},
        {.label = "Size", .name = "sizes", .kind = K::Custom},
        {.label = "Style", .name = "styles", .kind = K::Custom},
        {.label = "Underline", .name = "underline", .kind = K::Check, .flag = &F::underline},
        {.name = "colours", .kind = K::Custom},
        {.name = "text", .kind = K::MultiLine, .member = &F::text},
    }};
    static const std::array<ChoiceOption, 3> alignments = {{
        {"Left", "left"},
        {"Right", "right"},
        {"Center", "center"},
    }};
    static const FormDescription<F> form = {
        "Dialog", "Formatted Text", rows, {}, {{}, alignments, 4}};
    return form;
}

const FormDescription<SoundFields> &SoundForm()
{
    using F = SoundFields;
    static const std::array<FieldSpec<F>, 4> rows = {{
        {"Source",
         "source",
         K::Browse,
         &F::source,
         {},
         kSoundFileFilter,
         "You must enter Sound source!!"},
        {"Loop", "loop", K::Text, &F::loop},
        {"Balance", "balance", K::Text, &F::balance},
        {"Volume", "volume", K::Text, &F::volume},
    }};
    static const auto form = Describe("Background Sound", "Background Sound Attributes", rows);
    return form;
}

const FormDescription<AppletFields> &AppletForm()
{
    using F = AppletFields;
    static const std::array<FieldSpec<F>, 7> rows = {{
        {"File Name",
         "fileName",
         K::Browse,
         &F::fileName,
         {},
         kAppletFileFilter,
         "You must enter an Applet File Name!!"},
        {"Comment", "comment", K::Text, &F::comment},
        {"Class Name", "className", K::Browse, &F::className, {}, kAppletClassFilter},
        {"Align", "align", K::PickList, &F::align, ImageAlignList()},
        {"Name", "name", K::Text, &F::name},
        {"Height", "height", K::Text, &F::height},
        {"Width", "width", K::Text, &F::width},
    }};
    static const auto form = Describe("Applet", "Applet Attributes", rows);
    return form;
}

const FormDescription<MarqueeFields> &MarqueeForm()
{
    using F = MarqueeFields;
    static constexpr std::string_view needed = "You must enter Behaviour & Direction !!";
    static const std::array<FieldSpec<F>, 9> rows = {{
        {"Behaviour", "behaviour", K::PickList, &F::behaviour, MarqueeBehaviours(), nullptr,
         needed},
        {"Data Format", "dataFormat", K::PickList, &F::dataFormat, MarqueeDataFormats()},
        {"Direction", "direction", K::PickList, &F::direction, MarqueeDirections(), nullptr,
         needed},
        {"Height", "height", K::Text, &F::height},
        {"Width", "width", K::Text, &F::width},
        {"Loop", "loop", K::Text, &F::loop},
        {"Scroll Delay", "scrollDelay", K::Text, &F::scrollDelay},
        {"HSpace", "hspace", K::Text, &F::hspace},
        {"VSpace", "vspace", K::Text, &F::vspace},
    }};
    static const auto form = Describe("MARQUEE", "Marquee Attributes", rows);
    return form;
}

const FormDescription<MetaFields> &MetaForm()
{
    using F = MetaFields;
    static const std::array<FieldSpec<F>, 5> rows = {{
        {"Name", "name", K::Text, &F::name},
        {"Title", "title", K::Text, &F::title},
        {"Content", "content", K::Text, &F::content},
        {"Url ", "url", K::Browse, &F::url, {}, kMetaUrlFilter},
        {"Http-Equiv", "httpEquiv", K::PickList, &F::httpEquiv, MetaHttpEquivs()},
    }};
    static const auto form = Describe("META", "Meta Attributes", rows);
    return form;
}

const FormDescription<FrameFields> &FramesForm()
{
    using F = FrameFields;
    static constexpr std::string_view needed = "You must enter Height & Width!!";
    static const std::array<FieldSpec<F>, 11> rows = {{
        {"Height", "height", K::Text, &F::height, {}, nullptr, needed},
        {"Width", "width", K::Text, &F::width, {}, nullptr, needed},
        {"Source", "source", K::Browse, &F::source, {}, kFrameSourceFilter},
        {"Title", "title", K::Text, &F::title},
        {"Margin Height", "marginHeight", K::Text, &F::marginHeight},
        {"Margin Width", "marginWidth", K::Text, &F::marginWidth},
        {"Border Color",
         "borderColour",
         K::PickList,
         &F::borderColour,
         FrameColourList(),
         nullptr,
         {},
         1},
        {"Frame Border",
         "frameBorder",
         K::PickList,
         &F::frameBorder,
         FrameBorders(),
         nullptr,
         {},
         1},
        {"Scrolling", "scrolling", K::PickList, &F::scrolling, FrameScrollings(), nullptr, {}, 1},
        {"Resizing", "resizing", K::PickList, &F::resizing, FrameResizings(), nullptr, {}, 1},
        {"WindowName",
         "windowName",
         K::EditableList,
         &F::windowName,
         FrameWindowNames(),
         nullptr,
         {},
         1},
    }};
    static const auto form = Describe("Frames", "Frames Attributes", rows);
    return form;
}

const FormDescription<TableFields> &TableForm()
{
    using F = TableFields;
    static const auto colours = TableColourList();
    static const std::array<FieldSpec<F>, 17> rows = {{
        {"Back Ground", "background", K::Browse, &F::background, {}, kTableBackgroundFilter},
        {"Style", "style", K::Text, &F::style},
        {"Border", "border", K::Text, &F::border},
        {"Height", "height", K::Text, &F::height},
        {"Width", "width", K::Text, &F::width},
        {"Title", "title", K::Text, &F::title},
        {"Cell Padding", "cellPadding", K::Text, &F::cellPadding},
        {"Cell Spacing", "cellSpacing", K::Text, &F::cellSpacing},
        {"Columns",
         "columns",
         K::Text,
         &F::columns,
         {},
         nullptr,
         "You must enter Column number!!",
         1},
        {"Page Size", "pageSize", K::Text, &F::pageSize, {}, nullptr, {}, 1},
        {"Border Color",
         "borderColour",
         K::EditableList,
         &F::borderColour,
         colours,
         nullptr,
         {},
         1},
        {"Border Color Dark",
         "darkBorderColour",
         K::EditableList,
         &F::darkBorderColour,
         colours,
         nullptr,
         {},
         1},
        {"Border Color Light",
         "lightBorderColour",
         K::EditableList,
         &F::lightBorderColour,
         colours,
         nullptr,
         {},
         1},
        {"BGColor",
         "backgroundColour",
         K::EditableList,
         &F::backgroundColour,
         colours,
         nullptr,
         {},
         1},
        {"Align", "align", K::PickList, &F::align, TableAligns(), nullptr, {}, 1},
        {"Rules", "rules", K::PickList, &F::rules, TableRules(), nullptr, {}, 1},
        {"Frames", "frame", K::PickList, &F::frame, TableFrames(), nullptr, {}, 1},
    }};
    static const auto form = Describe("Tables", "Table Properties:", rows);
    return form;
}

const FormDescription<OrderedListFields> &OrderedListForm()
{
    using F = OrderedListFields;
    static const std::array<FieldSpec<F>, 5> rows = {{
        {"Dingbat", "dingbat", K::PickList, &F::dingbat, Dingbats()},
        {"Type", "type", K::PickList, &F::type, OrderedListTypes(), nullptr,
         "You must enter the Type!!"},
        {"Value", "value", K::Text, &F::value},
        {"Start Position", "start", K::Text, &F::start},
        {"Skip", "skip", K::Text, &F::skip},
    }};
    static const auto form = Describe("Ordered List", "Ordered List Attributes", rows);
    return form;
}

const FormDescription<UnorderedListFields> &UnorderedListForm()
{
    using F = UnorderedListFields;
    static const std::array<FieldSpec<F>, 2> rows = {{
        {"Type:", "type", K::PickList, &F::type, UnorderedListTypes(), nullptr,
         "You must enter the Type!!"},
        {"Dingbat:", "dingbat", K::PickList, &F::dingbat, Dingbats()},
    }};
    static const auto form = Describe("Unordered List", "Unordered List Attributes", rows);
    return form;
}

const FormDescription<MediaFields> &MediaForm()
{
    using F = MediaFields;
    static const std::array<FieldSpec<F>, 13> rows = {{
        {"Element", "element", K::PickList, &F::element, MediaElements(), nullptr,
         "You must choose Video or Audio!!"},
        {"Source",
         "source",
         K::Browse,
         &F::source,
         {},
         kMediaFileFilter,
         "You must enter Media source!!"},
        {"Second Source", "source2", K::Browse, &F::source2, {}, kMediaFileFilter},
        {"Third Source", "source3", K::Browse, &F::source3, {}, kMediaFileFilter},
        {"Poster", "poster", K::Browse, &F::poster, {}, kWebPictureFileFilter},
        {"Width", "width", K::Text, &F::width},
        {"Height", "height", K::Text, &F::height},
        {"Fallback Text", "fallback", K::Text, &F::fallback},
        {"Controls", "controls", K::Check, &F::controls, {}, nullptr, {}, 1},
        {"Autoplay", "autoplay", K::Check, &F::autoplay, {}, nullptr, {}, 1},
        {"Muted", "muted", K::Check, &F::muted, {}, nullptr, {}, 1},
        {"Loop", "loop", K::Check, &F::loop, {}, nullptr, {}, 1},
        {"Preload", "preload", K::PickList, &F::preload, MediaPreloads(), nullptr, {}, 1},
    }};
    static const auto form = Describe("Media", "Media Attributes", rows);
    return form;
}

const FormDescription<PictureFields> &PictureForm()
{
    using F = PictureFields;
    static const std::array<FieldSpec<F>, 12> rows = {{
        {"Picture",
         "source",
         K::Browse,
         &F::source,
         {},
         kWebPictureFileFilter,
         "You must enter Picture source!!"},
        {"Width", "width", K::Text, &F::width},
        {"Height", "height", K::Text, &F::height},
        {"Alternate Text", "alt", K::Text, &F::alt},
        {"Sizes", "sizes", K::Text, &F::sizes},
        {"Lazy Loading", "lazy", K::Check, &F::lazy},
        {"Second Picture", "source2", K::Browse, &F::source2, {}, kWebPictureFileFilter, {}, 1},
        {"Second Width", "width2", K::Text, &F::width2, {}, nullptr, {}, 1},
        {"Second Media", "media2", K::Text, &F::media2, {}, nullptr, {}, 1},
        {"Third Picture", "source3", K::Browse, &F::source3, {}, kWebPictureFileFilter, {}, 1},
        {"Third Width", "width3", K::Text, &F::width3, {}, nullptr, {}, 1},
        {"Third Media", "media3", K::Text, &F::media3, {}, nullptr, {}, 1},
    }};
    static const auto form = Describe("Picture", "Picture Attributes", rows);
    return form;
}

} // namespace tarnel
