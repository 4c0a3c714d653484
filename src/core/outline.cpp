#include "outline.h"

#include <utility>

namespace tarnel {

namespace {

std::size_t Slot(OutlineCategory category)
{
    return static_cast<std::size_t>(category);
}

Hint ClearHintFor(OutlineCategory category)
{
    switch (category) {
    case OutlineCategory::Applets:
        return HintClearApplets;
    case OutlineCategory::Hyperlinks:
        return HintClearLinks;
    case OutlineCategory::Images:
        break;
    }
    return HintClearImages;
}

Hint AddHintFor(OutlineCategory category)
{
    switch (category) {
    case OutlineCategory::Applets:
        return HintAddApplet;
    case OutlineCategory::Hyperlinks:
        return HintAddLink;
    case OutlineCategory::Images:
        break;
    }
    return HintAddImage;
}

} // namespace

std::string_view OutlineCategoryLabel(OutlineCategory category)
{
    switch (category) {
    case OutlineCategory::Applets:
        return "Applets";
    case OutlineCategory::Hyperlinks:
        return "Hyperlinks";
    case OutlineCategory::Images:
        break;
    }
    return "Images";
}

Hint EditHintFor(OutlineCategory category)
{
    switch (category) {
    case OutlineCategory::Applets:
        return HintEditApplet;
    case OutlineCategory::Hyperlinks:
        return HintEditLink;
    case OutlineCategory::Images:
        break;
    }
    return HintEditImage;
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

void RescanOutline(std::string_view text, const OutlineState &shown, bool resendAll,
                   const OutlineSink &sink)
{
    std::array<OutlineDigest, 3> found;
    ScanElements(text, [&found](OutlineCategory category, const ElementRecord &record) {
        found[Slot(category)].Add(record);
    });
    for (const OutlineCategory category :
         {OutlineCategory::Images, OutlineCategory::Applets, OutlineCategory::Hyperlinks}) {
        const OutlineDigest &digest = found[Slot(category)];
        if (!resendAll && digest == shown.Digest(category))
            continue;
        sink(ClearHintFor(category), nullptr);
        if (digest.Count() == 0)
            continue;
        const Hint add = AddHintFor(category);
        ScanElements(text, [&](OutlineCategory listed, const ElementRecord &record) {
            if (listed == category)
                sink(add, &record);
        });
    }
}

} // namespace tarnel
