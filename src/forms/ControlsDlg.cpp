#include "ControlsDlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CControlsDlg::CControlsDlg(QWidget *parent)
    : CDescribedForm(tarnel::ControlForm(), parent)
    , m_accessKey(findChild<QLineEdit *>(QStringLiteral("accessKey")))
    , m_size(findChild<QLineEdit *>(QStringLiteral("size")))
    , m_maxLength(findChild<QLineEdit *>(QStringLiteral("maxLength")))
    , m_lowSource(findChild<QLineEdit *>(QStringLiteral("lowSource")))
{
    connect(findChild<QCheckBox *>(QStringLiteral("readOnly")), &QCheckBox::clicked, this,
            [this](bool ticked) {
                m_form.ToggleReadOnly(ticked);
                showRows();
            });
    connect(addButton(tr("Add New Control")), &QPushButton::clicked, this,
            &CControlsDlg::addNewControl);
    showRows();
    m_accessKey->setFocus();
}

void CControlsDlg::choose(int option)
{
    m_form.ChooseType(tarnel::kControlTypes[std::size_t(option)]);
    showRows();
}

void CControlsDlg::addNewControl()
{
    if (const auto refusal = m_form.AddNewControl(fieldsOnScreen())) {
        showRefusal(*refusal);
        return;
    }
    setFields(m_form.Fields());
    showRows();
    m_accessKey->setFocus();
}

void CControlsDlg::readFields()
{
    m_refusal = m_form.Confirm(fieldsOnScreen());
}

tarnel::ControlFields CControlsDlg::fieldsOnScreen() const
{
    tarnel::ControlFields fields;
    fields.type = m_form.Fields().type;
    readInto(fields);
    return fields;
}

void CControlsDlg::showRows()
{
    const tarnel::ControlRows &rows = m_form.Rows();
    setRowVisible(m_size, rows.sizeShown);
    setRowVisible(m_maxLength, rows.maxLengthShown);
    setRowVisible(m_lowSource, rows.lowSourceShown);
    m_maxLength->setEnabled(rows.maxLengthEnabled);
    m_maxLength->setReadOnly(rows.maxLengthReadOnly);
}

void CControlsDlg::setRowVisible(QWidget *field, bool visible)
{
    // The caption, the field and a browse button beside it.
    QGridLayout *grid = rows();
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(field), &row, &column, &rowSpan, &columnSpan);
    for (int c = 0; c < grid->columnCount(); ++c)
        if (QLayoutItem *item = grid->itemAtPosition(row, c); item && item->widget())
            item->widget()->setVisible(visible);
}
