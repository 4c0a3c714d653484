#pragma once

#include "PageCodec.h"
#include "compactrecords.h"
#include "elementrecord.h"

#include <QAbstractItemModel>

#include <array>

// The outline's rows: "Web Page", its three categories and their entries. Entries are kept
// compactly and shown lazily, so a page with millions of links costs tens of bytes per link
// rather than a widget item each.
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
    void clearCategory(Category category);
    void publish();

    QModelIndex pageIndex() const;
    QModelIndex categoryIndex(Category category) const;
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
    static std::size_t slot(Category category) { return static_cast<std::size_t>(category); }

    const CPageCodec *m_codec = nullptr;
    std::array<tarnel::CompactRecords, 3> m_entries;
    std::array<int, 3> m_shown{}; // rows the views were told of
    bool m_publishQueued = false;
};
