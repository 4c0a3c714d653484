#pragma once

#include "FormDlg.h"
#include "snippets.h"

// The meta form: one meta tag; the url is required.
class CMetaDlg : public CFormDlg
{
    Q_OBJECT
public:
    explicit CMetaDlg(QWidget *parent = nullptr);

    const tarnel::MetaFields &fields() const { return m_fields; }

protected:
    void readFields() override;
    std::optional<std::string> validate() const override;

private:
    tarnel::MetaFields m_fields;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_title = nullptr;
    QLineEdit *m_content = nullptr;
    QLineEdit *m_url = nullptr;
    QComboBox *m_httpEquiv = nullptr;
};
