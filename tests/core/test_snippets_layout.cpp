#include "colourlists.h"
#include "filepaths.h"
#include "snippets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

// Cases name only the fields they set; the others stay empty on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace tarnel;

namespace {

template <typename Fields> struct Case
{
    const char *name;
    Fields fields;
    std::string expected;
};

template <typename Fields, typename Build>
void ExpectBuilds(const std::vector<Case<Fields>> &cases, Build build)
{
    for (const auto &c : cases)
        EXPECT_EQ(build(c.fields), c.expected) << c.name;
}

template <typename Fields> struct ValidationCase
{
    const char *name;
    Fields fields;
    std::optional<std::string> message;
};

template <typename Fields> void ExpectValidates(const std::vector<ValidationCase<Fields>> &cases)
{
    for (const auto &c : cases)
        EXPECT_EQ(Validate(c.fields), c.message) << c.name;
}

bool HasTrailingBlank(std::string_view entry)
{
    return !entry.empty() && entry.back() == ' ';
}

} // namespace

TEST(Marquee, Builds)
{
    MarqueeFields example;
    example.behaviour = "SCROLL";
    example.dataFormat = "TEXT";
    example.direction = "LEFT";
    example.loop = "3";
    example.scrollDelay = "100";

    MarqueeFields upSlide;
    upSlide.behaviour = "SLIDE";
    upSlide.direction = "UP";

    MarqueeFields everything{"ALTERNATE", "HTML", "DOWN", "10", "20", "abc", "5", "1", "2"};

    MarqueeFields quoted;
    quoted.behaviour = "SCROLL";
    quoted.direction = "say \"hi\"";

    ExpectBuilds<MarqueeFields>(
        {
            {"worked example", example,
             "<MARQUEE  BEHAVIOR=\"SCROLL\" DATAFORMAT=\"TEXT\" DIRECTION =\"LEFT\" LOOP=\"3\" "
             "SCROLLDELAY=\"100\"></MARQUEE>\n"},
            {"UP and SLIDE", upSlide,
             "<MARQUEE  BEHAVIOR=\"SLIDE\" DIRECTION =\"UP\"></MARQUEE>\n"},
            {"every field, in the written order, any text accepted", everything,
             "<MARQUEE  BEHAVIOR=\"ALTERNATE\" DATAFORMAT=\"HTML\" DIRECTION =\"DOWN\" "
             "LOOP=\"abc\" HEIGHT=\"10\" WIDTH=\"20\" SCROLLDELAY=\"5\" HSPACE=\"1\" "
             "VSPACE=\"2\"></MARQUEE>\n"},
            {"a quote in the direction", quoted,
             "<MARQUEE  BEHAVIOR=\"SCROLL\" DIRECTION =\"say &quot;hi&quot;\"></MARQUEE>\n"},
            {"nothing set inserts nothing", {}, ""},
        },
        BuildMarquee);
}

TEST(Marquee, Validates)
{
    const std::string message = "You must enter Behaviour & Direction !!";
    ExpectValidates<MarqueeFields>({
        {"both", {.behaviour = "SCROLL", .direction = "LEFT"}, std::nullopt},
        {"no direction", {.behaviour = "SCROLL", .height = "5"}, message},
        {"no behaviour", {.direction = "LEFT"}, message},
        {"blank behaviour is a value", {.behaviour = " ", .direction = " "}, std::nullopt},
        {"nothing", {}, message},
    });
}

