#pragma once

#include "FormDlg.h"
#include "formdescription.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>

#include <vector>

// A form built from its core description: one titled box of rows (in two columns when the
// description asks for them), read into the fields struct on OK and prefilled from one.
// Forms with behaviour of their own add it in a subclass.
template <class Fields> class CDescribedForm : public CFormDlg
{
public:
    using Description = tarnel::FormDescription<Fields>;

    explicit CDescribedForm(const Description &description, QWidget *parent = nullptr)
        : CFormDlg(coreText(description.caption), parent)
        , m_description(description)
    {
        buildRows();
    }

    const Fields &fields() const { return m_fields; }
    void setFields(const Fields &fields)
    {
        m_fields = fields;
        for (std::size_t i = 0; i < m_inputs.size(); ++i)
            showValue(m_inputs[i], fields.*(m_description.rows[i].member));
    }

protected:
    void readFields() override
    {
        for (std::size_t i = 0; i < m_inputs.size(); ++i)
            m_fields.*(m_description.rows[i].member) = valueOf(m_inputs[i]);
    }
    std::optional<std::string> validate() const override { return tarnel::Validate(m_fields); }

    // The box's rows, where a subclass adds its own below the described ones.
    QGridLayout *rows(int column = 0) const { return m_columns[column]; }
    QGroupBox *group() const { return m_group; }

    Fields m_fields;

private:
    // A check box's field holds "1" when ticked; any other input holds its text.
    std::string valueOf(const QWidget *input) const
    {
        if (const auto *box = qobject_cast<const QCheckBox *>(input))
            return box->isChecked() ? "1" : "";
        return inputText(input);
    }
    void showValue(QWidget *input, std::string_view value)
    {
        if (auto *box = qobject_cast<QCheckBox *>(input))
            box->setChecked(!value.empty());
        else
            showInput(input, value);
    }

    static QString fromView(std::string_view text)
    {
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    }

    void buildRows()
    {
        m_group = new QGroupBox(coreText(m_description.group), this);
        grid()->addWidget(m_group, 0, 0);
        bool twoColumns = false;
        for (const auto &row : m_description.rows)
            twoColumns = twoColumns || row.column == 1;
        if (twoColumns) {
            auto *columns = new QHBoxLayout(m_group);
            m_columns[0] = new QGridLayout;
            m_columns[1] = new QGridLayout;
            columns->addLayout(m_columns[0]);
            columns->addSpacing(12);
            columns->addLayout(m_columns[1]);
        } else {
            m_columns[0] = m_columns[1] = new QGridLayout(m_group);
        }
        for (const auto &row : m_description.rows)
            m_inputs.push_back(addRow(row));
        if (twoColumns)
            for (QGridLayout *column : m_columns)
                column->setRowStretch(column->rowCount(), 1);
    }

    QWidget *addRow(const tarnel::FieldSpec<Fields> &row)
    {
        using tarnel::FieldKind;
        const QString label = coreText(row.label);
        QGridLayout *into = m_columns[row.column];
        QWidget *input = nullptr;
        switch (row.kind) {
        case FieldKind::Text:
            input = addTextRow(label, into);
            break;
        case FieldKind::Browse:
            input = addBrowseRow(label, row.filter, into);
            break;
        case FieldKind::PickList:
        case FieldKind::EditableList:
            input = addListRow(label, listEntries(row.entries), row.kind == FieldKind::EditableList,
                               into, row.required.empty());
            break;
        case FieldKind::Check:
            input = new QCheckBox(label, this);
            into->addWidget(input, into->rowCount(), 1);
            break;
        }
        input->setObjectName(fromView(row.name));
        return input;
    }

    const Description &m_description;
    QGroupBox *m_group = nullptr;
    QGridLayout *m_columns[2] = {nullptr, nullptr};
    std::vector<QWidget *> m_inputs;
};
