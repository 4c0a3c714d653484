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
constexpr quintptr kCategoryIds = 1;                                   // + category
constexpr quintptr kEntryIds = 1 + OutlineCategories.size();           // + category of the entry
constexpr quintptr kHeadingIds = kEntryIds + OutlineCategories.size(); // + heading's node
constexpr quintptr kHeadingsId = kCategoryIds + quintptr(Category::Headings);

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

// A heading's entry holds its level before its text.
int headingLevel(const CompactRecords &entries, std::size_t i)
{
    const std::string value = entries.Value(i);
    return value.empty() ? 1 : qBound(1, value.front() - '0', 6);
}

QString headingLabel(const QString &value)
{
    return value.isEmpty() ? QStringLiteral("H1")
                           : QLatin1Char('H') + value.left(1) + QLatin1Char(' ') + value.mid(1);
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
        if (category == Category::Headings) {
            publishHeadings();
            continue;
        }
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
    m_splices[s].reset();
    adoptRefill(s);
}

void COutlineItemModel::adoptRefill(std::size_t s)
{
    // The rest of the refill follows the entries kept in place. Entries that only moved
    // take their new positions without a signal: what the views show of them is unchanged.
    CompactRecords &entries = m_entries[s];
    const CompactRecords &refill = m_refills[s];
    const std::size_t kept = m_kept[s];
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

void COutlineItemModel::publishHeadings()
{
    if (m_refilling[slot(Category::Headings)])
        publishHeadingsRefill();
    else
        publishAddedHeadings();
}

// Headings added after the shown ones hang under the last shown heading, one of its
// ancestors or the top, each such parent taking one run of them (with what hangs under them)
// at the end of its children: one insertion of rows per parent.
void COutlineItemModel::publishAddedHeadings()
{
    const std::size_t s = slot(Category::Headings);
    const CompactRecords &entries = m_entries[s];
    const int total = int(entries.Size());
    int &shown = m_shown[s];
    for (int node = m_headings.Size(); node < total; ++node)
        m_headings.Append(headingLevel(entries, std::size_t(node)));
    while (shown < total) {
        const int parent = m_headings.Parent(shown);
        const int first = m_headings.Row(shown);
        int end = shown + 1;
        while (end < total && (m_headings.Parent(end) >= shown || m_headings.Parent(end) == parent))
            ++end;
        const int last = m_headings.ChildCountAmong(parent, end) - 1;
        beginInsertRows(headingIndex(parent), first, last);
        shown = end;
        endInsertRows();
    }
    m_entries[s].Trim();
}

// A heading that came or went may move those after it to another parent, so the tree is laid
// out anew; the headings that stay keep their indexes (selection, expansion), wherever they
// now hang.
void COutlineItemModel::publishHeadingsRefill()
{
    const std::size_t s = slot(Category::Headings);
    m_refilling[s] = false;
    const std::size_t kept = m_kept[s];
    const std::size_t shown = std::size_t(m_shown[s]);
    const auto changes =
        DiffSequences(shown - kept, m_refills[s].Size(), [&](std::size_t i, std::size_t j) {
            return m_entries[s].SameValue(kept + i, m_refills[s], j);
        });
    if (changes.empty()) {
        adoptRefill(s); // only positions changed
        return;
    }
    if (shown == 0) {
        adoptRefill(s);
        m_headings.Clear();
        publishAddedHeadings();
        return;
    }
    // Where each shown heading is in the refill, -1 for one that went.
    std::vector<int> moved(shown);
    std::size_t oldRow = 0;
    std::size_t newRow = 0;
    auto keepUpTo = [&](std::size_t oldEnd) {
        while (oldRow < oldEnd)
            moved[oldRow++] = int(newRow++);
    };
    for (const SequenceChange &change : changes) {
        keepUpTo(kept + change.oldStart);
        for (std::size_t i = 0; i < change.removed; ++i)
            moved[oldRow++] = -1;
        newRow += change.inserted;
    }
    keepUpTo(shown);

    const QModelIndex category = categoryIndex(Category::Headings);
    emit layoutAboutToBeChanged({category});
    QModelIndexList before;
    for (const QModelIndex &index : persistentIndexList())
        if (index.internalId() >= kHeadingIds)
            before << index;
    adoptRefill(s);
    m_shown[s] = int(m_entries[s].Size());
    m_headings.Clear();
    for (int node = 0; node < m_shown[s]; ++node)
        m_headings.Append(headingLevel(m_entries[s], std::size_t(node)));
    QModelIndexList after;
    for (const QModelIndex &index : std::as_const(before)) {
        const std::size_t node = index.internalId() - kHeadingIds;
        after << (node < moved.size() && moved[node] >= 0 ? headingIndex(moved[node])
                                                          : QModelIndex());
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({category});
}

QModelIndex COutlineItemModel::headingIndex(int node) const
{
    if (node < 0)
        return categoryIndex(Category::Headings);
    return createIndex(m_headings.Row(node), 0, kHeadingIds + quintptr(node));
}

int COutlineItemModel::headingChildCount(int parent) const
{
    return m_headings.ChildCountAmong(parent, m_shown[slot(Category::Headings)]);
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

QModelIndex COutlineItemModel::entryIndex(Category category, int row) const
{
    if (row < 0 || row >= m_shown[slot(category)])
        return {};
    if (category == Category::Headings)
        return headingIndex(row);
    return createIndex(row, 0, kEntryIds + slot(category));
}

bool COutlineItemModel::entryAt(const QModelIndex &index, Category *category, int *row) const
{
    if (!index.isValid() || index.model() != this || index.internalId() < kEntryIds)
        return false;
    if (index.internalId() >= kHeadingIds) {
        *category = Category::Headings;
        *row = int(index.internalId() - kHeadingIds);
    } else {
        *category = categoryOfId(index.internalId(), kEntryIds);
        *row = index.row();
    }
    return *row < m_shown[slot(*category)];
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
    if (id == kHeadingsId || id >= kHeadingIds) {
        const int node = id == kHeadingsId ? -1 : int(id - kHeadingIds);
        return row < headingChildCount(node) ? headingIndex(m_headings.Child(node, row))
                                             : QModelIndex();
    }
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
    if (child.internalId() >= kHeadingIds)
        return headingIndex(m_headings.Parent(int(child.internalId() - kHeadingIds)));
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
    if (id == kHeadingsId || id >= kHeadingIds)
        return headingChildCount(id == kHeadingsId ? -1 : int(id - kHeadingIds));
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
    Category category;
    int row = 0;
    if (!entryAt(index, &category, &row))
        return {};
    std::size_t at = 0;
    const std::string value = storeOf(category, row, &at).Value(at);
    const QString text = m_codec ? m_codec->toText(value) : CPageCodec().toText(value);
    return category == Category::Headings ? headingLabel(text) : text;
}
