#pragma once

#include "OutlineItemModel.h"
#include "View.h"

#include <QTreeView>

#include <cstddef>

// The outline beside the source: "Web Page" with its applets, hyperlinks, images, media,
// headings, scripts and styles. It never
// reads the text; the document's outline scan fills it through its signals, and a double click on
// an entry asks the document to have the source view beside it reopen that element in its form.
class CSiteTree : public QTreeView, public CView
{
    Q_OBJECT
public:
    enum Category { Applets, Hyperlinks, Images, Media, Headings, ScriptsAndStyles, CategoryCount };

    explicit CSiteTree(CTarnelDoc *document, QWidget *parent = nullptr);
    ~CSiteTree() override;

    static constexpr Kind kViewKind = Kind::Outline;
    QWidget *widget() override { return this; }
    Kind kind() const override { return kViewKind; }
    void OnInitialUpdate() override;

    // What the tree shows, with entries added so far published first.
    QModelIndex pageIndex() const { return m_model.pageIndex(); }
    QModelIndex categoryIndex(Category category);
    QModelIndex entryIndex(Category category, int row);
    int entryCount(Category category);
    QString entryText(Category category, int row);
    std::size_t entryPosition(Category category, int row);

    // What a double click on `index` does: an entry asks for its element to be re-edited.
    void activate(const QModelIndex &index);

private:
    static tarnel::OutlineCategory toCore(Category category)
    {
        return static_cast<tarnel::OutlineCategory>(category);
    }

    COutlineItemModel m_model;
    bool m_filled = false;
};
