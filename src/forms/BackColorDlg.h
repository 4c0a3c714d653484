#pragma once

#include "FormDlg.h"
#include "snippets.h"

class QRadioButton;

// The background form: a new body tag with a background picture, a colour or both. The
// radio buttons only steer which inputs can be used; whatever both inputs hold is written.
class CBackColorDlg : public CFormDlg
{
    Q_OBJECT
public:
    explicit CBackColorDlg(QWidget *parent = nullptr);

    const tarnel::BackgroundFields &fields() const { return m_fields; }

protected:
    void readFields() override;
    std::optional<std::string> validate() const override;

private:
    void choose(tarnel::BackgroundChoice choice);

    tarnel::BackgroundFields m_fields;
    QRadioButton *m_imageChoice = nullptr;
    QRadioButton *m_colourChoice = nullptr;
    QRadioButton *m_bothChoice = nullptr;
    QLineEdit *m_image = nullptr;
    QComboBox *m_colour = nullptr;
};
