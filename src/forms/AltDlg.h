#pragma once

#include "DescribedForm.h"

// The text alternative of an element no Insert form writes: an image map's AREA or an image
// button, given ALT from the Problems list.
class CAltDlg : public CDescribedForm<tarnel::AltFields>
{
    Q_OBJECT
public:
    explicit CAltDlg(QWidget *parent = nullptr);
};
