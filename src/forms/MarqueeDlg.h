#pragma once

#include "FormDlg.h"
#include "snippets.h"

// The marquee form: an empty marquee element; behaviour and direction are required.
class CMarqueeDlg : public CFormDlg
{
    Q_OBJECT
public:
    explicit CMarqueeDlg(QWidget *parent = nullptr);

    const tarnel::MarqueeFields &fields() const { return m_fields; }

protected:
    void readFields() override;
    std::optional<std::string> validate() const override;

private:
    tarnel::MarqueeFields m_fields;
    QComboBox *m_behaviour = nullptr;
    QComboBox *m_dataFormat = nullptr;
    QComboBox *m_direction = nullptr;
    QLineEdit *m_height = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_loop = nullptr;
    QLineEdit *m_scrollDelay = nullptr;
    QLineEdit *m_hspace = nullptr;
    QLineEdit *m_vspace = nullptr;
};
