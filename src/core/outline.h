#pragma once
#include "elementrecord.h"
#include "scanner.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace tarnel {

// The outline's categories in the order the tree shows them under its root.
enum class OutlineCategory { Applets = 0, Hyperlinks = 1, Images = 2 };

inline constexpr std::array<OutlineCategory, 3> OutlineCategories = {
    OutlineCategory::Applets, OutlineCategory::Hyperlinks, OutlineCategory::Images};

inline constexpr std::string_view OutlineRootLabel = "Web Page";
std::string_view OutlineCategoryLabel(OutlineCategory category);

// The hint a double click on an entry of `category` sends: 8, 7 or 6.
Hint EditHintFor(OutlineCategory category);

// What the outline shows: per category its entries (label and recorded index) in tree order.
// The tree widget mirrors it; the source view keeps one too, to know what the outline was
// last told.
class OutlineModel
{
public:
    // Adds (hints 3, 4, 5) or empties (11, 12, 13) a category. Returns false, changing
    // nothing, for any other hint or an add hint without a record.
    bool Apply(int hint, const ElementRecord *record);

    const std::vector<ElementRecord> &Entries(OutlineCategory category) const;
    void SetEntries(OutlineCategory category, std::vector<ElementRecord> entries);

    // The record a double click on row `row` of `category` sends; nullopt past the end.
    std::optional<ElementRecord> Entry(OutlineCategory category, std::size_t row) const;

private:
    std::array<std::vector<ElementRecord>, 3> m_entries;
};

// One category whose entries differ from a fresh scan, with the entries it should show.
struct OutlineChange
{
    OutlineCategory category;
    std::vector<ElementRecord> entries;
};

// Empty when the scan finds exactly what the outline shows, so the tree can stay untouched
// (expansion, selection and scroll position kept). Changes are ordered images, applets,
// links: the order in which a rescan tells the outline.
struct OutlineDiff
{
    std::vector<OutlineChange> changes;

    bool Changed() const { return !changes.empty(); }
};

// Takes the entries of changed categories out of `scan`; unchanged lists stay in it, so a
// caller that keeps `scan` between rescans reuses their memory.
OutlineDiff DiffOutline(const OutlineModel &current, PageElements &scan);

// One notification to send through the document: a clear hint (no record) or an add hint.
struct OutlineNotification
{
    Hint hint;
    std::optional<ElementRecord> record;

    bool operator==(const OutlineNotification &) const = default;
};

// The notifications that bring an outline showing `current` to the diff's state: for each
// changed category its clear hint, then one add hint per entry. Nothing for unchanged ones.
std::vector<OutlineNotification> NotificationsFor(const OutlineDiff &diff);

} // namespace tarnel
