#pragma once

#include "FormDlg.h"
#include "snippets.h"

// The background sound form.
class CSoundDlg : public CFormDlg
{
    Q_OBJECT
public:
    explicit CSoundDlg(QWidget *parent = nullptr);

    const tarnel::SoundFields &fields() const { return m_fields; }

protected:
    void readFields() override;
    std::optional<std::string> validate() const override;

private:
    tarnel::SoundFields m_fields;
    QLineEdit *m_source = nullptr;
    QLineEdit *m_loop = nullptr;
    QLineEdit *m_balance = nullptr;
    QLineEdit *m_volume = nullptr;
};
