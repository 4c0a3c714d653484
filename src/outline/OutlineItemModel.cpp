#include "OutlineItemModel.h"

#include "sequencediff.h"

#include <QScopedValueRollback>

#include <limits>

using namespace tarnel;
using Category = COutlineItemModel::Category;

namespace {

// An index's internal id says which row it is: the page row, a category row, or an entry
// of a category.
constexpr quintptr kPageId = 0;
constexpr quintptr kCategoryIds = 1;                         // + category
constexpr quintptr kEntryIds = 1 + OutlineCategories.size(); // + category of the entry

Category categoryOfId(quintptr id, quintptr base)
{
    return static_cast<Category>(id - base);
}

QString categoryLabel(Category category)
{
    switch (category) {
    case Category::Applets:
        return COutlineItemModel::tr("Applets");
    case Category::Hyperlinks:
        return COutlineItemModel::tr("Hyperlinks");
    case Category::Media:
        return COutlineItemModel::tr("Media");
    case Category::Headings:
        return COutlineItemModel::tr("Headings");
    case Category::ScriptsAndStyles:
        return COutlineItemModel::tr("Scripts & Styles");
    case Category::Images:
        break;
    }
    return COutlineItemModel::tr("Images");
}

// A heading shows its text indented by its level, so the page's structure shows at a glance.
QString headingLabel(const QString &value)
{
    const int level = value.isEmpty() ? 1 : qBound(1, value.at(0).digitValue(), 6);
    return QString(2 * (level - 1), QLatin1Char(' ')) + QLatin1Char('H') + QString::number(level) +
           QLatin1Char(' ') + value.mid(1);
}

} // namespace

COutlineItemModel::COutlineItemModel(QObject *parent)
    : QAbstractItemModel(parent)
{}

