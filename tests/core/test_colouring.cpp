#include "colouring.h"

#include "colourtestsupport.h"

#include <gtest/gtest.h>

using namespace tarnel;
using namespace tarnel::test;

namespace {

const ColourEngine &Html()
{
    static const ColourEngine engine = MakeHtmlColourEngine();
    return engine;
}

struct ColourCase
{
    const char *name;
    std::string text;
    std::string styles;    // one letter a byte, see StyleLetter
    std::string rewritten; // the text after the pass's rewrites
};

struct StyleCase
{
    const char *name;
    std::string text;
    std::string styles;
};

void CheckStyles(const ColourEngine &engine, const StyleCase &c)
{
    EXPECT_EQ(StyleLetters(engine.Scan(c.text, 0, c.text.size()).runs), c.styles) << c.name;
}

void Check(const ColourEngine &engine, const ColourCase &c)
{
    const ScanResult result = engine.Scan(c.text, 0, c.text.size());
    EXPECT_EQ(StyleLetters(result.runs), c.styles) << c.name;
    EXPECT_EQ(Applied(c.text, result.rewrites), c.rewritten) << c.name;
}

} // namespace

TEST(Colouring, NamesNumbersAndValues)
{
    const ColourCase cases[] = {
        {"typed image tag", "<img src=", ".KKK.CCC.", "<IMG SRC="},
        {"line break tag", "<br", ".KK", "<BR"},
        {"link element", "<A HREF=x>text</A>", ".K.CCCC.........K.", "<A HREF=x>text</A>"},
        {"a name outside a tag stays text", "body", "....", "body"},
        {"numbers outside and in a tag", "100 <IMG WIDTH=100>", "NNN..KKK.CCCCC.NNN.",
         "100 <IMG WIDTH=100>"},
        {"a quoted value is one string", "<IMG WIDTH=\"100\">", ".KKK.CCCCC.SSSSS.",
         "<IMG WIDTH=\"100\">"},
        {"a quote outside a tag is text", "a \"b\" c", ".......", "a \"b\" c"},
        {"an unclosed value ends with its line", "<IMG ALT=\"x\nsrc=y>", ".KKK.CCC.SS.CCC...",
         "<IMG ALT=\"x\nSRC=y>"},
        {"a > inside a value does not end the tag", "<IMG ALT=\"a>b\" src=x>",
         ".KKK.CCC.SSSSS.CCC...", "<IMG ALT=\"a>b\" SRC=x>"},
        {"hyphenated names are looked up whole", "<meta http-equiv=\"x\">", ".KKKK.CCCCCCCCCC.SSS.",
         "<META HTTP-EQUIV=\"x\">"},
        {"unlisted hyphenated names stay plain", "<div data-src=x>", ".KKK............",
         "<DIV data-src=x>"},
        {"numbers take a decimal point and exponent", "1.5e3x 2e+ 7.", "NNNNN..N...NN",
         "1.5e3x 2e+ 7."},
        {"digits inside a word are no number", "H1 <H1>", "....KK.", "H1 <H1>"},
        {"unknown names stay plain", "<foo bar>", ".........", "<foo bar>"},
        {"closing tags", "</table>", "..KKKKK.", "</TABLE>"},
        {"a name in both lists is a keyword", "<body link=red>", ".KKKK.KKKK.....",
         "<BODY LINK=red>"},
        {"blanks around the equals sign", "<a href = x title>", ".K.CCCC.....KKKKK.",
         "<A HREF = x TITLE>"},
        {"carriage return line feeds", "<img\r\nsrc=1>", ".KKK..CCC.N.", "<IMG\r\nSRC=1>"},
    };
    for (const auto &c : cases)
        Check(Html(), c);
}

