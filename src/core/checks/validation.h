#pragma once

#include "pagecheck.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// One diagnostic as the validator (libtidy) reports it: a line and a column counted in
// characters, both 1-based (0 for the document as a whole), its message key and text.
enum class TidyLevel { Info, Warning, Error, Other };
struct TidyReport
{
    TidyLevel level = TidyLevel::Other;
    int line = 0;
    int column = 0;
    std::string key;
    std::string message;
};

// Runs the validator over the text in its own dialect (it follows the DOCTYPE) and returns
// its diagnostics only, at most `keep` of them; `reported` gets how many there were and
// `advice` how many of those not kept are advice (IsTidyAdvice). The
// validator's own output is never made: the text is only read.
std::vector<TidyReport> RunTidy(std::string_view text, bool utf8, std::size_t keep,
                                std::size_t *reported = nullptr, std::size_t *advice = nullptr);

// Whether a report is tidy's advice on writing (a SUMMARY for a table, an empty SPAN it would
// trim, a tag it infers as a browser does) rather than a problem; shown only when asked for.
bool IsTidyAdvice(const TidyReport &report);

// The finding a report means in `text`: the offset of its line and character column (bytes
// of a UTF-8 character counted as one), the tag there as its length. nullopt for what is no
// finding (information, the validator's own dialogue) and for what our own checks report
// better (a missing ALT, an ID given twice).
std::optional<Finding> FindingFromTidy(const TidyReport &report, std::string_view text,
                                       const LineIndex &lines, bool utf8);

// Everything that is checked: the validator's findings and ours, in text order, the first
// `limit` of them and how many there were in all.
struct Validation
{
    std::vector<Finding> findings;
    std::size_t total = 0;
    std::size_t errors = 0; // among those found, whether shown or not
};
inline constexpr std::size_t kShownFindings = 1000;
// libtidy holds a page's whole tree, several times its size, and takes seconds on a big
// page: past this size only our own checks run, and a warning on the first byte says so.
inline constexpr std::size_t kTidiedBytes = 8 << 20;
Validation ValidatePage(std::string_view text, const CheckContext &context, FileLookup &files,
                        std::size_t limit = kShownFindings);

} // namespace tarnel
