#include "sequencediff.h"

#include <algorithm>
#include <optional>

namespace tarnel {

namespace {

struct Edit
{
    bool insert; // else a removal
    std::size_t oldAt;
    std::size_t newAt;
};

// Comparisons the search may spend before it settles for one change over the whole middle:
// a few tens of milliseconds.
constexpr std::size_t kWorkBudget = std::size_t(1) << 23;

// Myers' greedy search for a shortest edit script between old [0, n) and new [0, m), or
// nothing when it needs more than `maxEdits` edits or more than the work budget. Keeps the
// search frontier of every step to walk back along the path found.
std::optional<std::vector<Edit>> ShortestEdits(long n, long m, const SameEntry &same, long maxEdits)
{
    const long limit = std::min(n + m, maxEdits);
    const long offset = limit + 1;
    std::vector<long> furthest(std::size_t(2 * limit + 3), 0); // by diagonal k = x - y
    std::vector<std::vector<long>> frontiers;
    std::size_t work = 0;
    auto at = [&](long k) -> long & { return furthest[std::size_t(offset + k)]; };
    for (long d = 0; d <= limit; ++d) {
        frontiers.emplace_back(furthest.begin() + (offset - d),
                               furthest.begin() + (offset + d + 1));
        for (long k = -d; k <= d; k += 2) {
            const bool down = k == -d || (k != d && at(k - 1) < at(k + 1));
            long x = down ? at(k + 1) : at(k - 1) + 1;
            long y = x - k;
            while (x < n && y < m && same(std::size_t(x), std::size_t(y))) {
                ++x;
                ++y;
            }
            work += std::size_t(x - (down ? at(k + 1) : at(k - 1))) + 1;
            at(k) = x;
            if (x < n || y < m)
                continue;
            std::vector<Edit> edits;
            for (long step = d; step > 0; --step) {
                const std::vector<long> &before = frontiers[std::size_t(step)];
                auto was = [&](long diagonal) { return before[std::size_t(diagonal + step)]; };
                const long diagonal = x - y;
                const bool inserted = diagonal == -step ||
                                      (diagonal != step && was(diagonal - 1) < was(diagonal + 1));
                const long fromDiagonal = inserted ? diagonal + 1 : diagonal - 1;
                x = was(fromDiagonal);
                y = x - fromDiagonal;
                edits.push_back({inserted, std::size_t(x), std::size_t(y)});
            }
            std::reverse(edits.begin(), edits.end());
            return edits;
        }
        if (work > kWorkBudget)
            return std::nullopt;
    }
    return std::nullopt;
}

// Adds one edit, extending the last change when the edit follows on from it.
void AddEdit(std::vector<SequenceChange> &changes, const Edit &edit)
{
    if (!changes.empty()) {
        SequenceChange &last = changes.back();
        if (last.oldStart + last.removed == edit.oldAt &&
            last.newStart + last.inserted == edit.newAt) {
            ++(edit.insert ? last.inserted : last.removed);
            return;
        }
    }
    changes.push_back({edit.oldAt, edit.insert ? 0u : 1u, edit.newAt, edit.insert ? 1u : 0u});
}

} // namespace

std::vector<SequenceChange> DiffSequences(std::size_t oldSize, std::size_t newSize,
                                          const SameEntry &same, std::size_t maxEdits)
{
    std::size_t start = 0;
    while (start < oldSize && start < newSize && same(start, start))
        ++start;
    std::size_t oldEnd = oldSize;
    std::size_t newEnd = newSize;
    while (oldEnd > start && newEnd > start && same(oldEnd - 1, newEnd - 1)) {
        --oldEnd;
        --newEnd;
    }
    if (oldEnd == start && newEnd == start)
        return {};
    const SequenceChange whole{start, oldEnd - start, start, newEnd - start};
    if (whole.removed == 0 || whole.inserted == 0)
        return {whole};
    const auto edits = ShortestEdits(
        long(whole.removed), long(whole.inserted),
        [&](std::size_t i, std::size_t j) { return same(start + i, start + j); },
        long(std::min<std::size_t>(maxEdits, whole.removed + whole.inserted)));
    if (!edits)
        return {whole};
    std::vector<SequenceChange> changes;
    for (Edit edit : *edits) {
        edit.oldAt += start;
        edit.newAt += start;
        AddEdit(changes, edit);
    }
    return changes;
}

} // namespace tarnel