TEST(Colouring, NothingThatChangesMeaningIsRewritten)
{
    const ColourCase cases[] = {
        {"comment", "<!-- <img src=x> -->", "####################", "<!-- <img src=x> -->"},
        {"comment over two lines", "<!--a\nb-->p", "##########.", "<!--a\nb-->p"},
        {"empty comments", "<!--><b><!---><i>", "#####.K.######.K.", "<!--><B><!---><I>"},
        {"comment closed by --!>", "<!-- x --!><b>", "###########.K.", "<!-- x --!><B>"},
        {"script content", "<script>if (a<b) img = 1;</script><b>",
         ".KKKKKK.kk.............n...KKKKKK..K.", "<SCRIPT>if (a<b) img = 1;</SCRIPT><B>"},
        {"style content", "<STYLE type=x>p { width: 10px }</style>",
         ".KKKKK.CCCC......................KKKKK.", "<STYLE TYPE=x>p { width: 10px }</STYLE>"},
        {"only its own end tag ends a script", "<script>a</style>b</scripts>c</script>",
         ".KKKKKK...rrrrrrrrrrrrrrrrr....KKKKKK.", "<SCRIPT>a</style>b</scripts>c</SCRIPT>"},
        // Every element a browser reads as text, as the tag scanner knows them.
        {"title content", "<title>a <b>x</b></TITLE>", ".KKKKK.............KKKKK.",
         "<TITLE>a <b>x</b></TITLE>"},
        {"text area content", "<textarea><p>x</textarea>", ".KKKKKKKK.......KKKKKKKK.",
         "<TEXTAREA><p>x</TEXTAREA>"},
        {"xmp, iframe, noembed and noframes content",
         "<xmp><b></xmp><iframe><b></iframe><noembed><b></noembed><noframes><b></noframes>",
         "...............KKKKKK......KKKKKK..KKKKKKK......KKKKKKK..KKKKKKKK......KKKKKKKK.",
         "<xmp><b></xmp><IFRAME><b></IFRAME><NOEMBED><b></NOEMBED><NOFRAMES><b></NOFRAMES>"},
        {"nothing ends plaintext", "<plaintext><b></plaintext>", "..........................",
         "<plaintext><b></plaintext>"},
        {"a name that only begins like one is a tag", "<titles><b>", ".........K.", "<titles><B>"},
        {"unquoted attribute value", "<p class=title>", ".K.CCCCC.......", "<P CLASS=title>"},
        {"single-quoted value", "<img alt='Table of content'>", ".KKK.CCC.SSSSSSSSSSSSSSSSSS.",
         "<IMG ALT='Table of content'>"},
        {"a < before a blank is text", "a < img src", "...........", "a < img src"},
        {"a < before a digit is text", "x<3 b>", "..N...", "x<3 b>"},
        {"names already in the list's spelling", "<IMG SRC=x>", ".KKK.CCC...", ""},
        {"processing instruction and declaration", "<?xml table?><!x br>", "......KKKKK......KK.",
         "<?xml TABLE?><!x BR>"},
    };
    for (auto c : cases) {
        if (c.rewritten.empty())
            c.rewritten = c.text;
        Check(Html(), c);
    }
    const std::string correct = "<IMG SRC=\"a.gif\" ALT='x'>\n<P CLASS=x>";
    EXPECT_TRUE(Html().Scan(correct, 0, correct.size()).rewrites.empty());
}

// Style sheets in STYLE content and STYLE values; never rewritten.
TEST(Colouring, CssInStyleSheetsAndStyleValues)
{
    const StyleCase cases[] = {
        {"selectors, properties, colours and units",
         "<style>p.x > a:hover { color: red; width: 10px }</style>",
         ".KKKKK.sss...sssssss...ppppp..hhh..ppppp..nnnn....KKKKK."},
        {"at-rule blocks hold rules; signed numbers and !important",
         "<style>@media screen and (max-width: 600px) { #nav, .a { margin: -1.5em 0 !important "
         "} }</style>",
         ".KKKKK.@@@@@@.vvvvvv.vvv..vvvvvvvvv..nnnnn....ssss..ss...pppppp..nnnnnn.n.!!!!!!!!!!...."
         "..KKKKK."},
        {"a comment over two lines, strings and #hex",
         "<style>/* a\nb */ h1 { font: 'A B', serif; background: #FC0 url(x.png) }</style>",
         ".KKKKK.cccc.cccc.ss...pppp..qqqqq..vvvvv..pppppppppp..hhhh.vvv.v.vvv.....KKKKK."},
        {"an at-rule ended by ;", "<style>@import \"a.css\"; b { c: d }</style>",
         ".KKKKK.@@@@@@@.qqqqqqq..s...p..v....KKKKK."},
        {"a block over lines", "<style>a {\n  color:\n    blue;\n}\nb{}</style>",
         ".KKKKK.s.....ppppp......hhhh....s....KKKKK."},
        {"a STYLE of another type is plain", "<style type=\"text/less\">a { b: c }</style>",
         ".KKKKK.CCCC.SSSSSSSSSSS.............KKKKK."},
        {"a STYLE value holds declarations", "<p style=\"color: #fff; margin:0 auto\">x</p>",
         ".K.KKKKK.Sppppp..hhhh..pppppp.n.vvvvS....K."},
        {"a string in the other quote", "<p style='a:\"q\"'>", ".K.KKKKK.Sp.qqqS."},
    };
    for (const auto &c : cases)
        CheckStyles(Html(), c);
    const ColourCase notRewritten = {
        "STYLE content is not rewritten", "<style>TABLE { width: 1px }</style><b>",
        ".KKKKK.sssss...ppppp..nnn....KKKKK..K.", "<STYLE>TABLE { width: 1px }</STYLE><B>"};
    Check(Html(), notRewritten);
}

