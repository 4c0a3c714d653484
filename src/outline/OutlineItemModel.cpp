#include "OutlineItemModel.h"

#include <limits>

using namespace tarnel;
using Category = COutlineItemModel::Category;

namespace {

// An index's internal id says which row it is: the page row, a category row, or an entry
// of a category.
constexpr quintptr kPageId = 0;
constexpr quintptr kCategoryIds = 1; // + category
constexpr quintptr kEntryIds = 4;    // + category of the entry

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
    case Category::Images:
        break;
    }
    return COutlineItemModel::tr("Images");
}

} // namespace

COutlineItemModel::COutlineItemModel(QObject *parent)
    : QAbstractItemModel(parent)
{}

void COutlineItemModel::addEntry(Category category, const ElementRecord &record)
{
    CompactRecords &entries = m_entries[slot(category)];
    // Rows are ints; a page never holds that many elements, but never wrap.
    if (entries.Size() >= static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return;
    entries.Add(record);
    if (!m_publishQueued) {
        m_publishQueued = true;
        QMetaObject::invokeMethod(this, &COutlineItemModel::publish, Qt::QueuedConnection);
    }
}

void COutlineItemModel::publish()
{
    m_publishQueued = false;
    for (const Category category : OutlineCategories) {
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

void COutlineItemModel::clearCategory(Category category)
{
    int &shown = m_shown[slot(category)];
    if (shown > 0) {
        beginRemoveRows(categoryIndex(category), 0, shown - 1);
        m_entries[slot(category)].Clear();
        shown = 0;
        endRemoveRows();
    } else {
        m_entries[slot(category)].Clear();
    }
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
    return m_entries[slot(category)].Record(static_cast<std::size_t>(row));
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
    const std::string value = m_entries[slot(category)].Value(std::size_t(index.row()));
    return m_codec ? m_codec->toText(value) : CPageCodec().toText(value);
}
