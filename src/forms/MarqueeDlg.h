#pragma once

#include "DescribedForm.h"

// The marquee form: an empty marquee element; behaviour and direction are required.
class CMarqueeDlg : public CDescribedForm<tarnel::MarqueeFields>
{
    Q_OBJECT
public:
    explicit CMarqueeDlg(QWidget *parent = nullptr);
};