void COutlineItemModel::addEntry(Category category, const ElementRecord &record)
{
    const std::size_t s = slot(category);
    if (m_refilling[s] && keptInPlace(s, record))
        return;
    CompactRecords &entries = m_refilling[s] ? m_refills[s] : m_entries[s];
    // Rows are ints; a page never holds that many elements, but never wrap.
    if (entries.Size() >= static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return;
    entries.Add(record);
    queuePublish();
}

bool COutlineItemModel::keptInPlace(std::size_t s, const ElementRecord &record)
{
    std::size_t &kept = m_kept[s];
    if (!m_refills[s].Empty() || kept >= std::size_t(m_shown[s]) ||
        !m_entries[s].SameValue(kept, record.value))
        return false;
    m_entries[s].SetIndex(kept++, record.index);
    return true;
}

void COutlineItemModel::clearCategory(Category category)
{
    m_refilling[slot(category)] = true;
    m_kept[slot(category)] = 0;
    m_refills[slot(category)].Clear();
    queuePublish();
}

void COutlineItemModel::queuePublish()
{
    if (!m_publishQueued) {
        m_publishQueued = true;
        QMetaObject::invokeMethod(this, &COutlineItemModel::publish, Qt::QueuedConnection);
    }
}

void COutlineItemModel::publish()
{
    m_publishQueued = false;
    // A view reading the model while rows change must not start another round.
    if (m_publishing)
        return;
    const QScopedValueRollback publishing(m_publishing, true);
    for (const Category category : OutlineCategories) {
        if (m_refilling[slot(category)]) {
            publishRefill(category);
            continue;
        }
        const int total = static_cast<int>(m_entries[slot(category)].Size());
        int &shown = m_shown[slot(category)];
        if (total == shown)
            continue;
        beginInsertRows(categoryIndex(category), shown, total - 1);
        shown = total;
        endInsertRows();
        m_entries[slot(category)].Trim();
    }
}

void COutlineItemModel::publishRefill(Category category)
{
    const std::size_t s = slot(category);
    m_refilling[s] = false;
    CompactRecords &entries = m_entries[s];
    const CompactRecords &refill = m_refills[s];
    const std::size_t kept = m_kept[s];
    const auto changes = DiffSequences(
        std::size_t(m_shown[s]) - kept, refill.Size(),
        [&](std::size_t i, std::size_t j) { return entries.SameValue(kept + i, refill, j); });
    const QModelIndex parent = categoryIndex(category);
    Splice &splice = m_splices[s].emplace(Splice{kept, kept});
    // Rows between two changes hold equal values in both lists, so each change's first row
    // in the refill is also its row in what the views show at that moment.
    for (const SequenceChange &change : changes) {
        const std::size_t newStart = kept + change.newStart;
        const std::size_t oldEnd = kept + change.oldStart + change.removed;
        const int row = int(newStart);
        if (change.removed) {
            beginRemoveRows(parent, row, row + int(change.removed) - 1);
            splice = {newStart, oldEnd};
            m_shown[s] -= int(change.removed);
            endRemoveRows();
        }
        if (change.inserted) {
            beginInsertRows(parent, row, row + int(change.inserted) - 1);
            splice = {newStart + change.inserted, oldEnd};
            m_shown[s] += int(change.inserted);
            endInsertRows();
        }
    }
    // The rest of the refill follows the entries kept in place. Entries that only moved
    // take their new positions without a signal: what the views show of them is unchanged.
    m_splices[s].reset();
    if (kept == 0) {
        std::swap(entries, m_refills[s]);
    } else {
        entries.Truncate(kept);
        for (std::size_t i = 0; i < refill.Size(); ++i)
            entries.Add(refill.Record(i));
    }
    entries.Trim();
    m_refills[s].Clear();
    m_refills[s].Trim();
    m_kept[s] = 0;
}

const CompactRecords &COutlineItemModel::storeOf(Category category, int row, std::size_t *at) const
{
    const std::size_t s = slot(category);
    const auto r = std::size_t(row);
    const std::optional<Splice> &splice = m_splices[s];
    if (splice && r < splice->newEnd && r >= m_kept[s]) {
        *at = r - m_kept[s];
        return m_refills[s];
    }
    *at = splice && r >= splice->newEnd ? r - splice->newEnd + splice->oldEnd : r;
    return m_entries[s];
}

QModelIndex COutlineItemModel::pageIndex() const
{
    return createIndex(0, 0, kPageId);
}

QModelIndex COutlineItemModel::categoryIndex(Category category) const
{
    return createIndex(static_cast<int>(category), 0, kCategoryIds + slot(category));
}

bool COutlineItemModel::entryAt(const QModelIndex &index, Category *category, int *row) const
{
    if (!index.isValid() || index.model() != this || index.internalId() < kEntryIds)
        return false;
    *category = categoryOfId(index.internalId(), kEntryIds);
    *row = index.row();
    return index.row() < m_shown[slot(*category)];
}

int COutlineItemModel::entryCount(Category category) const
{
    return m_shown[slot(category)];
}

ElementRecord COutlineItemModel::entry(Category category, int row) const
{
    std::size_t at = 0;
    return storeOf(category, row, &at).Record(at);
}

QModelIndex COutlineItemModel::index(int row, int column, const QModelIndex &parent) const
{
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row == 0 ? pageIndex() : QModelIndex();
    const quintptr id = parent.internalId();
    if (id == kPageId)
        return row < int(OutlineCategories.size()) ? categoryIndex(static_cast<Category>(row))
                                                   : QModelIndex();
    if (id < kEntryIds) {
        const Category category = categoryOfId(id, kCategoryIds);
        return row < m_shown[slot(category)] ? createIndex(row, 0, kEntryIds + slot(category))
                                             : QModelIndex();
    }
    return {};
}

QModelIndex COutlineItemModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == kPageId)
        return {};
    if (child.internalId() < kEntryIds)
        return pageIndex();
    return categoryIndex(categoryOfId(child.internalId(), kEntryIds));
}

int COutlineItemModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return 1;
    if (parent.column() != 0)
        return 0;
    const quintptr id = parent.internalId();
    if (id == kPageId)
        return int(OutlineCategories.size());
    if (id < kEntryIds)
        return m_shown[slot(categoryOfId(id, kCategoryIds))];
    return 0;
}

int COutlineItemModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant COutlineItemModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const quintptr id = index.internalId();
    if (id < kEntryIds) {
        if (role != Qt::DisplayRole)
            return {};
        return id == kPageId ? tr("Web Page") : categoryLabel(categoryOfId(id, kCategoryIds));
    }
    // Entries also show their value as a tip: a long address rarely fits the pane.
    const Category category = categoryOfId(id, kEntryIds);
    if (index.row() >= m_shown[slot(category)])
        return {};
    std::size_t at = 0;
    const std::string value = storeOf(category, index.row(), &at).Value(at);
    const QString text = m_codec ? m_codec->toText(value) : CPageCodec().toText(value);
    return category == Category::Headings ? headingLabel(text) : text;
}