// JavaScript in SCRIPT content of no TYPE, a JavaScript one or "module"; never rewritten.
TEST(Colouring, JavaScriptInScripts)
{
    const StyleCase cases[] = {
        {"division and a regular expression with a class and flags",
         "<script>a = b / c / d; e = /x\\/[/]y/gi.test(f)</script>",
         ".KKKKKK....................rrrrrrrrrrr..........KKKKKK."},
        {"the token before a / decides", "<script>return /a/; x = (1) / 2; y = z++ / 3</script>",
         ".KKKKKK.kkkkkk.rrr.......n....n............n..KKKKKK."},
        {"a regular expression after a line break", "<script>x = a\n/b/g; y = (\n/b/)</script>",
         ".KKKKKK...................rrr...KKKKKK."},
        {"template literals nested in ${}", "<script>s = `a${b + `c${d}e`}f` + g</script>",
         ".KKKKKK.....tttt....tttt.tttttt......KKKKKK."},
        {"a template literal over lines, braces inside ${}",
         "<script>t = `line\nnext ${ {a: 1}.a } end`; u = 1</script>",
         ".KKKKKK.....ttttt.ttttttt.....n....tttttt......n..KKKKKK."},
        {"comments, keywords and numbers",
         "<script>/* long\ncomment */ if (x) // c\nvar y = 0x1F + 1e-3</script>",
         ".KKKKKK.ccccccc.cccccccccc.kk.....cccc.kkk.....nnnn...nnnn..KKKKKK."},
        {"</script> in a string still ends the script", "<script>s = \"</script>\"; i = 1</script>",
         ".KKKKKK.....q..KKKKKK........N..KKKKKK."},
        {"a string carried over a line by a backslash; a property is no keyword",
         "<script>s = 'a\\\nb'; c.delete(d)</script>", ".KKKKKK.....qqq.qq...............KKKKKK."},
        {"a module", "<script type=module>import x from 'y'</script>",
         ".KKKKKK.CCCC........kkkkkk........qqq..KKKKKK."},
        {"a template of another type is plain",
         "<script type=\"text/template\">if (a) { b }</script>",
         ".KKKKKK.CCCC.SSSSSSSSSSSSSSS...............KKKKKK."},
        {"JSON is plain", "<script type=\"application/json\">{\"a\": 1}</script>",
         ".KKKKKK.CCCC.SSSSSSSSSSSSSSSSSS...........KKKKKK."},
        {"the first TYPE counts", "<script type=x type=module>if</script>",
         ".KKKKKK.CCCC...CCCC............KKKKKK."},
    };
    for (const auto &c : cases)
        CheckStyles(Html(), c);
}

