#include "abbreviation.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {

// The page with "|" at the caret: the abbreviation before it, as the colourer reads the page.
std::optional<Abbreviation> At(std::string page)
{
    const std::size_t caret = page.find('|');
    page.erase(caret, 1);
    const ColourEngine engine = MakeHtmlColourEngine();
    const auto contextAt = [&](std::size_t position) {
        const std::size_t lineStart = LineStartOf(page, position);
        return engine.ContextAt(page, lineStart, engine.StateAt(page, lineStart), position);
    };
    return AbbreviationBefore(std::string_view(page).substr(0, caret), caret, contextAt);
}

constexpr auto M = AbbreviationSyntax::Markup;
constexpr auto S = AbbreviationSyntax::Stylesheet;

} // namespace

// Where an abbreviation is read, what it is, and whether Tab expands it unasked. Tab after
// prose must still type a tab; the command expands whatever is read.
TEST(Abbreviation, IsReadWhereAPersonTypesOneAndTabExpandsOnlyWhatIsMeant)
{
    struct Case
    {
        const char *name;
        const char *page;
        const char *text; // nullptr: none read here
        AbbreviationSyntax syntax;
        bool tab;
    };
    const Case cases[] = {
        {"a list of links", "ul>li.item*3>a|", "ul>li.item*3>a", M, true},
        {"the page skeleton", "!|", "!", M, true},
        {"id and class", "<BODY>\n  div#main.box|", "div#main.box", M, true},
        {"an element name", "<P>\n  img|", "img", M, true},
        {"an element name after a tag", "<P>time|", "time", M, true},
        {"a name that is a word of the text", "name\ttime|", "time", M, false},
        {"a snippet name", "link:css|", "link:css", M, true},
        {"a class alone", "x .box|", ".box", M, true},
        {"numbered names", "h$*3|", "h$*3", M, true},
        {"a group", "(p>b)+i|", "(p>b)+i", M, true},
        {"text and attributes with blanks", "a[title=\"a b\"]{go there}|",
         "a[title=\"a b\"]{go there}", M, true},
        {"after a tag's >", "<P>ul>li|", "ul>li", M, true},
        {"after a closing tag", "<B>x</B>p.note|", "p.note", M, true},
        {"prose word", "say hello|", "hello", M, false},
        {"a short word", "the|", "the", M, false},
        {"the end of a sentence", "This is the end.|", "end.", M, false},
        {"an abbreviation of prose", "that is, e.g.|", "e.g.", M, false},
        {"an address", "see www.example.com|", "www.example.com", M, false},
        {"a number", "about 3.5|", "3.5", M, false},
        {"an exclamation", "Hello!|", "Hello!", M, false},
        {"a sum", "1+1|", "1+1", M, false},
        {"an open operator", "ul>|", "ul>", M, false},
        {"text left open reads from its brace", "p{hello|", "hello", M, false},
        {"words in brackets", "(see this)|", nullptr, M, false},
        {"after a blank", "ul>li |", nullptr, M, false},
        {"inside a tag", "<DIV ul.li|", nullptr, M, false},
        {"in a quoted value", "<A HREF=\"ul>li|\">", nullptr, M, false},
        {"in an unquoted value", "<A HREF=ul.li|>", nullptr, M, false},
        {"in a comment", "<!-- ul>li| -->", nullptr, M, false},
        {"in a script", "<SCRIPT>a.b|</SCRIPT>", nullptr, M, false},
        {"in a title", "<TITLE>ul>li|</TITLE>", nullptr, M, false},
        {"in a text area", "<TEXTAREA>div.x|</TEXTAREA>", nullptr, M, false},
        {"a property in a rule", "<STYLE>\nbody {\n  m10|", "m10", S, true},
        {"after a ;", "<STYLE>p { color: red; p5|", "p5", S, true},
        {"properties joined", "<STYLE>p {m10+p5|", "m10+p5", S, true},
        {"a property's own name", "<STYLE>p {color|", "color", S, true},
        {"a word in a rule", "<STYLE>p {hello|", "hello", S, false},
        {"a selector at the top", "<STYLE>\nm10|", nullptr, S, false},
        {"after a closed rule", "<STYLE>p {} m10|", nullptr, S, false},
        {"in a value", "<STYLE>p { color: m10|", nullptr, S, false},
        {"in a sheet's comment", "<STYLE>p { /* m10| */", nullptr, S, false},
        {"in a style attribute", "<P STYLE=\"m10|\">", nullptr, S, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<Abbreviation> read = At(c.page);
        ASSERT_EQ(read.has_value(), c.text != nullptr);
        if (!read)
            continue;
        EXPECT_EQ(read->text, c.text);
        EXPECT_EQ(read->syntax, c.syntax);
        EXPECT_EQ(read->end - read->start, read->text.size());
        EXPECT_EQ(TabExpands(*read), c.tab);
    }
}

// What goes into the page: the field marks gone, the caret at the first, the lines indented
// as the caret's line, the page's line break, the page's indent unit.
TEST(Abbreviation, AnExpansionGoesInIndentedWithTheCaretAtItsFirstField)
{
    const std::string mark(1, FieldMark);
    struct Case
    {
        const char *name;
        std::string expanded, indent;
        LineBreak lineBreak;
        Expansion wanted;
    };
    const Case cases[] = {
        {"one line",
         "<A HREF=\"" + mark + "\">" + mark + "</A>",
         "  ",
         LineBreak::CrLf,
         {"<A HREF=\"\"></A>", 9}},
        {"no field", "<BR>", "", LineBreak::Lf, {"<BR>", 4}},
        {"lines under an indented line",
         "<UL>\n\t<LI>" + mark + "</LI>\n</UL>",
         "  ",
         LineBreak::CrLf,
         {"<UL>\r\n  \t<LI></LI>\r\n  </UL>", 13}},
        {"a placeholder stays",
         "<TITLE>" + mark + "Document</TITLE>",
         "",
         LineBreak::Lf,
         {"<TITLE>Document</TITLE>", 7}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PrepareExpansion(c.expanded, c.indent, c.lineBreak), c.wanted);
    }

    EXPECT_EQ(EmmetNameCase(NameCase::List), "upper");
    EXPECT_EQ(EmmetNameCase(NameCase::Lower), "lower");
    EXPECT_EQ(EmmetNameCase(NameCase::AsTyped), "");
}
