#include "pagecheck.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace tarnel;
namespace fs = std::filesystem;

namespace {

// A real folder beside the page: site/ holds the page, its pictures and a sub folder.
class SiteFolder
{
public:
    SiteFolder()
    {
        m_root = fs::temp_directory_path() /
                 ("tarnel_check_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::remove_all(m_root);
        for (const char *file :
             {"site/pic.gif", "site/Photo.JPG", "site/sub/inner.gif", "site/with space.gif",
              "site/caf\xC3\xA9.gif", "site/applets/Clock.class", "shared.css"})
            Touch(file);
    }
    ~SiteFolder() { fs::remove_all(m_root); }
    fs::path Page() const { return m_root / "site"; }

private:
    void Touch(const fs::path &relative)
    {
        fs::create_directories((m_root / relative).parent_path());
        std::ofstream(m_root / relative) << "x";
    }
    fs::path m_root;
};

std::vector<std::string> Lines(const std::vector<Finding> &findings)
{
    std::vector<std::string> lines;
    for (const Finding &finding : findings)
        lines.push_back(FormatFinding({}, finding));
    return lines;
}

struct CheckCase
{
    const char *name;
    std::string text;
    std::vector<std::string> expected;
};

void ExpectChecks(const CheckContext &context, std::initializer_list<CheckCase> cases)
{
    for (const CheckCase &c : cases)
        EXPECT_EQ(Lines(CheckPage(c.text, context)), c.expected) << c.name;
}

} // namespace

TEST(PageCheck, RelativeFilesMustExistInTheirLetterCase)
{
    const SiteFolder site;
    ExpectChecks(
        {site.Page(), true},
        {
            {"present files in every checked attribute",
             "<IMG SRC=pic.gif ALT=\"\" LOWSRC='sub/inner.gif' DYNSRC=\"./pic.gif\">\n"
             "<BODY BACKGROUND=sub/inner.gif><A HREF=\"../shared.css\">x</A>\n"
             "<FRAME SRC=\"with%20space.gif\"><LINK HREF=\"caf\xC3\xA9.gif\">",
             {}},
            {"a value's references are read as the browser reads them",
             "<IMG ALT=a SRC=\"p&#105;c.gif\"><IMG ALT=b SRC=\"with&#x20;space.gif\">"
             "<IMG ALT=c SRC=\"no&amp;pe.gif\">",
             {"1:84: error: missing file \"no&pe.gif\""}},
            {"a missing picture is an error at its value",
             "<P>\n  <IMG ALT=a SRC=\"nope.gif\">",
             {"2:19: error: missing file \"nope.gif\""}},
            {"query and fragment are not part of the file",
             "<A HREF=\"pic.gif?x=1#top\">a</A><A HREF=\"gone.htm#x\">b</A>",
             {"1:41: error: missing file \"gone.htm\""}},
            {"letter case as on disk, also in a folder name",
             "<IMG ALT=a SRC=photo.jpg><IMG ALT=b SRC=SUB/inner.gif>",
             {"1:16: error: \"photo.jpg\" is written \"Photo.JPG\" on disk; a web server tells "
              "letter case apart",
              "1:41: error: \"SUB/inner.gif\" is written \"sub/inner.gif\" on disk; a web server "
              "tells letter case apart"}},
            {"a missing folder on the way",
             "<IMG ALT=a SRC=\"nofolder/pic.gif\">",
             {"1:17: error: missing file \"nofolder/pic.gif\""}},
            {"'..' that leaves the page's folder",
             "<IMG ALT=a SRC=\"../site/pic.gif\"><IMG ALT=a SRC=\"../pic.gif\">",
             {"1:50: error: missing file \"../pic.gif\""}},
            {"URLs with a scheme, from the server root or another host are not files",
             "<A HREF=\"http://x/n.gif\">a</A><A HREF=mailto:a@b>b</A><IMG ALT=a SRC=/n.gif>"
             "<IMG ALT=a SRC=//host/n.gif><A HREF=\"javascript:void(0)\">c</A><A HREF=\"?q\">d</A>",
             {}},
            {"an applet's CODE is looked up in its CODEBASE",
             "<APPLET CODEBASE=applets CODE=Clock.class></APPLET><APPLET CODE=Clock.class>"
             "</APPLET>",
             {"1:65: error: missing file \"Clock.class\""}},
            {"a page with a BASE HREF resolves elsewhere",
             "<BASE HREF=\"http://example.com/\"><IMG ALT=a SRC=nope.gif>",
             {}},
            {"a tag in a comment or script is no tag",
             "<!-- <IMG SRC=nope.gif> --><SCRIPT>x='<IMG SRC=nope.gif>'</SCRIPT>",
             {}},
            {"each candidate of a SRCSET, on IMG and SOURCE",
             "<IMG ALT=a SRCSET=\"pic.gif 1x,big.gif 2x\"><SOURCE SRCSET=\"sub/inner.gif, x.gif\">",
             {"1:31: error: missing file \"big.gif\"", "1:74: error: missing file \"x.gif\""}},
            {"a video's POSTER, an OBJECT's DATA and a LINK icon",
             "<VIDEO POSTER=still.jpg></VIDEO><OBJECT DATA=\"m.swf\"></OBJECT>"
             "<LINK REL=icon HREF=favicon.ico><INPUT DATA=nope>",
             {"1:15: error: missing file \"still.jpg\"", "1:47: error: missing file \"m.swf\"",
              "1:83: error: missing file \"favicon.ico\""}},
            {"url() and @import in a style sheet and a STYLE value, not in comments or strings",
             "<STYLE>@import \"../shared.css\"; /* url(no.png) */ b { content: 'url(x)';\n"
             "background: URL( 'paper.png' ) }</STYLE><P STYLE=\"background:url(tile.png)\">"
             "<P STYLE='background:url(data:image/png;base64,AAAA)'>",
             {"2:19: error: missing file \"paper.png\"", "2:66: error: missing file \"tile.png\""}},
        });
}

TEST(PageCheck, TheFilesAPageUsesAreTheOnesChecked)
{
    const std::string page =
        "<LINK REL=stylesheet HREF=\"css/site.css?v=2\"><STYLE>@import 'more.css';</STYLE>"
        "<IMG ALT=a SRC=pic.gif SRCSET=\"pic.gif 1x, big%20one.gif 2x\"><SCRIPT SRC=app.js>"
        "</SCRIPT><A HREF=\"http://x/y.htm\">a</A><A HREF=#top>b</A>";
    const std::vector<std::string> expected = {"css/site.css", "more.css", "pic.gif", "big one.gif",
                                               "app.js"};
    EXPECT_EQ(FilesUsedBy(page, true), expected);
    EXPECT_TRUE(FilesUsedBy("<BASE HREF=\"http://x/\"><IMG SRC=a.gif>", true).empty());
}

TEST(PageCheck, OurFindingsCarryTheFixThatIsCertain)
{
    const SiteFolder site;
    const auto onDisk = [](const char *replacement) {
        return Fix{FixKind::UseNameOnDisk, 0, replacement};
    };
    const Fix choose{FixKind::ChooseFile};
    const struct
    {
        const char *name;
        std::string text;
        std::string_view span; // the bytes the finding is about
        Fix fix;
        bool utf8 = true;
    } cases[] = {
        {"wrong case in a plain SRC", "<IMG ALT=a SRC=photo.jpg>", "photo.jpg",
         onDisk("Photo.JPG")},
        {"with a query and a fragment, blanks kept", "<A HREF=\" ./PIC.gif?Q=A#Top \">x</A>",
         " ./PIC.gif?Q=A#Top ", onDisk(" ./pic.gif?Q=A#Top ")},
        {"in a folder name, escapes kept", "<IMG ALT=a SRC='SUB/Inner%2Egif'>", "SUB/Inner%2Egif",
         onDisk("sub/inner%2Egif")},
        {"in a SRCSET candidate", "<IMG ALT=a SRCSET=\"pic.gif 1x, PIC.GIF 2x\">", "PIC.GIF",
         onDisk("pic.gif")},
        {"in a style's url()", "<P STYLE=\"background:url(Sub/Inner.gif)\">", "Sub/Inner.gif",
         onDisk("sub/inner.gif")},
        {"a Latin-1 page keeps its bytes", "<IMG ALT=a SRC=\"CAF\xE9.gif\">", "CAF\xE9.gif",
         onDisk("caf\xE9.gif"), false},
        {"an escaped slash", "<IMG ALT=a SRC=\"SUB%2Finner.gif\">", "SUB%2Finner.gif", {}},
        {"a CODE below its CODEBASE",
         "<APPLET CODEBASE=applets CODE=clock.class></APPLET>",
         "clock.class",
         {}},
        {"a missing file", "<IMG ALT=a SRC=\"nope.gif\">", "nope.gif", choose},
        {"a missing SRCSET candidate", "<IMG ALT=a SRCSET=\"pic.gif 1x, big.gif 2x\">", "big.gif",
         choose},
        {"a missing file in a style sheet",
         "<STYLE>b{background:url(no.gif)}</STYLE>",
         "no.gif",
         {FixKind::ChooseFile, 0, {}, true}},
    };
    for (const auto &c : cases) {
        const std::vector<Finding> findings = CheckPage(c.text, {site.Page(), c.utf8});
        ASSERT_EQ(findings.size(), 1u) << c.name;
        EXPECT_EQ(c.text.substr(findings[0].offset, findings[0].length), c.span) << c.name;
        EXPECT_EQ(findings[0].fix, c.fix) << c.name;
    }

    for (const char *tag : {"<IMG SRC=pic.gif>", "<AREA HREF=#>", "<INPUT TYPE=Image>"}) {
        const std::vector<Finding> findings = CheckPage(std::string("<P>") + tag, {});
        ASSERT_EQ(findings.size(), 1u) << tag;
        EXPECT_EQ(findings[0].fix, (Fix{FixKind::GiveAlt, 3, {}})) << tag;
    }
}

TEST(PageCheck, AnUnsavedPageHasNoFolderToCheckFilesIn)
{
    EXPECT_TRUE(CheckPage("<IMG ALT=a SRC=nope.gif><A HREF=x.htm>x</A>", {}).empty());
}

TEST(PageCheck, OneByteAPageNamesFilesInItsOwnEncoding)
{
    const SiteFolder site;
    // "café.gif" written in Latin-1: one byte 0xE9 for the e with acute.
    EXPECT_TRUE(CheckPage("<IMG ALT=a SRC=\"caf\xE9.gif\">", {site.Page(), false}).empty());
    EXPECT_EQ(CheckPage("<IMG ALT=a SRC=\"caf\xE9.gif\">", {site.Page(), true}).size(), 1u);
}

TEST(PageCheck, InPageLinksAltTextAndIds)
{
    ExpectChecks(
        {},
        {
            {"a link to an ID or an A NAME, before or after it",
             "<A HREF=#end>a</A><H1 ID=start>t</H1><A HREF=\"#start\">b</A><A NAME=end></A>",
             {}},
            {"a link to nowhere",
             "<P>\r\n<A HREF=\"#nowhere\">x</A>",
             {"2:10: error: no element has the ID or NAME \"nowhere\""}},
            {"'#' and '#top' need no element; case counts in a name",
             "<A HREF=#>a</A><A HREF=#top>b</A><A NAME=Here></A><AREA ALT=x HREF=#here>",
             {"1:68: error: no element has the ID or NAME \"here\""}},
            {"a NAME on something other than a link is no target",
             "<INPUT NAME=q><A HREF=#q>a</A>",
             {"1:23: error: no element has the ID or NAME \"q\""}},
            {"pictures, image buttons and areas need ALT; an empty ALT is fine",
             "<IMG SRC=a.gif>\r<img alt=\"\" src=b.gif><INPUT TYPE=image SRC=c.gif>"
             "<INPUT TYPE=text><AREA HREF=x.htm>",
             {"1:2: warning: IMG without ALT: give a text alternative (ALT=\"\" for decoration)",
              "2:24: warning: INPUT without ALT: give a text alternative (ALT=\"\" for "
              "decoration)",
              "2:69: warning: AREA without ALT: give a text alternative (ALT=\"\" for "
              "decoration)"}},
            {"an ID given twice",
             "<P ID=a>\n<DIV ID=\"b\"></DIV><SPAN ID='a'>",
             {"2:29: error: ID \"a\" is already used on line 1"}},
            {"IDs and A NAMEs name places together; one A may give both the same",
             "<A NAME=x ID=x></A><A NAME=x></A>\n<A NAME=y></A><P ID=y>",
             {"1:28: error: NAME \"x\" is already used on line 1",
              "2:21: error: ID \"y\" is already used on line 2"}},
            {"names are compared as the browser reads them, references and escapes too",
             "<A NAME=\"caf&#233;\"></A><A HREF=\"#caf%C3%A9\">a</A><P ID=\"R&amp;D\"><P ID=R&D>",
             {"1:73: error: ID \"R&D\" is already used on line 1"}},
            {"each TEMPLATE's content has IDs of its own",
             "<TEMPLATE><P ID=r></TEMPLATE><TEMPLATE><P ID=r><B ID=r></TEMPLATE><P ID=r>",
             {"1:54: error: ID \"r\" is already used on line 1"}},
        });
}

TEST(PageCheck, LinesEndInCrLfLfOrCr)
{
    const LineIndex lines("a\r\nb\nc\rd");
    EXPECT_EQ(lines.LineCount(), 4u);
    EXPECT_EQ(lines.LineColumnOf(0), std::make_pair(std::size_t(1), std::size_t(1)));
    EXPECT_EQ(lines.LineColumnOf(3), std::make_pair(std::size_t(2), std::size_t(1)));
    EXPECT_EQ(lines.LineColumnOf(7), std::make_pair(std::size_t(4), std::size_t(1)));
    EXPECT_EQ(lines.LineEnd(1), 1u);
    EXPECT_EQ(lines.LineStart(9), 8u);
}

TEST(PageCheck, NamesThatDoNotPrintAreQuotedWithEscapes)
{
    const struct
    {
        const char *name;
        std::string_view file;
        std::string_view shown;
    } cases[] = {
        {"a plain name", "site/page.htm", "site/page.htm"},
        {"letters beyond ASCII and spaces", "a folder \xC3\xA9/p.htm", "a folder \xC3\xA9/p.htm"},
        {"quotes alone print", "say \"hi\"\\.htm", "say \"hi\"\\.htm"},
        {"a line break", "two\nlines.htm", "\"two\\nlines.htm\""},
        {"an escape sequence, and the quotes beside it", "\x1B[31m\"red\".htm",
         "\"\\033[31m\\\"red\\\".htm\""},
        {"a tab and a carriage return", "a\tb\r.htm", "\"a\\tb\\r.htm\""},
        {"DEL", "del\x7F.htm", "\"del\\177.htm\""},
        {"a byte that is no UTF-8", "caf\xE9.htm", "\"caf\\351.htm\""},
        {"a C1 control (CSI)",
         "\xC2\x9B"
         "2J.htm",
         "\"\\302\\2332J.htm\""},
        {"a reordering mark", "gpj\xE2\x80\xAE.exe", "\"gpj\\342\\200\\256.exe\""},
        {"a cut-off sequence", "end\xE2\x82", "\"end\\342\\202\""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PrintableFileName(c.file), c.shown) << c.name;

    Finding finding;
    finding.line = 2;
    finding.column = 5;
    finding.message = "missing file \"a\nb.gif\x1B[2J\"";
    EXPECT_EQ(FormatFinding("x\ny.htm", finding),
              "\"x\\ny.htm\":2:5: error: missing file \"a\\nb.gif\\033[2J\"");
}

TEST(PageCheck, FindingsMoveAlongWithAnEditOfTheTextBetweenTags)
{
    const std::string page = "<P ID=a>x y\n<IMG SRC=a.gif> z <A HREF=\"#no\">w</A><SPAN ID=a>";
    const struct
    {
        const char *name;
        std::size_t position, removed;
        std::string inserted;
        std::size_t line;
        bool moved;
    } cases[] = {
        {"typed on the line before them", 9, 0, "abc", 1, true},
        {"typed on their own line", 29, 0, "abc", 2, true},
        {"taken out of their own line", 28, 1, "", 2, true},
        {"typed after all of them", page.size(), 0, "q", 2, true},
        {"over the picture's tag", 12, 16, "", 2, false},
    };
    for (const auto &c : cases) {
        std::string edited = page;
        edited.replace(c.position, c.removed, c.inserted);
        std::vector<Finding> findings = CheckPage(page, {});
        ASSERT_EQ(findings.size(), 3u);
        EXPECT_EQ(MoveFindingsPast(findings, c.position, c.removed, c.inserted.size(), c.line),
                  c.moved)
            << c.name;
        EXPECT_EQ(findings == CheckPage(edited, {}), c.moved) << c.name;
    }
}
