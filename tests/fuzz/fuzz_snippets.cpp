// Every Insert form's validation and builder on any field contents: no crash, and what a
// builder writes into a quoted attribute reads back, through the tag scanner, as typed.

#include "attributes.h"
#include "controlsform.h"
#include "filepaths.h"
#include "scanner.h"
#include "snippets.h"

#include "fuzzsupport.h"

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

using namespace tarnel;
using fuzz::FillAll;

namespace {

using Attribute = std::pair<const char *, const std::string &>;

// The tag at `tagStart` of `built` carries each attribute with the field's value (nothing
// when the field is empty). A typed "&quot;" legitimately reads back as a double quote.
void ReadsBack(const std::string &built, std::size_t tagStart,
               std::initializer_list<Attribute> attributes)
{
    FUZZ_CHECK(tagStart < built.size() && built[tagStart] == '<');
    FUZZ_CHECK(TagEnd(built, tagStart) != NoTagEnd);
    for (const auto &[name, value] : attributes)
        if (value.find("&quot;") == std::string::npos)
            FUZZ_CHECK(TagValue(built, tagStart, name) == value);
}

bool Digits(const std::string &text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void Image(FuzzedDataProvider &data)
{
    ImageFields f;
    FillAll(data, f.imageSource, f.width, f.height, f.border, f.comment, f.align, f.video,
            f.videoSource);
    Validate(f);
    const std::string tag = BuildImageTag(f);
    ReadsBack(tag, 0,
              {{f.video ? "DYNSRC" : "SRC", f.video ? f.videoSource : f.imageSource},
               {"ALIGN", f.align},
               {"BORDER", f.border},
               {"HEIGHT", f.height},
               {"WIDTH", f.width},
               {"ALT", f.comment}});
    ImageVideoToggled(f, data.ConsumeBool());
}

void Background(FuzzedDataProvider &data)
{
    BackgroundFields f;
    FillAll(data, f.image, f.colour);
    Validate(f);
    ReadsBack(BuildBackgroundTag(f), 0, {{"BACKGROUND", f.image}, {"BGCOLOR", f.colour}});
    BackgroundInputsFor(fuzz::Pick<BackgroundChoice>(data, 3));
}

void Sound(FuzzedDataProvider &data)
{
    SoundFields f;
    FillAll(data, f.source, f.loop, f.balance, f.volume);
    Validate(f);
    ReadsBack(BuildSoundTag(f), 0,
              {{"SRC", f.source}, {"LOOP", f.loop}, {"BALANCE", f.balance}, {"VOLUME", f.volume}});
}

void Applet(FuzzedDataProvider &data)
{
    AppletFields f;
    FillAll(data, f.fileName, f.comment, f.className, f.align, f.name, f.height, f.width);
    Validate(f);
    ReadsBack(BuildAppletTag(f), 0,
              {{"CODE", f.fileName},
               {"ALT", f.comment},
               {"CLASS", f.className},
               {"ALIGN", f.align},
               {"NAME", f.name},
               {"HEIGHT", f.height},
               {"WIDTH", f.width}});
}

void Link(FuzzedDataProvider &data)
{
    LinkFields f;
    FillAll(data, f.url, f.imageSource, f.imageComment, f.border, f.height, f.width, f.align,
            f.fileName, f.className, f.appletName, f.linkText);
    f.kind = static_cast<LinkKind>(data.ConsumeIntegralInRange(0, 2));
    Validate(f);
    const std::string link = BuildLink(f);
    ReadsBack(link, 0, {{"HREF", f.url}});
    LinkLayoutFor(f.kind);
}

void Control(FuzzedDataProvider &data)
{
    ControlFields f;
    f.type = fuzz::Pick<ControlType>(data, static_cast<int>(kControlTypes.size()));
    FillAll(data, f.accessKey, f.name, f.label, f.language, f.dynSrc, f.position, f.alt, f.tabIndex,
            f.source, f.title, f.size, f.maxLength, f.lowSource, f.readOnly, f.disabled);
    Validate(f);
    const std::string input = BuildInputTag(f);
    // TABINDEX, SIZE and MAXLENGTH are written unquoted, as typed: only digits keep the tag
    // readable.
    if (Digits(f.tabIndex) && Digits(f.size) && Digits(f.maxLength))
        ReadsBack(input, input.find('<'), {{"NAME", f.name}, {"TITLE", f.title}});
    WrapForm(input);
}

// The controls form driven through a run of presses.
void ControlsFormRun(FuzzedDataProvider &data)
{
    ControlsForm form;
    while (data.remaining_bytes() > 0) {
        ControlFields f;
        f.type = fuzz::Pick<ControlType>(data, static_cast<int>(kControlTypes.size()));
        FillAll(data, f.name, f.size, f.maxLength, f.readOnly);
        switch (data.ConsumeIntegralInRange(0, 3)) {
        case 0:
            form.ChooseType(f.type);
            break;
        case 1:
            form.ToggleReadOnly(f.readOnly);
            break;
        case 2:
            form.AddNewControl(f);
            break;
        default:
            form.Confirm(f);
            break;
        }
    }
}

void FormattedText(FuzzedDataProvider &data)
{
    FormattedTextFields f;
    FillAll(data, f.face, f.size, f.textColour.red, f.textColour.green, f.textColour.blue,
            f.backgroundColour.red, f.backgroundColour.green, f.backgroundColour.blue,
            f.backgroundChosen, f.underline, f.text);
    f.style = data.ConsumeIntegralInRange(-1, static_cast<int>(kFontStyleEntries.size()) - 1);
    f.alignment = fuzz::Pick<TextAlignment>(data, 3);
    BuildFormattedText(f);
    FontSizeValue(data.ConsumeIntegralInRange(0, static_cast<int>(kFontSizeEntries.size()) - 1));
}

void Marquee(FuzzedDataProvider &data)
{
    MarqueeFields f;
    FillAll(data, f.behaviour, f.dataFormat, f.direction, f.height, f.width, f.loop, f.scrollDelay,
            f.hspace, f.vspace);
    Validate(f);
    BuildMarquee(f);
}

void Meta(FuzzedDataProvider &data)
{
    MetaFields f;
    FillAll(data, f.name, f.title, f.content, f.url, f.httpEquiv);
    Validate(f);
    BuildMetaTag(f);
}

void Frame(FuzzedDataProvider &data)
{
    FrameFields f;
    FillAll(data, f.borderColour, f.frameBorder, f.windowName, f.scrolling, f.title, f.source,
            f.height, f.width, f.marginHeight, f.marginWidth, f.resizing);
    Validate(f);
    BuildFrameTag(f);
}

void Table(FuzzedDataProvider &data)
{
    TableFields f;
    FillAll(data, f.align, f.background, f.backgroundColour, f.darkBorderColour,
            f.lightBorderColour, f.borderColour, f.columns, f.rules, f.style, f.frame, f.title,
            f.border, f.cellPadding, f.cellSpacing, f.pageSize, f.height, f.width);
    Validate(f);
    const std::string table = BuildTable(f);
    if (!table.empty())
        ReadsBack(table, 0, {{"TITLE", f.title}, {"COLS", f.columns}, {"STYLE", f.style}});
    const int cells = TableCellCount(f.columns);
    FUZZ_CHECK(cells >= 1 && cells <= 100);
}

void Lists(FuzzedDataProvider &data)
{
    OrderedListFields ordered;
    FillAll(data, ordered.dingbat, ordered.type, ordered.value, ordered.start, ordered.skip);
    Validate(ordered);
    BuildOrderedList(ordered);
    UnorderedListFields unordered;
    FillAll(data, unordered.type, unordered.dingbat);
    Validate(unordered);
    BuildUnorderedList(unordered);
}

void Attributes(FuzzedDataProvider &data)
{
    std::string name, value, raw;
    FillAll(data, name, value, raw);
    AttributeList list;
    list.Add("ALT", value).AddRaw(raw);
    const std::string tag = "<IMG" + list.Text() + ">";
    if (raw.empty())
        ReadsBack(tag, 0, {{"ALT", value}});
    QuotedValue(name);
}

void Paths(FuzzedDataProvider &data)
{
    std::string page, chosen, filter;
    FillAll(data, page, chosen, filter);
    BrowsedPath(page, chosen);
    ConvertFileFilter(filter);
}

// One line per form family; the first byte picks which one a run exercises.
// clang-format off
const std::vector<void (*)(FuzzedDataProvider &)> kForms = {
    Image,
    Background,
    Sound,
    Applet,
    Link,
    Control,
    ControlsFormRun,
    FormattedText,
    Marquee,
    Meta,
    Frame,
    Table,
    Lists,
    Attributes,
    Paths,
};
// clang-format on

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const auto form = data.ConsumeIntegralInRange<std::size_t>(0, kForms.size() - 1);
    kForms[form](data);
    return 0;
}
