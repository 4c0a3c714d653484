#include "snippets_layout.h"

#include "attributes.h"
#include "usertext.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tarnel {

namespace {

using Entries = std::span<const std::string_view>;

// The dingbat entries bring their own quotes; they are taken off so the value goes through
// the ordinary attribute rule and the tag stays well formed whatever the field holds.
std::string_view WithoutEnclosingQuotes(std::string_view value)
{
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        return value.substr(1, value.size() - 2);
    return value;
}

constexpr const char *ListHeading = "<LH><!Enter the list heading here>";

} // namespace

const char *const kMetaUrlFilter =
    " All HTML Files (*.htm;*.html) |*.htm;*.html|  All Files (*.*)|*.*||";
const char *const kFrameSourceFilter = " All Files (*.*)|*.*||";
const char *const kTableBackgroundFilter =
    " All Picture Files (*.gif;*.jpeg;*.jpg;*.bmp;*.AIS) |*.gif;*.jpeg;*.jpg;*.bmp;*.AIS |"
    " Graphics Interface Format Files (*.gif)|*.gif| BITMAP Files (*.bmp)|*.bmp|"
    " JPEG File Inerchange Format (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
    " Image Sequence Files (*.AIS)|*.AIS | All Files (*.*)|*.*||";

// Marquee

Entries MarqueeBehaviours()
{
    static constexpr std::array<std::string_view, 3> entries = {"ALTERNATE", "SCROLL", "SLIDE"};
    return entries;
}

Entries MarqueeDataFormats()
{
    static constexpr std::array<std::string_view, 2> entries = {"HTML", "TEXT"};
    return entries;
}

Entries MarqueeDirections()
{
    static constexpr std::array<std::string_view, 4> entries = {"DOWN", "LEFT", "RIGHT", "UP"};
    return entries;
}

std::optional<std::string> Validate(const MarqueeFields &fields)
{
    if (fields.behaviour.empty() || fields.direction.empty())
        return USER_TEXT("You must enter Behaviour & Direction !!");
    return std::nullopt;
}

std::string BuildMarquee(const MarqueeFields &fields)
{
    AttributeList attributes;
    attributes.Add("BEHAVIOR", fields.behaviour).Add("DATAFORMAT", fields.dataFormat);
    // Written with a blank before the equals sign, as the marquee has always been written.
    if (!fields.direction.empty())
        attributes.AddRaw(" DIRECTION =" + QuotedValue(fields.direction));
    attributes.Add("LOOP", fields.loop)
        .Add("HEIGHT", fields.height)
        .Add("WIDTH", fields.width)
        .Add("SCROLLDELAY", fields.scrollDelay)
        .Add("HSPACE", fields.hspace)
        .Add("VSPACE", fields.vspace);
    if (attributes.Empty())
        return {};
    return "<MARQUEE " + attributes.Text() + "></MARQUEE>\n";
}

// Meta

Entries MetaHttpEquivs()
{
    static constexpr std::array<std::string_view, 2> entries = {"REFRESH", "Content-Type"};
    return entries;
}

std::optional<std::string> Validate(const MetaFields &)
{
    // Description and keywords metas have no address, so none is required.
    return std::nullopt;
}

namespace {

bool IsRefresh(std::string_view httpEquiv)
{
    constexpr std::string_view refresh = "refresh";
    return std::equal(httpEquiv.begin(), httpEquiv.end(), refresh.begin(), refresh.end(),
                      [](char a, char b) { return std::tolower((unsigned char)a) == b; });
}

} // namespace

std::string BuildMetaTag(const MetaFields &fields)
{
    // Browsers read a refresh's target only from its content ("5; URL=next.htm"), never
    // from an attribute of its own.
    const bool refreshTo = IsRefresh(fields.httpEquiv) && !fields.url.empty();
    const std::string content =
        refreshTo ? (fields.content.empty() ? "0" : fields.content) + "; URL=" + fields.url
                  : fields.content;
    AttributeList attributes;
    attributes.Add("CONTENT", content)
        .Add("HTTP-EQUIV", fields.httpEquiv)
        .Add("TITLE", fields.title)
        .Add("NAME", fields.name)
        .Add("URL", refreshTo ? std::string() : fields.url);
    if (attributes.Empty())
        return {};
    return "<META" + attributes.Text() + " >\n";
}

// Frame

Entries FrameBorders()
{
    static constexpr std::array<std::string_view, 4> entries = {"YES", "NO", "0", "1"};
    return entries;
}

Entries FrameWindowNames()
{
    static constexpr std::array<std::string_view, 4> entries = {"_blank", "_parent", "_self",
                                                                "_top"};
    return entries;
}

Entries FrameScrollings()
{
    static constexpr std::array<std::string_view, 3> entries = {"AUTO", "NO", "YES"};
    return entries;
}

Entries FrameResizings()
{
    static constexpr std::array<std::string_view, 2> entries = {"NORESIZE", "RESIZE"};
    return entries;
}

std::optional<std::string> Validate(const FrameFields &fields)
{
    if (fields.height.empty() || fields.width.empty())
        return USER_TEXT("You must enter Height & Width!!");
    return std::nullopt;
}

