#pragma once

#include <QStyledItemDelegate>

class CCheckService;
class CSiteTree;

// Gives an outline entry whose tag has a finding a warning icon and the findings' messages
// as its tip. The entries stay as they are: a double click still opens the element's form.
class COutlineMarks : public QStyledItemDelegate
{
    Q_OBJECT
public:
    COutlineMarks(CSiteTree *tree, CCheckService *checks);

    // The messages of the findings in the entry's tag; empty for none (or no entry).
    QString findingsOf(const QModelIndex &index) const;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    CSiteTree *m_tree;
    CCheckService *m_checks;
};