TEST(Meta, Builds)
{
    ExpectBuilds<MetaFields>(
        {
            {"refresh with url: the url goes into the content",
             {.content = "5", .url = "next.htm", .httpEquiv = "REFRESH"},
             "<META CONTENT=\"5; URL=next.htm\" HTTP-EQUIV=\"REFRESH\" >\n"},
            {"refresh with url, no delay: at once",
             {.url = "next.htm", .httpEquiv = "Refresh"},
             "<META CONTENT=\"0; URL=next.htm\" HTTP-EQUIV=\"Refresh\" >\n"},
            {"refresh without url: the fields as they are",
             {.content = "30", .httpEquiv = "REFRESH"},
             "<META CONTENT=\"30\" HTTP-EQUIV=\"REFRESH\" >\n"},
            {"description without url",
             {.name = "description", .content = "A page"},
             "<META CONTENT=\"A page\" NAME=\"description\" >\n"},
            {"url alone", {.url = "x.htm"}, "<META URL=\"x.htm\" >\n"},
            {"Content-Type keeps its url attribute",
             {.url = "x.htm", .httpEquiv = "Content-Type"},
             "<META HTTP-EQUIV=\"Content-Type\" URL=\"x.htm\" >\n"},
            {"every field, in the written order",
             {.name = "n", .title = "t", .content = "c", .url = "u", .httpEquiv = "REFRESH"},
             "<META CONTENT=\"c; URL=u\" HTTP-EQUIV=\"REFRESH\" TITLE=\"t\" NAME=\"n\" >\n"},
            {"a quote in a refresh's url",
             {.url = "a\"b.htm", .httpEquiv = "REFRESH"},
             "<META CONTENT=\"0; URL=a&quot;b.htm\" HTTP-EQUIV=\"REFRESH\" >\n"},
            {"a quote in the content",
             {.content = "a\"b", .url = "u"},
             "<META CONTENT=\"a&quot;b\" URL=\"u\" >\n"},
            {"nothing set inserts nothing", {}, ""},
        },
        BuildMetaTag);
}

TEST(Meta, NothingIsRequired)
{
    EXPECT_EQ(Validate(MetaFields{}), std::nullopt);
    EXPECT_EQ(Validate(MetaFields{.name = "keywords", .content = "a, b"}), std::nullopt);
}

TEST(Frame, Builds)
{
    ExpectBuilds<FrameFields>(
        {
            {"worked example",
             {.scrolling = "NO",
              .source = "top.htm",
              .height = "100",
              .width = "200",
              .marginHeight = "5",
              .resizing = "NORESIZE"},
             "<FRAME SCROLLING=\"NO\" SRC=\"top.htm\" HEIGHT=\"100\" WIDTH=\"200\" "
             "MARGINHEIGHT=\"5\" NORESIZE=\"NORESIZE\" >\n"},
            {"RESIZE writes no attribute",
             {.height = "1", .width = "2", .resizing = "RESIZE"},
             "<FRAME HEIGHT=\"1\" WIDTH=\"2\" >\n"},
            {"typed window name",
             {.windowName = "main", .height = "50%", .width = "*"},
             "<FRAME WINDOWNAME=\"main\" HEIGHT=\"50%\" WIDTH=\"*\" >\n"},
            {"every field, in the written order",
             {"grey", "0", "_top", "AUTO", "T", "a.htm", "1", "2", "3", "4", "NORESIZE"},
             "<FRAME BORDERCOLOR=\"grey\" FRAMEBORDER=\"0\" WINDOWNAME=\"_top\" "
             "SCROLLING=\"AUTO\" TITLE=\"T\" SRC=\"a.htm\" HEIGHT=\"1\" WIDTH=\"2\" "
             "MARGINHEIGHT=\"3\" MARGINWIDTH=\"4\" NORESIZE=\"NORESIZE\" >\n"},
            {"nothing set inserts nothing", {}, ""},
            {"RESIZE alone inserts nothing", {.resizing = "RESIZE"}, ""},
        },
        BuildFrameTag);
}

TEST(Frame, Validates)
{
    const std::string message = "You must enter Height & Width!!";
    ExpectValidates<FrameFields>({
        {"both", {.height = "1", .width = "2"}, std::nullopt},
        {"no width", {.source = "a.htm", .height = "1"}, message},
        {"no height", {.width = "2"}, message},
    });
}

