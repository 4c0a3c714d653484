#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Fields, validation and HTML of the marquee, meta, frame, table and list forms. The builders
// return the empty string when there is nothing to insert (no attribute set, no list type).
namespace tarnel {

// File chooser filters ("label|patterns|...||") of these forms' browse buttons.
extern const char *const kMetaUrlFilter;
extern const char *const kFrameSourceFilter;
extern const char *const kTableBackgroundFilter;

struct MarqueeFields
{
    std::string behaviour;
    std::string dataFormat;
    std::string direction;
    std::string height;
    std::string width;
    std::string loop;
    std::string scrollDelay;
    std::string hspace;
    std::string vspace;
};

std::span<const std::string_view> MarqueeBehaviours();
std::span<const std::string_view> MarqueeDataFormats();
std::span<const std::string_view> MarqueeDirections();
std::optional<std::string> Validate(const MarqueeFields &fields);
std::string BuildMarquee(const MarqueeFields &fields);

struct MetaFields
{
    std::string name;
    std::string title;
    std::string content;
    std::string url;
    std::string httpEquiv;
};

std::span<const std::string_view> MetaHttpEquivs();
std::optional<std::string> Validate(const MetaFields &fields);
// A refresh with a url writes it into its content ("5; URL=next.htm"), as browsers read it.
std::string BuildMetaTag(const MetaFields &fields);

struct FrameFields
{
    std::string borderColour;
    std::string frameBorder;
    std::string windowName;
    std::string scrolling;
    std::string title;
    std::string source;
    std::string height;
    std::string width;
    std::string marginHeight;
    std::string marginWidth;
    std::string resizing;
};

std::span<const std::string_view> FrameBorders();
std::span<const std::string_view> FrameWindowNames();
std::span<const std::string_view> FrameScrollings();
std::span<const std::string_view> FrameResizings();
std::optional<std::string> Validate(const FrameFields &fields);
std::string BuildFrameTag(const FrameFields &fields);

struct TableFields
{
    std::string align;
    std::string background;
    std::string backgroundColour;
    std::string darkBorderColour;
    std::string lightBorderColour;
    std::string borderColour;
    std::string columns;
    std::string rules;
    std::string style;
    std::string frame;
    std::string title;
    std::string border;
    std::string cellPadding;
    std::string cellSpacing;
    std::string pageSize;
    std::string height;
    std::string width;
};

std::span<const std::string_view> TableAligns();
std::span<const std::string_view> TableRules();
std::span<const std::string_view> TableFrames();
std::optional<std::string> Validate(const TableFields &fields);
// How many empty cells the skeleton's row gets: Columns when it is a whole number from 1 to
// 100, otherwise one.
int TableCellCount(const std::string &columns);
std::string BuildTable(const TableFields &fields);

// The dingbat list of both list forms: eight names each in its own double quotes, and one
// empty entry.
std::span<const std::string_view> Dingbats();

struct OrderedListFields
{
    std::string dingbat;
    std::string type;
    std::string value;
    std::string start;
    std::string skip;
};

std::span<const std::string_view> OrderedListTypes();
std::optional<std::string> Validate(const OrderedListFields &fields);
std::string BuildOrderedList(const OrderedListFields &fields);

struct UnorderedListFields
{
    std::string type;
    std::string dingbat;
};

std::span<const std::string_view> UnorderedListTypes();
std::optional<std::string> Validate(const UnorderedListFields &fields);
std::string BuildUnorderedList(const UnorderedListFields &fields);

std::string DefinitionList();

} // namespace tarnel
