#include "validation.h"

#include "scanner.h"
#include "usertext.h"

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace tarnel {

namespace {

constexpr const char *kTooBig =
    USER_TEXT("The page is too big for the HTML check (over 8 MB): only its links, pictures' "
              "ALT texts and IDs were checked.");

TidyLevel LevelOf(TidyReportLevel level)
{
    switch (level) {
    case TidyInfo:
        return TidyLevel::Info;
    case TidyWarning:
    case TidyAccess:
        return TidyLevel::Warning;
    case TidyError:
    case TidyBadDocument:
    case TidyFatal:
        return TidyLevel::Error;
    default:
        return TidyLevel::Other;
    }
}

struct Collector
{
    std::vector<TidyReport> reports;
    std::size_t keep = 0;
    std::size_t reported = 0;
    std::size_t advice = 0; // among the reported ones not kept
};

Bool TIDY_CALL Collect(TidyMessage message)
{
    auto *collector = static_cast<Collector *>(tidyGetAppData(tidyGetMessageDoc(message)));
    const TidyLevel level = LevelOf(tidyGetMessageLevel(message));
    if (level != TidyLevel::Warning && level != TidyLevel::Error)
        return no;
    ++collector->reported;
    const char *key = tidyGetMessageKey(message);
    const char *text = tidyGetMessage(message);
    TidyReport report{level, tidyGetMessageLine(message), tidyGetMessageColumn(message),
                      key ? key : "", text ? text : ""};
    if (collector->reports.size() < collector->keep)
        collector->reports.push_back(std::move(report));
    else
        collector->advice += IsTidyAdvice(report);
    return no; // nothing goes to tidy's own error output
}

struct TidyDocDeleter
{
    void operator()(TidyDoc doc) const { tidyRelease(doc); }
};
using TidyDocHandle = std::unique_ptr<std::remove_pointer_t<TidyDoc>, TidyDocDeleter>;

// What our own checks say better, with the element's position and our wording.
bool CoveredByOurChecks(const TidyReport &report)
{
    if (report.key == "ANCHOR_NOT_UNIQUE")
        return true;
    return report.key == "MISSING_ATTRIBUTE" && report.message.ends_with("\"alt\" attribute");
}

std::size_t AdvanceCharacters(std::string_view text, std::size_t from, std::size_t end,
                              std::size_t count, bool utf8)
{
    if (!utf8)
        return std::min(from + count, end);
    std::size_t at = from;
    while (at < end && count > 0) {
        ++at;
        while (at < end && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
            ++at;
        --count;
    }
    return at;
}

} // namespace

bool IsTidyAdvice(const TidyReport &report)
{
    // Notes on how the page could be written, not faults a browser or a reader meets: the
    // tags a browser infers, empty inline elements, attributes only older checkers asked for,
    // and tidy's word on its own options (an XML declaration: "did you mean input-xml?").
    static constexpr std::string_view AdviceKeys[] = {
        "TRIM_EMPTY_ELEMENT",    "INSERTING_TAG",        "INSERTING_AUTO_ATTRIBUTE",
        "NESTED_EMPHASIS",       "NESTED_QUOTATION",     "MOVED_STYLE_TO_HEAD",
        "FOUND_STYLE_IN_BODY",   "ATTR_VALUE_NOT_LCASE", "MISSING_ENDTAG_OPTIONAL",
        "ADDED_MISSING_CHARSET", "CUSTOM_TAG_DETECTED",  "USING_BR_INPLACE_OF",
        "REPLACING_ELEMENT",     "ELEMENT_NOT_EMPTY",    "XML_DECLARATION_DETECTED",
    };
    if (std::find(std::begin(AdviceKeys), std::end(AdviceKeys), report.key) != std::end(AdviceKeys))
        return true;
    if (report.key == "MISSING_ATTRIBUTE")
        return report.message.ends_with("\"summary\" attribute") ||
               report.message.ends_with("\"type\" attribute");
    return false;
}

std::vector<TidyReport> RunTidy(std::string_view text, bool utf8, std::size_t keep,
                                std::size_t *reported, std::size_t *advice)
{
    Collector collector;
    collector.keep = keep;
    const TidyDocHandle doc(tidyCreate());
    tidySetAppData(doc.get(), &collector);
    tidyOptSetBool(doc.get(), TidyShowWarnings, yes);
    tidyOptSetBool(doc.get(), TidyQuiet, yes);
    tidyOptSetBool(doc.get(), TidyShowInfo, no);
    // A tab is one character, so that columns count characters as the editor does.
    tidyOptSetInt(doc.get(), TidyTabSize, 1);
    tidyOptSetInt(doc.get(), TidyShowErrors, INT_MAX);
    tidySetInCharEncoding(doc.get(), utf8 ? "utf8" : "latin1");
    tidySetMessageCallback(doc.get(), Collect);
    TidyBuffer input;
    tidyBufInit(&input);
    // Tidy reads the buffer and never writes it; attaching saves a copy of a large page.
    tidyBufAttach(&input, reinterpret_cast<byte *>(const_cast<char *>(text.data())),
                  static_cast<uint>(std::min<std::size_t>(text.size(), UINT_MAX)));
    // As tidy's command line does: its HTML5 and version findings come from the repair pass
    // and the diagnostics after it. The repaired tree is thrown away with the document.
    if (tidyParseBuffer(doc.get(), &input) >= 0 && tidyCleanAndRepair(doc.get()) >= 0)
        tidyRunDiagnostics(doc.get());
    tidyBufDetach(&input);
    if (reported)
        *reported = collector.reported;
    if (advice)
        *advice = collector.advice;
    return std::move(collector.reports);
}

std::optional<Finding> FindingFromTidy(const TidyReport &report, std::string_view text,
                                       const LineIndex &lines, bool utf8)
{
    if (report.level != TidyLevel::Warning && report.level != TidyLevel::Error)
        return std::nullopt;
    if (CoveredByOurChecks(report))
        return std::nullopt;
    std::size_t offset = 0;
    std::size_t length = 1;
    if (report.line > 0) {
        const auto line = static_cast<std::size_t>(report.line);
        const std::size_t start = lines.LineStart(line);
        const std::size_t end = lines.LineEnd(line);
        const std::size_t column = report.column > 0 ? static_cast<std::size_t>(report.column) : 1;
        offset = AdvanceCharacters(text, start, end, column - 1, utf8);
        if (offset < text.size() && text[offset] == '<') {
            const std::size_t tagEnd = TagEnd(text, offset);
            length = tagEnd == NoTagEnd ? 1 : std::min(tagEnd, std::max(end, offset + 1)) - offset;
        }
    }
    if (offset >= text.size())
        length = 0;
    Finding finding{report.level == TidyLevel::Error ? Severity::Error : Severity::Warning,
                    offset,
                    1,
                    1,
                    length,
                    report.message,
                    IsTidyAdvice(report)};
    std::tie(finding.line, finding.column) = lines.LineColumnOf(offset);
    return finding;
}

Validation ValidatePage(std::string_view text, const CheckContext &context, FileLookup &files,
                        std::size_t limit)
{
    Validation validation;
    FindingCounts ours;
    validation.findings = CheckPage(text, context, files, limit, &ours);
    // A page tidy finds thousands of faults in keeps this many, enough to fill the list;
    // the count covers them all.
    const std::size_t keep = std::max<std::size_t>(limit * 4, 4000);
    std::size_t reported = 0;
    std::size_t adviceNotKept = 0;
    std::vector<TidyReport> reports;
    const bool tooBig = text.size() > kTidiedBytes;
    if (tooBig) {
        validation.findings.push_back({.severity = Severity::Warning,
                                       .length = std::min<std::size_t>(text.size(), 1),
                                       .message = std::string(kTooBig),
                                       .text = kTooBig});
    } else {
        reports = RunTidy(text, context.utf8, keep, &reported, &adviceNotKept);
    }
    const LineIndex lines(text);
    validation.total = ours.found + (tooBig ? 1 : 0) + (reported - reports.size()) -
                       (context.withAdvice ? 0 : adviceNotKept);
    validation.errors = ours.errors;
    for (const TidyReport &report : reports) {
        auto finding = FindingFromTidy(report, text, lines, context.utf8);
        if (finding && (context.withAdvice || !finding->advice)) {
            ++validation.total;
            validation.errors += finding->severity == Severity::Error;
            validation.findings.push_back(std::move(*finding));
        }
    }
    std::stable_sort(validation.findings.begin(), validation.findings.end(),
                     [](const Finding &a, const Finding &b) { return a.offset < b.offset; });
    if (validation.findings.size() > limit)
        validation.findings.resize(limit);
    return validation;
}

} // namespace tarnel