std::string BuildFrameTag(const FrameFields &fields)
{
    AttributeList attributes;
    attributes.Add("BORDERCOLOR", fields.borderColour)
        .Add("FRAMEBORDER", fields.frameBorder)
        .Add("WINDOWNAME", fields.windowName)
        .Add("SCROLLING", fields.scrolling)
        .Add("TITLE", fields.title)
        .Add("SRC", fields.source)
        .Add("HEIGHT", fields.height)
        .Add("WIDTH", fields.width)
        .Add("MARGINHEIGHT", fields.marginHeight)
        .Add("MARGINWIDTH", fields.marginWidth);
    // A NORESIZE attribute of any value forbids resizing, so "RESIZE" must write none.
    if (fields.resizing == "NORESIZE")
        attributes.Add("NORESIZE", "NORESIZE");
    if (attributes.Empty())
        return {};
    return "<FRAME" + attributes.Text() + " >\n";
}

// Table

Entries TableAligns()
{
    static constexpr std::array<std::string_view, 3> entries = {"CENTER", "LEFT", "RIGHT"};
    return entries;
}

Entries TableRules()
{
    static constexpr std::array<std::string_view, 5> entries = {"ALL", "COLS", "GROUPS", "NONE",
                                                                "ROWS"};
    return entries;
}

Entries TableFrames()
{
    static constexpr std::array<std::string_view, 9> entries = {
        "ABOVE", "BELOW", "BORDER", "BOX", "INSIDES", "LHS", "RHS", "VOID", "VSIDES"};
    return entries;
}

std::optional<std::string> Validate(const TableFields &fields)
{
    if (fields.columns.empty())
        return USER_TEXT("You must enter Column number!!");
    return std::nullopt;
}

int TableCellCount(const std::string &columns)
{
    constexpr int maxCells = 100;
    if (columns.empty() ||
        !std::all_of(columns.begin(), columns.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 1;
    int count = 0;
    for (char c : columns) {
        count = count * 10 + (c - '0');
        if (count > maxCells)
            return 1;
    }
    return count >= 1 ? count : 1;
}

std::string BuildTable(const TableFields &fields)
{
    AttributeList attributes;
    attributes.Add("ALIGN", fields.align)
        .Add("BACKGROUND", fields.background)
        .Add("BGCOLOR", fields.backgroundColour)
        .Add("BORDERCOLORDARK", fields.darkBorderColour)
        .Add("BORDERCOLORLIGHT", fields.lightBorderColour)
        .Add("BORDERCOLOR", fields.borderColour)
        .Add("COLS", fields.columns)
        .Add("RULES", fields.rules)
        .Add("STYLE", fields.style)
        .Add("FRAME", fields.frame)
        .Add("TITLE", fields.title)
        .Add("BORDER", fields.border)
        .Add("CELLPADDING", fields.cellPadding)
        .Add("CELLSPACING", fields.cellSpacing)
        .Add("DATAPAGESIZE", fields.pageSize)
        .Add("HEIGHT", fields.height)
        .Add("WIDTH", fields.width);
    if (attributes.Empty())
        return {};
    std::string text = "<TABLE" + attributes.Text() + ">\n<TR>\n";
    for (int cell = TableCellCount(fields.columns); cell > 0; --cell)
        text += "<TD>\n</TD>\n";
    // No line feed after the table: text after the caret continues on the same line.
    text += "</TR>\n</TABLE>";
    return text;
}

// Lists

Entries Dingbats()
{
    static constexpr std::array<std::string_view, 9> entries = {
        "\"Text\"",       "\"Audio\"",    "\"Folder\"",
        "\"Disk Drive\"", "\"form\"",     "\"Home\"",
        "\"Next\"",       "\"Previous\"", ""};
    return entries;
}

Entries OrderedListTypes()
{
    static constexpr std::array<std::string_view, 5> entries = {"1", "A", "a", "i", "I"};
    return entries;
}

Entries UnorderedListTypes()
{
    static constexpr std::array<std::string_view, 3> entries = {"DISC", "CIRCLE", "SQUARE"};
    return entries;
}

std::optional<std::string> Validate(const OrderedListFields &fields)
{
    if (fields.type.empty())
        return USER_TEXT("You must enter the Type!!");
    return std::nullopt;
}

std::optional<std::string> Validate(const UnorderedListFields &fields)
{
    if (fields.type.empty())
        return USER_TEXT("You must enter the Type!!");
    return std::nullopt;
}

// The list attributes are split between the list and its first item: TYPE and START belong
// to <OL>, DINGBAT, VALUE and SKIP to the first <LI>, which is left open for the user.
std::string BuildOrderedList(const OrderedListFields &fields)
{
    if (fields.type.empty())
        return {};
    AttributeList list;
    list.Add("TYPE", fields.type).Add("START", fields.start);
    AttributeList item;
    item.Add("DINGBAT", WithoutEnclosingQuotes(fields.dingbat))
        .Add("VALUE", fields.value)
        .Add("SKIP", fields.skip);
    return "<OL" + list.Text() + ">" + ListHeading + "\n<LI" + item.Text() + ">\n</OL>\n";
}

std::string BuildUnorderedList(const UnorderedListFields &fields)
{
    if (fields.type.empty())
        return {};
    std::string text =
        "<UL" + AttributeList().Add("TYPE", fields.type).Text() + ">\n" + ListHeading + "\n";
    // Without a dingbat the user writes the items; with one, the first item carries it.
    const AttributeList item =
        AttributeList().Add("DINGBAT", WithoutEnclosingQuotes(fields.dingbat));
    if (!item.Empty())
        text += "<LI" + item.Text() + ">\n";
    return text + "</UL>\n";
}

std::string DefinitionList()
{
    return "<DL>\n<DT><!--Enter your Text here-->\n<DD><!--Enter your Text here-->\n</DL>\n";
}

} // namespace tarnel
