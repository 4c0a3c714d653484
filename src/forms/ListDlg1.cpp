#include "ListDlg1.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

CListDlg1::CListDlg1(QWidget *parent)
    : CFormDlg(QStringLiteral("Ordered List"), parent)
{
    auto *group = new QGroupBox(QStringLiteral("Ordered List Attributes"), this);
    auto *rows = new QGridLayout(group);
    grid()->addWidget(group, 0, 0);

    m_dingbat = addListRow(QStringLiteral("Dingbat"), listEntries(tarnel::Dingbats()), false, rows);
    m_dingbat->setCurrentIndex(m_dingbat->findText(QString())); // the empty entry: nothing
    m_type =
        addListRow(QStringLiteral("Type"), listEntries(tarnel::OrderedListTypes()), false, rows);
    m_value = addTextRow(QStringLiteral("Value"), rows);
    m_start = addTextRow(QStringLiteral("Start Position"), rows);
    m_skip = addTextRow(QStringLiteral("Skip"), rows);

    m_dingbat->setObjectName(QStringLiteral("dingbat"));
    m_type->setObjectName(QStringLiteral("type"));
    m_value->setObjectName(QStringLiteral("value"));
    m_start->setObjectName(QStringLiteral("start"));
    m_skip->setObjectName(QStringLiteral("skip"));
}

void CListDlg1::readFields()
{
    m_fields.dingbat = text(m_dingbat);
    m_fields.type = text(m_type);
    m_fields.value = text(m_value);
    m_fields.start = text(m_start);
    m_fields.skip = text(m_skip);
}

std::optional<std::string> CListDlg1::validate() const
{
    return tarnel::Validate(m_fields);
}
