#include "FontCombo.h"

#include <QFontDatabase>
#include <QRegularExpression>

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
    // A family offered by several foundries comes as "Family [Foundry]"; a page can only
    // name the family, so each family is listed once under its plain name.
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
    QStringList shown;
    for (const QString &name : std::as_const(m_names))
        shown << QString(name).remove(foundry);
    shown.removeDuplicates();
    shown.sort(Qt::CaseInsensitive);
    clear();
    addItems(shown);
    setCurrentIndex(-1);
    setEditText(QString());
}
