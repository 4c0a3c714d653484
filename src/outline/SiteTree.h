#pragma once

#include "View.h"

#include <QTreeWidget>

#include <cstddef>
#include <vector>

// The outline beside the source: "Web Page" with its applets, hyperlinks and images. It never
// reads the text; the source view fills it through hints, and a double click on an entry asks
// the source view to reopen that element in its form.
class CSiteTree : public QTreeWidget, public CView
{
    Q_OBJECT
public:
    enum Category { Applets, Hyperlinks, Images, CategoryCount };

    explicit CSiteTree(CTarnelDoc *document, QWidget *parent = nullptr);
    ~CSiteTree() override;

    QWidget *widget() override { return this; }
    void OnInitialUpdate() override;
    void OnUpdate(CView *sender, int hint, const tarnel::ElementRecord *record) override;

    QTreeWidgetItem *rootItem() const { return m_root; }
    QTreeWidgetItem *categoryItem(Category category) const
    {
        const_cast<CSiteTree *>(this)->flushPending();
        return m_categories[category];
    }
    const std::vector<std::size_t> &positions(Category category) const
    {
        return m_positions[category];
    }

private:
    void addEntry(Category category, const tarnel::ElementRecord &record);
    // Entries of a run of add hints go into the tree together: one insertion of many items
    // costs a fraction of many insertions of one.
    void flushPending();
    void clearCategory(Category category);
    void onItemDoubleClicked(QTreeWidgetItem *item);

    QTreeWidgetItem *m_root = nullptr;
    QTreeWidgetItem *m_categories[CategoryCount] = {};
    std::vector<std::size_t> m_positions[CategoryCount];
    QList<QTreeWidgetItem *> m_pending[CategoryCount];
    bool m_flushQueued = false;
};
