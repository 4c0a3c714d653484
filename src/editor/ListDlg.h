#pragma once

#include <QDialog>
#include <QString>

#include <string_view>
#include <vector>

class QListWidget;

// The completion list: a small modal pop-up without a caption offering names to insert.
// A letter selects the next entry starting with it, Enter takes the selected entry (nothing
// if none was ever selected), a double click takes the entry clicked, Escape takes nothing.
class CListDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CListDlg(QWidget *parent = nullptr);

    // The entries to offer, in the order given (the completion entries are already sorted).
    void setWords(const std::vector<std::string_view> &words);
    // Where the pop-up's top-left corner goes, in screen coordinates.
    void setPosition(const QPoint &screenPoint);
    // The entry chosen; meaningful after the pop-up was accepted.
    const QString &choice() const { return m_choice; }
    QListWidget *list() const { return m_list; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QListWidget *m_list;
    QString m_choice;
};
