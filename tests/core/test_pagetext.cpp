#include "pagetext.h"

#include <gtest/gtest.h>

using namespace tarnel;

TEST(PageText, StartingPageHasNineLinesAndNoFinalBreak)
{
    const std::string text = StartingPageText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 8);
    EXPECT_EQ(text.substr(0, 24), "<TITLE> Quillos </TITLE>");
    EXPECT_EQ(text.substr(text.size() - 7), "</HTML>");
    EXPECT_NE(text.find("<META name=\"generator\" content=\"QUILLO Editor\">\n"),
              std::string::npos);
}

TEST(PageText, Html5Page)
{
    EXPECT_EQ(Html5PageText("de-CH"), "<!DOCTYPE html>\n"
                                      "<html lang=\"de-CH\">\n"
                                      "<head>\n"
                                      "<meta charset=\"utf-8\">\n"
                                      "<meta name=\"viewport\" content=\"width=device-width, "
                                      "initial-scale=1\">\n"
                                      "<title></title>\n"
                                      "</head>\n"
                                      "<body>\n"
                                      "\n"
                                      "</body>\n"
                                      "</html>\n");
    // The caret goes on the body's empty line.
    const std::string page = Html5PageText("en");
    EXPECT_EQ(BeforeBodyEndPosition(page), page.find("<body>\n") + 7);
}

TEST(PageText, Html5PageLanguage)
{
    const std::pair<const char *, const char *> cases[] = {
        {"en-US", "<html lang=\"en-US\">"}, {"sr-Latn-RS", "<html lang=\"sr-Latn-RS\">"},
        {"", "<html lang=\"en\">"},         {"C", "<html lang=\"en\">"},
        {"a\"b", "<html lang=\"en\">"},     {"-", "<html lang=\"en\">"},
    };
    for (const auto &[language, expected] : cases)
        EXPECT_NE(Html5PageText(language).find(expected), std::string::npos) << language;
}

struct BodyEndCase
{
    const char *name;
    std::string text;
    std::size_t expected;
};

TEST(PageText, BeforeBodyEndPosition)
{
    const BodyEndCase cases[] = {
        {"no closing body tag", "<P>hello</P>", 0},
        {"closing body at the very start", "</BODY>", 0},
        {"right before </BODY>, not inside the tag before", "<p>x</p></BODY>", 8},
        {"before the line break before </BODY>", "ab\n</BODY>", 2},
        {"lower case counts", "<BODY>\n\n</body>", 7},
        {"first of two in any case", "x\n</body>\n</BODY>", 1},
        {"CR LF is stepped over whole", "<BODY>\r\n\r\n</BODY>", 8},
        {"empty text", "", 0},
        {"partial tag is not a match", "</BOD", 0},
        {"a slash before b is not enough", "0123456/b </b> <BR></bodx></BoDy>", 26},
        {"the tag straddles eight-byte words", "0123456</body>", 7},
        {"its slash ends a word", "012345<</Body>", 7},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BeforeBodyEndPosition(c.text), c.expected) << c.name;
    // At every offset, in every case of the letters.
    for (std::size_t at = 0; at < 20; ++at)
        for (const char *tag : {"</body>", "</BODY>", "</bOdY>"})
            EXPECT_EQ(FindBodyEnd(std::string(at, 'x') + "</b></" + tag), at + 6) << at;
}

TEST(PageText, PrevailingLineBreakAndConversion)
{
    EXPECT_EQ(PrevailingLineBreak("a\r\nb\r\nc\n"), LineBreak::CrLf);
    EXPECT_EQ(PrevailingLineBreak("a\nb\nc\r\n"), LineBreak::Lf);
    EXPECT_EQ(PrevailingLineBreak("a\rb\rc"), LineBreak::Cr);
    EXPECT_EQ(PrevailingLineBreak("no breaks", LineBreak::Lf), LineBreak::Lf);
    EXPECT_EQ(PrevailingLineBreak("0123456\r\r\n012345\r\n\n\n\n\n"), LineBreak::Lf);
    EXPECT_EQ(PrevailingLineBreak("01234567\r01234567\r\n\r"), LineBreak::Cr);
    // Counted in blocks of 240 bytes: a CR LF split between two blocks is one break, and a
    // CR ending the text is one too.
    const std::string upToABlock(239, 'x');
    EXPECT_EQ(PrevailingLineBreak(upToABlock + "\r\na\n"), LineBreak::CrLf);
    EXPECT_EQ(PrevailingLineBreak(upToABlock + "x\r\r"), LineBreak::Cr);
    EXPECT_EQ(WithLineBreaks("<UL>\n<LI>\n", LineBreak::CrLf), "<UL>\r\n<LI>\r\n");
    EXPECT_EQ(WithLineBreaks("<UL>\n", LineBreak::Lf), "<UL>\n");
    EXPECT_EQ(WithLineBreaks("a\nb", LineBreak::Cr), "a\rb");
}

TEST(PageText, Utf8Validity)
{
    const std::pair<std::string, bool> cases[] = {
        {"plain ascii", true},
        {"caf\xc3\xa9", true},
        {"\xe2\x82\xac euro", true},
        {"\xf0\x9f\x98\x80", true},
        {"caf\xe9 latin-1", false},
        {"\xc3", false},
        {"\xc0\xaf overlong", false},
        {"\xed\xa0\x80 surrogate", false},
        {std::string("zero\0byte", 9), true},
    };
    for (const auto &[text, valid] : cases)
        EXPECT_EQ(IsValidUtf8(text), valid) << text;
}

TEST(PageText, OneBytePerCharacterWritesReferencesForTheRest)
{
    const struct
    {
        std::u32string text;
        std::string bytes;
    } cases[] = {
        {U"plain", "plain"},   {U"caf\u00E9 \u00FF", "caf\xE9 \xFF"}, {U"\u20AC5", "&#8364;5"},
        {U"\u0100", "&#256;"}, {U"\U0001F600!", "&#128512;!"},        {U"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(OneBytePerCharacter(c.text), c.bytes) << c.bytes;
}
