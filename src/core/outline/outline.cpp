#include "outline.h"

#include <algorithm>
#include <utility>

namespace tarnel {

namespace {

std::size_t Slot(OutlineCategory category)
{
    return static_cast<std::size_t>(category);
}

struct CategoryHints
{
    std::string_view label;
    Hint add, clear, edit;
};

// Indexed by category. Headings, scripts and styles have no form: a double click goes to the
// element.
constexpr std::array<CategoryHints, OutlineCategories.size()> kCategories = {{
    {"Applets", HintAddApplet, HintClearApplets, HintEditApplet},
    {"Hyperlinks", HintAddLink, HintClearLinks, HintEditLink},
    {"Images", HintAddImage, HintClearImages, HintEditImage},
    {"Media", HintAddMedia, HintClearMedia, HintEditMedia},
    {"Headings", HintAddHeading, HintClearHeadings, HintNone},
    {"Scripts & Styles", HintAddScriptOrStyle, HintClearScriptsAndStyles, HintNone},
}};

} // namespace

std::string_view OutlineCategoryLabel(OutlineCategory category)
{
    return kCategories[Slot(category)].label;
}

Hint EditHintFor(OutlineCategory category)
{
    return kCategories[Slot(category)].edit;
}

Hint AddHintFor(OutlineCategory category)
{
    return kCategories[Slot(category)].add;
}

Hint ClearHintFor(OutlineCategory category)
{
    return kCategories[Slot(category)].clear;
}

namespace {

// The splitmix64 finaliser: every input bit reaches every output bit.
std::uint64_t Mix(std::uint64_t x)
{
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    x ^= x >> 31;
    return x;
}

} // namespace

void OutlineDigest::Add(const ElementRecord &record)
{
    // Two lanes with different arithmetic, so that entries colliding in one lane are told
    // apart by the other. Value length and index go in too: "ab" + "c" never digests as
    // "a" + "bc".
    std::uint64_t first = 0xcbf29ce484222325ULL ^ record.value.size();
    std::uint64_t second = 0x9e3779b97f4a7c15ULL + record.value.size();
    for (const unsigned char c : record.value) {
        first = (first ^ c) * 0x100000001b3ULL;
        second = Mix(second + c);
    }
    first = Mix(first ^ Mix(record.index + 0x632be59bd9b4e019ULL));
    second = Mix(second + Mix(record.index ^ 0x5851f42d4c957f2dULL));
    ++m_count;
    m_end = std::max(m_end, record.index + 1);
    // Order matters: each entry folds into the digest of those before it.
    m_first = Mix(m_first + first + m_count);
    m_second = Mix((m_second ^ second) * 0xd6e8feb86659fd93ULL + m_count);
}

bool OutlineState::Apply(int hint, const ElementRecord *record)
{
    for (const OutlineCategory category : OutlineCategories) {
        if (hint == AddHintFor(category)) {
            if (!record)
                return false;
            m_digests[Slot(category)].Add(*record);
            return true;
        }
        if (hint == ClearHintFor(category)) {
            m_digests[Slot(category)] = OutlineDigest();
            return true;
        }
    }
    return false;
}

const OutlineDigest &OutlineState::Digest(OutlineCategory category) const
{
    return m_digests[Slot(category)];
}

bool OutlineState::UnchangedByEditAt(std::size_t position) const
{
    if (Digest(OutlineCategory::Headings).Count() != 0)
        return false;
    return std::all_of(m_digests.begin(), m_digests.end(), [position](const OutlineDigest &digest) {
        return digest.End() <= position;
    });
}

void RescanOutline(std::string_view text, const OutlineState &shown, bool resendAll,
                   const OutlineSink &sink)
{
    std::array<bool, OutlineCategories.size()> resend{};
    bool entriesToSend = resendAll;
    if (resendAll) {
        resend.fill(true);
    } else {
        std::array<OutlineDigest, OutlineCategories.size()> found;
        ScanElements(text, [&found](OutlineCategory category, const ElementRecord &record) {
            found[Slot(category)].Add(record);
        });
        for (const OutlineCategory category : OutlineCategories) {
            const OutlineDigest &digest = found[Slot(category)];
            resend[Slot(category)] = !(digest == shown.Digest(category));
            entriesToSend = entriesToSend || (resend[Slot(category)] && digest.Count() != 0);
        }
    }
    for (const OutlineCategory category :
         {OutlineCategory::Images, OutlineCategory::Applets, OutlineCategory::Hyperlinks,
          OutlineCategory::Media, OutlineCategory::Headings, OutlineCategory::ScriptsAndStyles})
        if (resend[Slot(category)])
            sink(ClearHintFor(category), nullptr);
    if (!entriesToSend)
        return;
    // One more reading lists the entries of every category sent again.
    ScanElements(text, [&](OutlineCategory category, const ElementRecord &record) {
        if (resend[Slot(category)])
            sink(AddHintFor(category), &record);
    });
}

} // namespace tarnel
