#pragma once

#include "FormDlg.h"
#include "snippets.h"

// The ordered-list form: the list's type is required; dingbat, value and skip go to the first
// list item.
class CListDlg1 : public CFormDlg
{
    Q_OBJECT
public:
    explicit CListDlg1(QWidget *parent = nullptr);

    const tarnel::OrderedListFields &fields() const { return m_fields; }

protected:
    void readFields() override;
    std::optional<std::string> validate() const override;

private:
    tarnel::OrderedListFields m_fields;
    QComboBox *m_dingbat = nullptr;
    QComboBox *m_type = nullptr;
    QLineEdit *m_value = nullptr;
    QLineEdit *m_start = nullptr;
    QLineEdit *m_skip = nullptr;
};
