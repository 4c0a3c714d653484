#pragma once

#include "FormDlg.h"
#include "snippets.h"

// The applet form: one applet opening tag.
class CAppletDlg : public CFormDlg
{
    Q_OBJECT
public:
    explicit CAppletDlg(QWidget *parent = nullptr);

    const tarnel::AppletFields &fields() const { return m_fields; }
    // Prefills the inputs (re-editing an applet); the align list selects by prefix.
    void setFields(const tarnel::AppletFields &fields);

protected:
    void readFields() override;
    std::optional<std::string> validate() const override;

private:
    tarnel::AppletFields m_fields;
    QLineEdit *m_fileName = nullptr;
    QLineEdit *m_comment = nullptr;
    QLineEdit *m_className = nullptr;
    QComboBox *m_align = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_height = nullptr;
    QLineEdit *m_width = nullptr;
};
