#pragma once

#include "FormDlg.h"
#include "snippets.h"

// The unordered-list form: the list's type is required; a dingbat adds a first list item.
class CUListDlg : public CFormDlg
{
    Q_OBJECT
public:
    explicit CUListDlg(QWidget *parent = nullptr);

    const tarnel::UnorderedListFields &fields() const { return m_fields; }

protected:
    void readFields() override;
    std::optional<std::string> validate() const override;

private:
    tarnel::UnorderedListFields m_fields;
    QComboBox *m_type = nullptr;
    QComboBox *m_dingbat = nullptr;
};