TEST(Colouring, CharacterReferences)
{
    const ColourCase cases[] = {
        {"in text: named ones need their ;", "a &amp; b &#233; &#x20AC; &copy &nbsp; & x &#; AT&T",
         "..&&&&&...&&&&&&.&&&&&&&&.......&&&&&&.............",
         "a &amp; b &#233; &#x20AC; &copy &nbsp; & x &#; AT&T"},
        {"in quoted and unquoted values", "<a title=\"x &quot;y&quot;\" href=a&amp;b>&lt;</a>",
         ".K.KKKKK.SSS&&&&&&S&&&&&&S.CCCC..&&&&&..&&&&..K.",
         "<A TITLE=\"x &quot;y&quot;\" HREF=a&amp;b>&lt;</A>"},
        {"in TITLE and TEXTAREA, not in XMP",
         "<title>A &amp; B</title><textarea>&lt;</textarea><xmp>&lt;</xmp>",
         ".KKKKK...&&&&&....KKKKK..KKKKKKKK.&&&&..KKKKKKKK................",
         "<TITLE>A &amp; B</TITLE><TEXTAREA>&lt;</TEXTAREA><xmp>&lt;</xmp>"},
    };
    for (const auto &c : cases)
        Check(Html(), c);
}

TEST(Colouring, ScanOfARangeStartsInTheStateBeforeIt)
{
    const std::string text = "<IMG\nsrc=x\nalt=\"y\">\n<!--\nimg\n-->\n<script>\nb<i\n</script>";
    const ScanResult whole = Html().Scan(text, 0, text.size());
    const std::string wholeLetters = StyleLetters(whole.runs);
    for (std::size_t start = 0; start <= text.size(); ++start) {
        for (std::size_t end = start; end <= text.size(); end += 3) {
            const ScanResult part = Html().Scan(text, start, end);
            ASSERT_EQ(StyleLetters(part.runs), wholeLetters.substr(start, end - start))
                << start << ".." << end;
            std::size_t at = start;
            for (const auto &run : part.runs) {
                ASSERT_EQ(run.start, at);
                ASSERT_LT(run.start, run.end);
                at = run.end;
            }
            for (const auto &rewrite : part.rewrites)
                EXPECT_NE(std::find(whole.rewrites.begin(), whole.rewrites.end(), rewrite),
                          whole.rewrites.end());
        }
    }
    // The second line of a two-line tag is read inside the tag.
    const ScanResult second = Html().Scan(text, 5, 10);
    ASSERT_EQ(second.rewrites.size(), 1u);
    EXPECT_EQ(second.rewrites[0], (Rewrite{5, "SRC"}));
}

TEST(Colouring, LookupsUseTheListsSpelling)
{
    EXPECT_EQ(Html().FindKeyword("link"), "LINK");
    EXPECT_EQ(Html().FindConstant("link"), "LINK");
    EXPECT_EQ(Html().FindKeyword("Br"), "BR");
    EXPECT_EQ(Html().FindConstant("http-equiv"), "HTTP-EQUIV");
    EXPECT_EQ(Html().FindKeyword("src"), std::nullopt);
    EXPECT_EQ(Html().FindConstant("img"), std::nullopt);
    EXPECT_EQ(Html().FindKeyword(""), std::nullopt);
}

TEST(Colouring, CaseSensitiveEngineMatchesExactlyAndNeverRewrites)
{
    ColourEngine engine;
    engine.SetCaseSensitive(true);
    engine.AddKeywords(" Img ");
    engine.AddConstants(" SRC ");
    Check(engine, {"case sensitive", "<Img src=x><img SRC=x>", ".KKK............CCC...",
                   "<Img src=x><img SRC=x>"});
    EXPECT_EQ(engine.FindKeyword("IMG"), std::nullopt);

    ColourEngine keepCase = MakeHtmlColourEngine();
    keepCase.SetChangeCase(false);
    Check(keepCase, {"no change of case", "<img>", ".KKK.", "<img>"});

    ColourEngine lower = MakeHtmlColourEngine();
    lower.SetLowerCaseSpelling(true);
    Check(lower, {"lower case", "<IMG Src=x>", ".KKK.CCC...", "<img src=x>"});
}

// A style left without a look of its own would show as another; the editor's own styles
// start at 32.
TEST(Colouring, EveryStyleHasALookOfItsOwn)
{
    static_assert(StyleCount <= 32);
    const ColourEngine engine;
    for (int a = 0; a < StyleCount; ++a)
        for (int b = a + 1; b < StyleCount; ++b)
            EXPECT_NE(engine.Look(Style(a)), engine.Look(Style(b))) << a << " and " << b;
}

