#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace tarnel {

// One place where two sequences differ: the old sequence's entries [oldStart, oldStart +
// removed) stand where the new one has [newStart, newStart + inserted).
struct SequenceChange
{
    std::size_t oldStart = 0;
    std::size_t removed = 0;
    std::size_t newStart = 0;
    std::size_t inserted = 0;

    bool operator==(const SequenceChange &) const = default;
};

// Whether old entry `i` and new entry `j` are the same entry.
using SameEntry = std::function<bool(std::size_t i, std::size_t j)>;

// The fewest removals and insertions that turn a sequence of `oldSize` entries into one of
// `newSize`, grouped into changes in order; every entry outside them is kept, in order.
// Equal sequences give no change. When the two differ in more than `maxEdits` entries after
// their common start and end, that whole differing middle is one change: finding the fewest
// edits there would cost time and memory growing with the square of their number.
std::vector<SequenceChange> DiffSequences(std::size_t oldSize, std::size_t newSize,
                                          const SameEntry &same, std::size_t maxEdits = 512);

} // namespace tarnel
