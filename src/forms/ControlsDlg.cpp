#include "ControlsDlg.h"

#include "filepaths.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using tarnel::ControlType;

CControlsDlg::CControlsDlg(QWidget *parent)
    : CFormDlg(tr("Controls"), parent)
{
    auto *frame = new QGroupBox(tr("Control Attributes"), this);
    auto *columns = new QHBoxLayout(frame);
    auto *fields = new QGridLayout;
    columns->addLayout(fields, 1);
    grid()->addWidget(frame, 0, 0);

    m_accessKey = addTextRow(tr("Access Key"), fields);
    m_name = addTextRow(tr("Name"), fields);
    m_label = addTextRow(tr("Label"), fields);
    m_language = addListRow(tr("Language"), listEntries(tarnel::kControlLanguages), false, fields);
    m_dynSrc = addBrowseRow(tr("DynSrc"), tarnel::kMediaFilesFilter, fields);
    m_position = addListRow(tr("Position"), listEntries(tarnel::kControlPositions), false, fields);
    m_alt = addTextRow(tr("Alt"), fields);
    m_tabIndex = addTextRow(tr("Tab Index"), fields);
    m_source = addBrowseRow(tr("Source"), tarnel::kAllFilesFilter, fields);
    m_title = addTextRow(tr("Title"), fields);
    m_size = addTextRow(tr("Size"), fields);

    // MaxLength and LowSource share one row: no type shows both.
    m_maxLength = addTextRow(tr("MaxLength"), fields);
    const int sharedRow = fields->rowCount() - 1;
    m_lowSource = newTextField(this);
    auto *lowSourceCaption = new QLabel(tr("LowSource:"), this);
    lowSourceCaption->setBuddy(m_lowSource);
    m_lowSourceBrowse = addBrowseButton(m_lowSource, tarnel::kAllFilesFilter);
    fields->addWidget(lowSourceCaption, sharedRow, 0);
    fields->addWidget(m_lowSource, sharedRow, 1);
    fields->addWidget(m_lowSourceBrowse, sharedRow, 2);

    m_readOnly = new QCheckBox(tr("ReadOnly"), this);
    m_disabled = new QCheckBox(tr("Disabled"), this);
    fields->addWidget(m_readOnly, fields->rowCount(), 1);
    fields->addWidget(m_disabled, fields->rowCount(), 1);

    auto *types = new QVBoxLayout;
    auto *typeGroup = new QButtonGroup(this);
    for (const ControlType type : tarnel::kControlTypes) {
        auto *button = new QRadioButton(coreText(tarnel::ControlTypeCaption(type)), frame);
        typeGroup->addButton(button);
        types->addWidget(button);
        button->setChecked(type == m_form.Fields().type);
        connect(button, &QRadioButton::clicked, this, [this, type] { chooseType(type); });
    }
    types->addStretch();
    columns->addLayout(types);

    connect(m_readOnly, &QCheckBox::clicked, this, [this](bool ticked) {
        m_form.ToggleReadOnly(ticked);
        showRows();
    });
    connect(addButton(tr("Add New Control")), &QPushButton::clicked, this,
            &CControlsDlg::addNewControl);

    showRows();
    m_accessKey->setFocus();
}

void CControlsDlg::chooseType(ControlType type)
{
    m_form.ChooseType(type);
    showRows();
}

void CControlsDlg::addNewControl()
{
    if (const auto refusal = m_form.AddNewControl(fieldsOnScreen())) {
        showRefusal(*refusal);
        return;
    }
    showFields(m_form.Fields());
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
    fields.accessKey = text(m_accessKey);
    fields.name = text(m_name);
    fields.label = text(m_label);
    fields.language = text(m_language);
    fields.dynSrc = text(m_dynSrc);
    fields.position = text(m_position);
    fields.alt = text(m_alt);
    fields.tabIndex = text(m_tabIndex);
    fields.source = text(m_source);
    fields.title = text(m_title);
    fields.size = text(m_size);
    fields.maxLength = text(m_maxLength);
    fields.lowSource = text(m_lowSource);
    fields.readOnly = m_readOnly->isChecked();
    fields.disabled = m_disabled->isChecked();
    return fields;
}

void CControlsDlg::showFields(const tarnel::ControlFields &fields)
{
    m_accessKey->setText(qtext(fields.accessKey));
    m_name->setText(qtext(fields.name));
    m_label->setText(qtext(fields.label));
    selectValue(m_language, qtext(fields.language));
    m_dynSrc->setText(qtext(fields.dynSrc));
    selectValue(m_position, qtext(fields.position));
    m_alt->setText(qtext(fields.alt));
    m_tabIndex->setText(qtext(fields.tabIndex));
    m_source->setText(qtext(fields.source));
    m_title->setText(qtext(fields.title));
    m_size->setText(qtext(fields.size));
    m_maxLength->setText(qtext(fields.maxLength));
    m_lowSource->setText(qtext(fields.lowSource));
    m_readOnly->setChecked(fields.readOnly);
    m_disabled->setChecked(fields.disabled);
}

void CControlsDlg::showRows()
{
    const tarnel::ControlRows &rows = m_form.Rows();
    setRowVisible(m_size, rows.sizeShown);
    setRowVisible(m_maxLength, rows.maxLengthShown);
    setRowVisible(m_lowSource, rows.lowSourceShown);
    m_lowSourceBrowse->setVisible(rows.lowSourceShown);
    m_maxLength->setEnabled(rows.maxLengthEnabled);
    m_maxLength->setReadOnly(rows.maxLengthReadOnly);
}

QLabel *CControlsDlg::captionOf(QWidget *field) const
{
    for (QLabel *label : findChildren<QLabel *>())
        if (label->buddy() == field)
            return label;
    return nullptr;
}

void CControlsDlg::setRowVisible(QWidget *field, bool visible)
{
    field->setVisible(visible);
    if (QLabel *caption = captionOf(field))
        caption->setVisible(visible);
}