TEST(Colouring, SettersAndDefaultLooks)
{
    ColourEngine engine;
    EXPECT_EQ(engine.Look(Style::Plain), (StyleLook{0x000000, false}));
    EXPECT_EQ(engine.Look(Style::Keyword), (StyleLook{0xFF0000, true}));
    EXPECT_EQ(engine.Look(Style::Constant), (StyleLook{0xFF00FF, false}));
    EXPECT_EQ(engine.Look(Style::Comment), (StyleLook{0x008000, false}));
    EXPECT_EQ(engine.Look(Style::Number), (StyleLook{0xFF8000, false}));
    EXPECT_EQ(engine.Look(Style::String), (StyleLook{0xFF0080, false}));
    engine.SetNumberColor(0x123456, true);
    EXPECT_EQ(engine.Look(Style::Number), (StyleLook{0x123456, true}));

    // Lists added later extend the earlier ones; the first listing gives the spelling.
    engine.AddKeywords(" IMG ");
    engine.AddKeywords(" Img TABLE ");
    EXPECT_EQ(engine.FindKeyword("img"), "IMG");
    EXPECT_EQ(engine.FindKeyword("table"), "TABLE");
    EXPECT_EQ(engine.Keywords(), " IMG  Img TABLE ");

    // With double quotes alone a single quote is part of an unquoted value.
    engine.AddConstants(" ALT ");
    Check(engine, {"double quotes only", "<img alt='table' alt=\"x\">", ".KKK.CCC.........CCC.SSS.",
                   "<IMG ALT='table' ALT=\"x\">"});
}

TEST(Colouring, CompletionListOpensFromTheStateAtTheCaret)
{
    struct Case
    {
        const char *name;
        std::string text; // the caret follows the last character
        bool opens;
    };
    const Case cases[] = {
        {"< in text", "hello <", true},
        {"< at the start", "<", true},
        {"< in a quoted value", "<IMG ALT=\"a<", false},
        // Only where a tag can start: a browser reads a "<" inside a tag as part of a name.
        {"< after a closed value", "<IMG ALT=\"a\"<", false},
        {"< outside a tag after a quote", "say \"<", true},
        {"< inside a comment", "<!-- <", false},
        {"< in script content", "<script>if (a <", false},
        {"< in style content", "<STYLE>a <", false},
        {"< in a title", "<title>a <", false},
        {"< in a text area", "<textarea rows=2>a <", false},
        {"< after the script ended", "<script>a<b</script> <", true},
        {"< after a title ended", "<TITLE>x</TITLE><", true},
        {"< after a comment ended", "<!-- a --> <", true},
        {"blank after a tag name", "<IMG ", true},
        {"blank inside a quoted value", "<IMG SRC=\"a ", false},
        {"blank after a closing quote", "<IMG SRC=\"a\" ", true},
        {"blank after an unquoted value", "<A HREF=x ", true},
        {"blank after the equals sign", "<A HREF= ", true},
        {"blank in text", "hello ", false},
        {"blank after a closed tag", "<B> ", false},
        {"blank in a comment", "<!-- a ", false},
        {"blank in script content", "<script> a ", false},
        {"blank after a < that is text", "a < ", false},
        {"blank on the second line of a tag", "<IMG\nSRC=x ", true},
        {"another character", "<IMG a", false},
        {"blank in a single-quoted value", "<IMG ALT='a ", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(OpensCompletionList(Html(), c.text, c.text.size()), c.opens) << c.name;

    // The tag's ">" already following on the same line does not stop the list.
    const std::string text = "<IMG  SRC=x>";
    EXPECT_TRUE(OpensCompletionList(Html(), text, 5));
    const std::string quoted = "<IMG ALT=\"a b\">";
    EXPECT_FALSE(OpensCompletionList(Html(), quoted, 12));
    EXPECT_FALSE(OpensCompletionList(Html(), "", 0));
}

TEST(Colouring, LineStartOf)
{
    const std::string text = "ab\r\ncd\ref\ngh";
    const std::size_t expected[] = {0, 0, 0, 0, 4, 4, 4, 7, 7, 7, 10, 10, 10};
    for (std::size_t i = 0; i <= text.size(); ++i)
        EXPECT_EQ(LineStartOf(text, i), expected[i]) << i;
}
