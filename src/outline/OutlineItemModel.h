#pragma once

#include "PageCodec.h"
#include "compactrecords.h"
#include "elementrecord.h"
#include "outlinetoday.h"

#include <QAbstractItemModel>

#include <array>
#include <optional>

// The outline's rows: "Web Page", its categories and their entries, the headings as a tree
// by level. Entries are kept compactly and shown lazily, so a page with millions of links costs
// tens of bytes per link rather than a widget item each.
class COutlineItemModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    using Category = tarnel::OutlineCategory;

    explicit COutlineItemModel(QObject *parent = nullptr);

    // The page's encoding, which the entries' labels are read in; it must outlive the model.
    void setCodec(const CPageCodec *codec) { m_codec = codec; }

    // Added entries reach attached views together, once control returns to the event loop
    // or when publish() is called: one insertion of many rows costs a fraction of many
    // insertions of one.
    void addEntry(Category category, const tarnel::ElementRecord &record);
    // Starts a refill of the category. Its entries stay shown until the refill is
    // published; then only the entries that appeared or disappeared are inserted or removed
    // as rows. An entry that merely moved keeps its row, so views keep its selection, the
    // category's expansion and the scroll position.
    void clearCategory(Category category);
    void publish();

    QModelIndex pageIndex() const;
    QModelIndex categoryIndex(Category category) const;
    // An entry's row counts the category's entries in page order, wherever the entry shows
    // (a heading under the heading above it).
    QModelIndex entryIndex(Category category, int row) const;
    // The category and row of an entry's index; false for the page and category rows.
    bool entryAt(const QModelIndex &index, Category *category, int *row) const;
    int entryCount(Category category) const;
    tarnel::ElementRecord entry(Category category, int row) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    static constexpr std::size_t kCategories = tarnel::OutlineCategories.size();
    static std::size_t slot(Category category) { return static_cast<std::size_t>(category); }
    // While a refill brings the shown entries in their order, they are the same entries:
    // each takes its new position in place and nothing is stored twice.
    bool keptInPlace(std::size_t s, const tarnel::ElementRecord &record);
    void queuePublish();
    void publishRefill(Category category);
    // The refill's entries take the shown ones' place.
    void adoptRefill(std::size_t s);
    void publishHeadings();
    void publishAddedHeadings();
    void publishHeadingsRefill();
    QModelIndex headingIndex(int node) const; // the category's for -1
    int headingChildCount(int parent) const;
    // Where a shown row's entry is kept; while a refill is being published, rows before
    // the changes published so far are the refill's and the rest still the old ones.
    const tarnel::CompactRecords &storeOf(Category category, int row, std::size_t *at) const;

    // While a refill is being published: rows [0, newEnd) show the refill (the entries kept
    // in place, then the refill's own), and row newEnd onwards is old entry oldEnd onwards.
    struct Splice
    {
        std::size_t newEnd = 0;
        std::size_t oldEnd = 0;
    };

    const CPageCodec *m_codec = nullptr;
    std::array<tarnel::CompactRecords, kCategories> m_entries;
    // A refill under way: its first m_kept entries were the shown ones, taken in place;
    // the entries after those wait in m_refills until it is published.
    std::array<bool, kCategories> m_refilling{};
    std::array<std::size_t, kCategories> m_kept{};
    std::array<tarnel::CompactRecords, kCategories> m_refills;
    std::array<std::optional<Splice>, kCategories> m_splices;
    std::array<int, kCategories> m_shown{}; // rows the views were told of
    tarnel::HeadingTree m_headings;         // of the shown headings, perhaps of more
    bool m_publishQueued = false;
    bool m_publishing = false;
};