TEST(Table, Builds)
{
    const std::string oneCell = ">\n<TR>\n<TD>\n</TD>\n</TR>\n</TABLE>";
    TableFields example;
    example.align = "CENTER";
    example.columns = "3";
    example.border = "1";
    example.width = "100%";

    TableFields coloured = example;
    coloured.background = "bg.gif";
    coloured.backgroundColour = "navy";
    coloured.borderColour = "navy";

    TableFields everything{"LEFT", "b.gif", "red", "black", "white", "navy", "x", "ALL", "s",
                           "VOID", "t",     "2",   "3",     "4",     "5",    "6", "7"};

    ExpectBuilds<TableFields>(
        {
            {"worked example", example,
             "<TABLE ALIGN=\"CENTER\" COLS=\"3\" BORDER=\"1\" WIDTH=\"100%\">\n<TR>\n"
             "<TD>\n</TD>\n<TD>\n</TD>\n<TD>\n</TD>\n</TR>\n</TABLE>"},
            {"with a picture and navy", coloured,
             "<TABLE ALIGN=\"CENTER\" BACKGROUND=\"bg.gif\" BGCOLOR=\"navy\" "
             "BORDERCOLOR=\"navy\" COLS=\"3\" BORDER=\"1\" WIDTH=\"100%\">\n<TR>\n"
             "<TD>\n</TD>\n<TD>\n</TD>\n<TD>\n</TD>\n</TR>\n</TABLE>"},
            {"every field, in the written order, columns not a number", everything,
             "<TABLE ALIGN=\"LEFT\" BACKGROUND=\"b.gif\" BGCOLOR=\"red\" "
             "BORDERCOLORDARK=\"black\" BORDERCOLORLIGHT=\"white\" BORDERCOLOR=\"navy\" "
             "COLS=\"x\" RULES=\"ALL\" STYLE=\"s\" FRAME=\"VOID\" TITLE=\"t\" BORDER=\"2\" "
             "CELLPADDING=\"3\" CELLSPACING=\"4\" DATAPAGESIZE=\"5\" HEIGHT=\"6\" "
             "WIDTH=\"7\"" +
                 oneCell},
            {"typed colour",
             {.backgroundColour = "#FC0", .columns = "1"},
             "<TABLE BGCOLOR=\"#FC0\" COLS=\"1\"" + oneCell},
            {"a quote in the style",
             {.columns = "1", .style = "font:\"x\""},
             "<TABLE COLS=\"1\" STYLE=\"font:&quot;x&quot;\"" + oneCell},
            {"nothing set inserts nothing", {}, ""},
        },
        BuildTable);
}

