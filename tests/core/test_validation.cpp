#include "validation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

using namespace tarnel;

namespace {

struct TidyCase
{
    const char *name;
    std::string text;
    bool utf8;
    TidyReport report;
    std::optional<std::string> expected; // FormatFinding without a file, and "+length"
};

std::optional<std::string> Described(const std::optional<Finding> &finding)
{
    if (!finding)
        return std::nullopt;
    return FormatFinding({}, *finding) + " @" + std::to_string(finding->offset) + "+" +
           std::to_string(finding->length);
}

} // namespace

TEST(Validation, TidyReportsBecomeFindingsAtTheirBytes)
{
    const std::string page = "<P>\n\xC3\xA9\xC3\xA9<TABLE BORDER=1>\n\tx";
    const TidyCase cases[] = {
        {"characters of two bytes count as one column",
         page,
         true,
         {TidyLevel::Warning, 2, 3, "MISSING_ENDTAG_FOR", "missing </table>"},
         "2:5: warning: missing </table> @8+16"},
        {"read one byte a character, the same column is elsewhere",
         page,
         false,
         {TidyLevel::Warning, 2, 5, "X", "m"},
         "2:5: warning: m @8+16"},
        {"a tab is one column",
         page,
         true,
         {TidyLevel::Error, 3, 2, "X", "e"},
         "3:2: error: e @26+1"},
        {"a column past the line's end stays on the line",
         page,
         true,
         {TidyLevel::Warning, 1, 40, "X", "w"},
         "1:4: warning: w @3+1"},
        {"the document as a whole is its first byte",
         page,
         true,
         {TidyLevel::Warning, 0, 0, "X", "w"},
         "1:1: warning: w @0+1"},
        {"information is no finding",
         page,
         true,
         {TidyLevel::Info, 1, 1, "MISSING_QUOTEMARK_OPEN", "i"},
         std::nullopt},
        {"a missing ALT is ours to report",
         page,
         true,
         {TidyLevel::Warning, 1, 1, "MISSING_ATTRIBUTE", "<img> lacks \"alt\" attribute"},
         std::nullopt},
        {"other missing attributes are tidy's",
         page,
         true,
         {TidyLevel::Warning, 1, 1, "MISSING_ATTRIBUTE", "<table> lacks \"summary\" attribute"},
         "1:1: warning: <table> lacks \"summary\" attribute @0+3"},
        {"an ID given twice is ours to report",
         page,
         true,
         {TidyLevel::Warning, 1, 1, "ANCHOR_NOT_UNIQUE", "<p> anchor \"a\" already defined"},
         std::nullopt},
    };
    for (const TidyCase &c : cases) {
        const LineIndex lines(c.text);
        EXPECT_EQ(Described(FindingFromTidy(c.report, c.text, lines, c.utf8)), c.expected)
            << c.name;
    }
}

