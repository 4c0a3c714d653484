#include "sequencediff.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace tarnel {
inline void PrintTo(const SequenceChange &c, std::ostream *out)
{
    *out << "{old " << c.oldStart << " -" << c.removed << ", new " << c.newStart << " +"
         << c.inserted << "}";
}
} // namespace tarnel

using namespace tarnel;

namespace {

std::vector<SequenceChange> Diff(const std::vector<std::string> &before,
                                 const std::vector<std::string> &after, std::size_t maxEdits = 512)
{
    return DiffSequences(
        before.size(), after.size(),
        [&](std::size_t i, std::size_t j) { return before[i] == after[j]; }, maxEdits);
}

} // namespace

TEST(SequenceDiff, OnlyEntriesThatAppearedOrDisappearedChange)
{
    struct Case
    {
        const char *name;
        std::vector<std::string> before;
        std::vector<std::string> after;
        std::vector<SequenceChange> changes;
    };
    const Case cases[] = {
        {"entries that only moved are the same entries", {"a", "b", "c"}, {"a", "b", "c"}, {}},
        {"one added in the middle", {"a", "b", "c"}, {"a", "x", "b", "c"}, {{1, 0, 1, 1}}},
        {"one removed", {"a", "b", "c"}, {"a", "c"}, {{1, 1, 1, 0}}},
        {"all changed", {"a", "b"}, {"x", "y", "z"}, {{0, 2, 0, 3}}},
        {"a value replaced", {"a", "b", "c"}, {"a", "B", "c"}, {{1, 1, 1, 1}}},
        {"one of two equal neighbours removed", {"a", "a", "b"}, {"a", "b"}, {{1, 1, 1, 0}}},
        {"changes far apart stay apart",
         {"a", "b", "c", "d", "e"},
         {"x", "b", "c", "e", "f"},
         {{0, 1, 0, 1}, {3, 1, 3, 0}, {5, 0, 4, 1}}},
        {"from nothing", {}, {"a", "b"}, {{0, 0, 0, 2}}},
        {"to nothing", {"a", "b"}, {}, {{0, 2, 0, 0}}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Diff(c.before, c.after), c.changes) << c.name;
}

TEST(SequenceDiff, TooManyEditsReplaceTheDifferingMiddleWhole)
{
    // Two edits are found; past the limit the middle between the common ends goes whole.
    const std::vector<std::string> before = {"a", "b", "c", "d", "e"};
    const std::vector<std::string> after = {"a", "x", "c", "y", "e"};
    EXPECT_EQ(Diff(before, after, 4), (std::vector<SequenceChange>{{1, 1, 1, 1}, {3, 1, 3, 1}}));
    EXPECT_EQ(Diff(before, after, 3), (std::vector<SequenceChange>{{1, 3, 1, 3}}));
}