TEST(Table, CellCount)
{
    const struct
    {
        const char *columns;
        int cells;
    } cases[] = {
        {"1", 1},      {"3", 3},   {"5", 5},  {"100", 100},
        {"0100", 100}, {"101", 1}, {"0", 1},  {"", 1},
        {"-3", 1},     {"+3", 1},  {" 3", 1}, {"3 ", 1},
        {"3.0", 1},    {"abc", 1}, {"2x", 1}, {"99999999999999999999", 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TableCellCount(c.columns), c.cells) << '"' << c.columns << '"';

    TableFields five;
    five.columns = "5";
    const std::string text = BuildTable(five);
    std::size_t cells = 0;
    for (auto at = text.find("<TD>\n</TD>\n"); at != std::string::npos;
         at = text.find("<TD>\n</TD>\n", at + 1))
        ++cells;
    EXPECT_EQ(cells, 5u);
    EXPECT_EQ(text.find("<TR>"), text.rfind("<TR>")) << "one row only";
}

TEST(Table, Validates)
{
    ExpectValidates<TableFields>({
        {"columns", {.columns = "x"}, std::nullopt},
        {"no columns",
         {.align = "LEFT", .border = "1", .width = "5"},
         "You must enter Column number!!"},
    });
}

TEST(Lists, OrderedBuilds)
{
    ExpectBuilds<OrderedListFields>(
        {
            {"worked example",
             {.dingbat = "\"Home\"", .type = "A", .value = "5", .start = "3"},
             "<OL TYPE=\"A\" START=\"3\"><LH><!Enter the list heading here>\n"
             "<LI DINGBAT=\"Home\" VALUE=\"5\">\n</OL>\n"},
            {"type only",
             {.type = "1"},
             "<OL TYPE=\"1\"><LH><!Enter the list heading here>\n<LI>\n</OL>\n"},
            {"skip belongs to the first item",
             {.type = "i", .skip = "2"},
             "<OL TYPE=\"i\"><LH><!Enter the list heading here>\n<LI SKIP=\"2\">\n</OL>\n"},
            {"two-word dingbat",
             {.dingbat = "\"Disk Drive\"", .type = "I"},
             "<OL TYPE=\"I\"><LH><!Enter the list heading here>\n"
             "<LI DINGBAT=\"Disk Drive\">\n</OL>\n"},
            {"a dingbat without its quotes stays well formed",
             {.dingbat = "a\"b", .type = "a"},
             "<OL TYPE=\"a\"><LH><!Enter the list heading here>\n"
             "<LI DINGBAT=\"a&quot;b\">\n</OL>\n"},
            {"no type inserts nothing", {.dingbat = "\"Home\"", .value = "5"}, ""},
        },
        BuildOrderedList);
}

TEST(Lists, UnorderedBuilds)
{
    ExpectBuilds<UnorderedListFields>(
        {
            {"worked example with a dingbat",
             {.type = "SQUARE", .dingbat = "\"Next\""},
             "<UL TYPE=\"SQUARE\">\n<LH><!Enter the list heading here>\n"
             "<LI DINGBAT=\"Next\">\n</UL>\n"},
            {"worked example without",
             {.type = "DISC"},
             "<UL TYPE=\"DISC\">\n<LH><!Enter the list heading here>\n</UL>\n"},
            {"a quote in the type",
             {.type = "x\"y"},
             "<UL TYPE=\"x&quot;y\">\n<LH><!Enter the list heading here>\n</UL>\n"},
            {"no type inserts nothing", {.dingbat = "\"Next\""}, ""},
        },
        BuildUnorderedList);
}

TEST(Lists, Validates)
{
    const std::string message = "You must enter the Type!!";
    ExpectValidates<OrderedListFields>({
        {"type", {.type = "1"}, std::nullopt},
        {"no type", {.dingbat = "\"Home\"", .value = "1", .start = "2", .skip = "3"}, message},
    });
    ExpectValidates<UnorderedListFields>({
        {"type", {.type = "DISC"}, std::nullopt},
        {"no type", {.dingbat = "\"Home\""}, message},
    });
}

TEST(Lists, DefinitionList)
{
    EXPECT_EQ(DefinitionList(),
              "<DL>\n<DT><!--Enter your Text here-->\n<DD><!--Enter your Text here-->\n</DL>\n");
}

TEST(Lists, DingbatsAreQuotedNamesAndOneEmptyEntry)
{
    const auto &dingbats = Dingbats();
    ASSERT_EQ(dingbats.size(), 9u);
    EXPECT_EQ(std::count(dingbats.begin(), dingbats.end(), ""), 1);
    for (const auto &entry : dingbats) {
        if (entry.empty())
            continue;
        EXPECT_EQ(entry.front(), '"') << entry;
        EXPECT_EQ(entry.back(), '"') << entry;
        EXPECT_EQ(entry.find('"', 1), entry.size() - 1) << entry;
    }
}

TEST(ListEntries, NoTrailingBlanksNoDuplicates)
{
    const std::vector<std::pair<const char *, std::span<const std::string_view>>> lists = {
        {"behaviour", MarqueeBehaviours()},
        {"data format", MarqueeDataFormats()},
        {"direction", MarqueeDirections()},
        {"http-equiv", MetaHttpEquivs()},
        {"frame border", FrameBorders()},
        {"window name", FrameWindowNames()},
        {"scrolling", FrameScrollings()},
        {"resizing", FrameResizings()},
        {"table align", TableAligns()},
        {"rules", TableRules()},
        {"table frame", TableFrames()},
        {"ordered type", OrderedListTypes()},
        {"unordered type", UnorderedListTypes()},
        {"dingbat", Dingbats()},
        {"background colours", BackgroundColourList()},
        {"table colours", TableColourList()},
        {"frame colours", FrameColourList()},
    };
    for (const auto &[name, entries] : lists) {
        EXPECT_FALSE(entries.empty()) << name;
        EXPECT_TRUE(std::none_of(entries.begin(), entries.end(), HasTrailingBlank)) << name;
        EXPECT_EQ(std::set<std::string_view>(entries.begin(), entries.end()).size(), entries.size())
            << name;
    }
}

TEST(ChooserFilters, LayoutFormsConvertForTheFileDialog)
{
    EXPECT_EQ(ConvertFileFilter(kMetaUrlFilter), "All HTML Files (*.htm *.html);;All Files (*.*)");
    EXPECT_EQ(ConvertFileFilter(kFrameSourceFilter), "All Files (*.*)");
    EXPECT_EQ(ConvertFileFilter(kTableBackgroundFilter)
                  .rfind("All Picture Files (*.gif *.jpeg *.jpg *.bmp *.AIS);;", 0),
              0u);
}
