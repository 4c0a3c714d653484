#pragma once

#include "DescribedForm.h"

// The background form: a new body tag with a background picture, a colour or both. The
// choice only steers which inputs can be used; whatever both inputs hold is written.
class CBackColorDlg : public CDescribedForm<tarnel::BackgroundFields>
{
    Q_OBJECT
public:
    explicit CBackColorDlg(QWidget *parent = nullptr);

protected:
    void choose(int option) override;

private:
    QLineEdit *m_image = nullptr;
    QComboBox *m_colour = nullptr;
};
