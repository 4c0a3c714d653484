#pragma once
#include "elementrecord.h"
#include "scanner.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace tarnel {

inline constexpr std::string_view OutlineRootLabel = "Web Page";
std::string_view OutlineCategoryLabel(OutlineCategory category);

// The hint a double click on an entry of `category` sends: 8, 7 or 6; HintNone for a
// category whose entries have no form (the click goes to the element).
Hint EditHintFor(OutlineCategory category);
// The hints that add an entry to a category and that empty it.
Hint AddHintFor(OutlineCategory category);
Hint ClearHintFor(OutlineCategory category);

// What the outline was last told about one category, in a few bytes however many entries it
// has: their number and two independent 64-bit digests of them in order. A rescan compares
// digests instead of keeping a copy of every entry, which on a page with millions of links
// would cost more than the page itself.
class OutlineDigest
{
public:
    void Add(const ElementRecord &record);
    std::size_t Count() const { return m_count; }
    // One past the greatest index added: where the entries end in the text.
    std::size_t End() const { return m_end; }
    bool operator==(const OutlineDigest &) const = default;

private:
    std::uint64_t m_first = 0;
    std::uint64_t m_second = 0;
    std::size_t m_count = 0;
    std::size_t m_end = 0;
};

// What the outlines were last told, per category.
class OutlineState
{
public:
    // Adds (hints 3, 4, 5, 31, 32, 33) or empties (11, 12, 13, 34, 35, 36) a category. Returns
    // false, changing nothing, for any other hint or an add hint without a record.
    bool Apply(int hint, const ElementRecord *record);
    const OutlineDigest &Digest(OutlineCategory category) const;
    // Whether an edit at `position` that leaves every tag alone (LeavesTagsAlone) leaves
    // these entries as they are: it could only move the entries after it, or change a
    // heading's text, so with neither there is nothing to read the page again for.
    bool UnchangedByEditAt(std::size_t position) const;

private:
    std::array<OutlineDigest, OutlineCategories.size()> m_digests;
};

// One notification to send through the document: a clear hint (no record) or an add hint.
struct OutlineNotification
{
    Hint hint;
    std::optional<ElementRecord> record;

    bool operator==(const OutlineNotification &) const = default;
};

using OutlineSink = std::function<void(Hint hint, const ElementRecord *record)>;

// Tells `sink` what brings outlines showing `shown` to what `text` lists: the clear hint of
// each category whose entries differ (with `resendAll`, of every category), in the order
// images, applets, links, media, headings, scripts and styles, then one add hint per entry of
// those categories, in text order. Nothing at all when the page lists exactly what the
// outline shows, so the tree stays untouched (expansion, selection and scroll position kept).
// The text is read at most twice (once with `resendAll`); no list of the page's entries is
// kept.
void RescanOutline(std::string_view text, const OutlineState &shown, bool resendAll,
                   const OutlineSink &sink);

} // namespace tarnel
