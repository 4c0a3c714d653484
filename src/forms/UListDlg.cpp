#include "UListDlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>

CUListDlg::CUListDlg(QWidget *parent)
    : CFormDlg(QStringLiteral("Unordered List"), parent)
{
    auto *group = new QGroupBox(QStringLiteral("Unordered List Attributes"), this);
    auto *rows = new QGridLayout(group);
    grid()->addWidget(group, 0, 0);

    m_type =
        addListRow(QStringLiteral("Type:"), listEntries(tarnel::UnorderedListTypes()), false, rows);
    m_dingbat =
        addListRow(QStringLiteral("Dingbat:"), listEntries(tarnel::Dingbats()), false, rows);
    m_dingbat->setCurrentIndex(m_dingbat->findText(QString())); // the empty entry: nothing

    m_type->setObjectName(QStringLiteral("type"));
    m_dingbat->setObjectName(QStringLiteral("dingbat"));
}

void CUListDlg::readFields()
{
    m_fields.type = text(m_type);
    m_fields.dingbat = text(m_dingbat);
}

std::optional<std::string> CUListDlg::validate() const
{
    return tarnel::Validate(m_fields);
}
