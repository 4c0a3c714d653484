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

bool OutlineModel::Apply(int hint, const ElementRecord *record)
{
    for (const OutlineCategory category : OutlineCategories) {
        if (hint == AddHintFor(category)) {
            if (!record)
                return false;
            m_entries[Slot(category)].push_back(*record);
            return true;
        }
        if (hint == ClearHintFor(category)) {
            m_entries[Slot(category)].clear();
            return true;
        }
    }
    return false;
}

const std::vector<ElementRecord> &OutlineModel::Entries(OutlineCategory category) const
{
    return m_entries[Slot(category)];
}

void OutlineModel::SetEntries(OutlineCategory category, std::vector<ElementRecord> entries)
{
    m_entries[Slot(category)] = std::move(entries);
}

std::optional<ElementRecord> OutlineModel::Entry(OutlineCategory category, std::size_t row) const
{
    const auto &entries = m_entries[Slot(category)];
    if (row >= entries.size())
        return std::nullopt;
    return entries[row];
}

OutlineDiff DiffOutline(const OutlineModel &current, PageElements &scan)
{
    OutlineDiff diff;
    const std::pair<OutlineCategory, std::vector<ElementRecord> *> scanned[] = {
        {OutlineCategory::Images, &scan.images},
        {OutlineCategory::Applets, &scan.applets},
        {OutlineCategory::Hyperlinks, &scan.links},
    };
    for (const auto &[category, entries] : scanned) {
        if (current.Entries(category) != *entries)
            diff.changes.push_back(OutlineChange{category, std::move(*entries)});
    }
    return diff;
}

std::vector<OutlineNotification> NotificationsFor(const OutlineDiff &diff)
{
    std::vector<OutlineNotification> notifications;
    for (const auto &change : diff.changes) {
        notifications.push_back(OutlineNotification{ClearHintFor(change.category), std::nullopt});
        for (const auto &entry : change.entries)
            notifications.push_back(OutlineNotification{AddHintFor(change.category), entry});
    }
    return notifications;
}

} // namespace tarnel
