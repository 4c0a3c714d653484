#include "textinplace.h"

#include <gtest/gtest.h>

using namespace tarnel;

namespace {

// The page after its first element takes `edited` as its text.
std::string EditedPage(std::string page, std::string_view edited, bool utf8)
{
    const auto editable = EditableTextOf(page, 0, utf8);
    if (!std::holds_alternative<EditableText>(editable))
        return "(refused)";
    const auto replacement =
        WriteBackText(page, std::get<EditableText>(editable), edited, utf8, LineBreak::CrLf);
    if (replacement)
        page.replace(replacement->begin, replacement->end - replacement->begin, replacement->bytes);
    return page;
}

} // namespace

TEST(TextInPlace, OnlyTheChangedCharactersAreWrittenEscapedForTheirPage)
{
    const struct
    {
        const char *name;
        std::string page;
        const char *edited;
        std::string after;
        bool utf8 = true;
    } cases[] = {
        {"a word replaced", "<P>Hello world</P>", "Hello there", "<P>Hello there</P>"},
        {"a reference kept", "<P>Fish &amp; chips</P>", "Fish & chips!",
         "<P>Fish &amp; chips!</P>"},
        {"a reference deleted whole", "<P>Fish &amp; chips</P>", "Fish  chips",
         "<P>Fish  chips</P>"},
        {"any other reference beside numeric ones refuses", "<P>caf&#233; &#xE9;t&eacute</P>", "",
         "(refused)"},
        {"a numeric reference kept", "<P>caf&#233;</P>", "cafés", "<P>caf&#233;s</P>"},
        {"markup characters typed", "<P>a</P>", "a<b & c>", "<P>a&lt;b &amp; c&gt;</P>"},
        {"a literal & stays as written", "<P>a & b</P>", "a & b & c", "<P>a & b &amp; c</P>"},
        {"line breaks in the source kept", "<P>one\r\n  two</P>", "one\n  two!",
         "<P>one\r\n  two!</P>"},
        {"a line break removed with its blanks", "<P>one\r\n  two</P>", "onetwo", "<P>onetwo</P>"},
        {"a no-break space the browser put in is a space", "<P>ab</P>", "ab\u00A0c", "<P>ab c</P>"},
        {"an empty element filled", "<H1></H1>", "Title", "<H1>Title</H1>"},
        {"all text removed", "<P>gone</P>", "", "<P></P>"},
        {"nothing changed", "<P>x&lt;y</P>", "x<y", "<P>x&lt;y</P>"},
        {"PRE's first line break is not shown", "<PRE>\r\nab</PRE>", "abc", "<PRE>\r\nabc</PRE>"},
        {"non-ASCII in a UTF-8 page as it is", "<P>\xC3\xA9t\xC3\xA9</P>",
         "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC", "<P>\xC3\xA9t\xC3\xA9 \xE2\x82\xAC</P>"},
        {"a one-byte page holds its own characters, references for the rest", "<P>\xE9t\xE9</P>",
         "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC", "<P>\xE9t\xE9 &#8364;</P>", false},
        {"a one-byte page's 0x80-0x9F as the browser reads them", "<P>\x93Hi\x94 \x80</P>",
         "\xE2\x80\x9CHi\xE2\x80\x9D \xE2\x82\xAC"
         "5",
         "<P>\x93Hi\x94 \x80"
         "5</P>",
         false},
        {"the attributes and the rest of the page untouched", "<P TITLE=\"a>b\">x</P>\r\n<P>x</P>",
         "xy", "<P TITLE=\"a>b\">xy</P>\r\n<P>x</P>"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(EditedPage(c.page, c.edited, c.utf8), c.after) << c.name;
}

TEST(TextInPlace, ContentThatIsNotPlainTextIsRefused)
{
    const struct
    {
        const char *name;
        std::string page;
        NotEditable reason;
    } cases[] = {
        {"a nested inline element", "<P>a <B>b</B> c</P>", NotEditable::HoldsMarkup},
        {"a comment", "<P>a <!-- b --> c</P>", NotEditable::HoldsMarkup},
        {"a stray <", "<P>a < b</P>", NotEditable::HoldsMarkup},
        {"a reference not in the exact set", "<P>&copy; 2020</P>", NotEditable::UnmappedReference},
        {"a legacy reference without its ;", "<P>&amp 2020</P>", NotEditable::UnmappedReference},
        {"an & before letters", "<P>AT&T</P>", NotEditable::UnmappedReference},
        {"a numeric reference the browser reads otherwise", "<P>&#150;</P>",
         NotEditable::UnmappedReference},
        {"no end tag written", "<P>one<P>two", NotEditable::HoldsMarkup},
        {"another element's end tag first", "<P>one</DIV></P>", NotEditable::NoEndTag},
        {"a void element", "<IMG SRC=a.png>", NotEditable::NoText},
        {"a script's text", "<SCRIPT>x</SCRIPT>", NotEditable::NoText},
        {"a table row, which cannot hold text", "<TR>\r\n</TR>", NotEditable::NoText},
    };
    for (const auto &c : cases) {
        const auto editable = EditableTextOf(c.page, 0, true);
        ASSERT_TRUE(std::holds_alternative<NotEditable>(editable)) << c.name;
        EXPECT_EQ(std::get<NotEditable>(editable), c.reason) << c.name;
    }
}
