#pragma once

#include "FormDlg.h"
#include "formdescription.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <functional>
#include <string_view>
#include <vector>

// A form built from its core description: one titled box of rows (in two columns when the
// description asks for them, or in a column of sections and a choice), read into the fields
// struct on OK and prefilled from one. Forms with behaviour of their own (what a choice does,
// a browsed picture's size) add it in a subclass.
template <class Fields> class CDescribedForm : public CFormDlg
{
public:
    using Description = tarnel::FormDescription<Fields>;

    // Makes a Custom row's input, by the row's name.
    using MakeInput = std::function<QWidget *(std::string_view name)>;

    explicit CDescribedForm(const Description &description, QWidget *parent = nullptr)
        : CDescribedForm(description, {}, parent)
    {}
    CDescribedForm(const Description &description, const MakeInput &makeCustom, QWidget *parent)
        : CFormDlg(coreText(description.caption), parent)
        , m_description(description)
        , m_makeCustom(makeCustom)
    {
        buildRows();
    }

    const Fields &fields() const { return m_fields; }
    void setFields(const Fields &fields)
    {
        m_fields = fields;
        for (std::size_t i = 0; i < m_inputs.size(); ++i) {
            const auto &row = m_description.rows[i];
            if (row.flag)
                static_cast<QCheckBox *>(m_inputs[i])->setChecked(fields.*row.flag);
            else if (row.member)
                showValue(m_inputs[i], fields.*row.member);
        }
    }

protected:
    void readFields() override { readInto(m_fields); }
    // What the inputs hold, into the described members of `fields`.
    void readInto(Fields &fields) const
    {
        for (std::size_t i = 0; i < m_inputs.size(); ++i) {
            const auto &row = m_description.rows[i];
            if (row.flag)
                fields.*row.flag = static_cast<const QCheckBox *>(m_inputs[i])->isChecked();
            else if (row.member)
                fields.*row.member = valueOf(m_inputs[i]);
        }
    }
    std::optional<std::string> validate() const override { return tarnel::Validate(m_fields); }

    // The box's rows, where a subclass adds its own below the described ones.
    QGridLayout *rows(int column = 0) const { return m_columns[column]; }
    QGroupBox *group() const { return m_group; }
    // A section of the description, to show or hide.
    QWidget *section(int index) const { return m_sections[std::size_t(index)]; }
    // The choice: a button was clicked (the form then follows it), and showing an option as
    // chosen.
    virtual void choose(int option) { (void)option; }
    void showChosen(int option)
    {
        for (std::size_t i = 0; i < m_choices.size(); ++i)
            m_choices[i]->setChecked(int(i) == option);
    }

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
        QHBoxLayout *besideColumns = nullptr;
        if (twoColumns) {
            auto *columns = new QHBoxLayout(m_group);
            m_columns[0] = new QGridLayout;
            m_columns[1] = new QGridLayout;
            columns->addLayout(m_columns[0]);
            columns->addSpacing(12);
            columns->addLayout(m_columns[1]);
        } else if (m_description.choice.beside) {
            besideColumns = new QHBoxLayout(m_group);
            m_columns[0] = m_columns[1] = new QGridLayout;
            besideColumns->addLayout(m_columns[0], 1);
        } else if (m_description.sections.empty() && m_description.choice.options.empty()) {
            m_columns[0] = m_columns[1] = new QGridLayout(m_group);
        } else {
            buildStack();
            return;
        }
        for (const auto &row : m_description.rows)
            m_inputs.push_back(addRow(row, m_columns[row.column]));
        // After the rows, so that Tab reaches it after them.
        if (besideColumns)
            besideColumns->addWidget(buildChoice());
        if (twoColumns)
            for (QGridLayout *column : m_columns)
                column->setRowStretch(column->rowCount(), 1);
    }

    // One column of row grids, section boxes and the choice, in the described order.
    void buildStack()
    {
        auto *stack = new QVBoxLayout(m_group);
        for (const tarnel::SectionSpec &section : m_description.sections)
            m_sections.push_back(newBox(section.title, section.name));
        QGridLayout *lines = nullptr;
        int section = -1;
        for (std::size_t i = 0; i < m_description.rows.size(); ++i) {
            const auto &row = m_description.rows[i];
            if (i == m_description.choice.beforeRow && !m_description.choice.options.empty()) {
                stack->addWidget(buildChoice());
                lines = nullptr;
            }
            if (!lines || row.section != section) {
                section = row.section;
                lines = new QGridLayout;
                if (section < 0) {
                    stack->addLayout(lines);
                } else {
                    m_sections[section]->setLayout(lines);
                    stack->addWidget(m_sections[section]);
                    if (m_description.sections[section].title.empty())
                        lines->setContentsMargins(0, 0, 0, 0);
                }
            }
            m_inputs.push_back(addRow(row, lines));
        }
        if (m_description.choice.beforeRow >= m_description.rows.size() &&
            !m_description.choice.options.empty())
            stack->addWidget(buildChoice());
        m_columns[0] = m_columns[1] = lines;
    }

    QWidget *newBox(std::string_view title, std::string_view name)
    {
        QWidget *box = title.empty() ? new QWidget(this) : new QGroupBox(coreText(title), this);
        box->setObjectName(fromView(name));
        return box;
    }

    QWidget *buildChoice()
    {
        const tarnel::ChoiceSpec &choice = m_description.choice;
        QWidget *box = newBox(choice.title, {});
        QBoxLayout *line =
            choice.beside ? static_cast<QBoxLayout *>(new QVBoxLayout(box)) : new QHBoxLayout(box);
        if (choice.title.empty())
            line->setContentsMargins(0, 0, 0, 0);
        for (int i = 0; i < int(choice.options.size()); ++i) {
            auto *button = new QRadioButton(coreText(choice.options[i].caption), box);
            button->setObjectName(fromView(choice.options[i].name));
            button->setChecked(i == 0);
            line->addWidget(button);
            QObject::connect(button, &QRadioButton::clicked, this, [this, i] { choose(i); });
            m_choices.push_back(button);
        }
        line->addStretch();
        return box;
    }

    QWidget *addRow(const tarnel::FieldSpec<Fields> &row, QGridLayout *into)
    {
        using tarnel::FieldKind;
        const QString label = coreText(row.label);
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
        case FieldKind::MultiLine:
            input = addTextBlock(into);
            break;
        case FieldKind::Check:
            input = new QCheckBox(label, this);
            into->addWidget(input, into->rowCount(), 1);
            break;
        case FieldKind::Custom:
            input = addCustomRow(label, m_makeCustom(row.name), into);
            break;
        }
        input->setObjectName(fromView(row.name));
        return input;
    }

    QWidget *addCustomRow(const QString &label, QWidget *input, QGridLayout *into)
    {
        const int row = into->rowCount();
        if (label.isEmpty()) {
            into->addWidget(input, row, 0, 1, -1);
            return input;
        }
        auto *caption = new QLabel(label, this);
        caption->setBuddy(input);
        into->addWidget(caption, row, 0);
        into->addWidget(input, row, 1);
        return input;
    }

    const Description &m_description;
    MakeInput m_makeCustom;
    QGroupBox *m_group = nullptr;
    QGridLayout *m_columns[2] = {nullptr, nullptr};
    std::vector<QWidget *> m_inputs;
    std::vector<QWidget *> m_sections;
    std::vector<QRadioButton *> m_choices;
};