TEST(Validation, TidyAndOurChecksTogetherInTextOrder)
{
    const std::string page = "<!DOCTYPE html>\n<HTML><HEAD><TITLE>t</TITLE></HEAD><BODY>\n"
                             "<IMG SRC=\"a.gif\">\n<TABLE><TR><TD>x\n</BODY></HTML>\n";
    FileLookup files;
    const Validation validation = ValidatePage(page, {}, files);
    std::vector<std::string> lines;
    for (const Finding &finding : validation.findings)
        lines.push_back(FormatFinding("p.htm", finding));
    const std::vector<std::string> expected = {
        "p.htm:3:2: warning: IMG without ALT: give a text alternative (ALT=\"\" for decoration)",
        "p.htm:4:1: warning: missing </table>"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(validation.total, 2u);
}

TEST(Validation, ThousandsOfProblemsKeepTheFirstThousandAndTheirCount)
{
    std::string page = "<!DOCTYPE html><TITLE>t</TITLE>";
    for (int i = 0; i < 3000; ++i)
        page += "<IMG SRC=\"a.gif\"></B>\n";
    FileLookup files;
    const Validation validation = ValidatePage(page, {}, files);
    EXPECT_EQ(validation.findings.size(), kShownFindings);
    EXPECT_GE(validation.total, 6000u);
    EXPECT_TRUE(
        std::is_sorted(validation.findings.begin(), validation.findings.end(),
                       [](const Finding &a, const Finding &b) { return a.offset < b.offset; }));
}

TEST(Validation, ABigPageGetsOurChecksOnlyWithEveryErrorCounted)
{
    // Past the validator's size: a warning at the top says so, the first thousand of our
    // findings are kept, and the counts cover all of them, the error at the very end too.
    std::string page = "x" + std::string(kTidiedBytes, ' ');
    for (int i = 0; i < 3000; ++i)
        page += "<IMG SRC=\"a.gif\">";
    page += "<A HREF=\"#nowhere\">x</A>";
    FileLookup files;
    const Validation validation = ValidatePage(page, {}, files);
    ASSERT_EQ(validation.findings.size(), kShownFindings);
    EXPECT_EQ(validation.findings.front().offset, 0u);
    EXPECT_NE(validation.findings.front().message.find("too big"), std::string::npos);
    EXPECT_EQ(validation.findings.back().offset, kTidiedBytes + 1 + 998 * 17 + 1); // its name
    EXPECT_EQ(validation.total, 3002u);
    EXPECT_EQ(validation.errors, 1u);
}

TEST(Validation, BinaryJunkGivesFindingsInsideTheText)
{
    std::string junk;
    for (int i = 0; i < 20000; ++i)
        junk.push_back(static_cast<char>((i * 7919) % 256));
    FileLookup files;
    const Validation validation = ValidatePage(junk, {}, files);
    for (const Finding &finding : validation.findings)
        EXPECT_LE(finding.offset + finding.length, junk.size());
}

namespace {

std::string ReadPage(const std::string &name)
{
    std::ifstream file(std::string(TARNEL_TEST_DATA) + "/pages/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

// Tidy's findings as its command line gives them, in the page's dialect; its advice on
// writing only when asked for.
TEST(Validation, TidyProblemsByDialectAndAdviceOnlyWhenAsked)
{
    struct Case
    {
        const char *page;
        std::vector<std::string> problems, advice;
    };
    const Case cases[] = {
        {"oldmanual.htm",
         {},
         {"5:1: warning: <table> lacks \"summary\" attribute",
          "6:47: warning: trimming empty <span>"}},
        {"modern.htm",
         {"4:8: warning: <tt> element removed from HTML5",
          "4:23: warning: <font> element removed from HTML5",
          "6:4: warning: <img> attribute \"align\" not allowed for HTML5",
          "7:1: warning: <center> element removed from HTML5"},
         {"4:52: warning: trimming empty <span>"}},
    };
    for (const Case &c : cases) {
        const std::string text = ReadPage(c.page);
        for (const bool withAdvice : {false, true}) {
            CheckContext context;
            context.withAdvice = withAdvice;
            FileLookup files;
            const Validation validation = ValidatePage(text, context, files);
            std::vector<std::string> lines;
            for (const Finding &finding : validation.findings) {
                EXPECT_EQ(finding.advice, std::find(c.advice.begin(), c.advice.end(),
                                                    FormatFinding({}, finding)) != c.advice.end());
                lines.push_back(FormatFinding({}, finding));
            }
            std::vector<std::string> expected = c.problems;
            if (withAdvice)
                expected.insert(expected.end(), c.advice.begin(), c.advice.end());
            std::sort(lines.begin(), lines.end());
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(lines, expected) << c.page << (withAdvice ? " with advice" : "");
            EXPECT_EQ(validation.total, expected.size()) << c.page;
        }
    }
}

TEST(Validation, AdviceIsWhatABrowserAndAReaderNeverMeet)
{
    const std::pair<TidyReport, bool> cases[] = {
        {{TidyLevel::Warning, 1, 1, "MISSING_ATTRIBUTE", "<table> lacks \"summary\" attribute"},
         true},
        {{TidyLevel::Warning, 1, 1, "MISSING_ATTRIBUTE", "<script> lacks \"type\" attribute"},
         true},
        {{TidyLevel::Warning, 1, 1, "MISSING_ATTRIBUTE", "<img> lacks \"src\" attribute"}, false},
        {{TidyLevel::Warning, 1, 1, "TRIM_EMPTY_ELEMENT", "trimming empty <span>"}, true},
        {{TidyLevel::Warning, 1, 1, "INSERTING_TAG", "inserting implicit <body>"}, true},
        {{TidyLevel::Warning, 1, 1, "XML_DECLARATION_DETECTED", "An XML declaration was detected."},
         true},
        {{TidyLevel::Warning, 1, 1, "REMOVED_HTML5", "<tt> element removed from HTML5"}, false},
        {{TidyLevel::Warning, 1, 1, "MISSING_ENDTAG_FOR", "missing </table>"}, false},
    };
    for (const auto &[report, advice] : cases)
        EXPECT_EQ(IsTidyAdvice(report), advice) << report.message;
}
