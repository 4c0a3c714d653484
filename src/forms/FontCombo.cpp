#include "FontCombo.h"

#include <QFontDatabase>

CFontCombo::CFontCombo(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    // A typed face counts only when it names an entry; it is never added to the list.
    setInsertPolicy(QComboBox::NoInsert);
    fill();
}

void CFontCombo::fill()
{
    m_names = QFontDatabase::families(QFontDatabase::Latin);
    QStringList shown = m_names;
    shown.removeDuplicates();
    shown.sort(Qt::CaseInsensitive);
    clear();
    addItems(shown);
    setCurrentIndex(-1);
    setEditText(QString());
}
