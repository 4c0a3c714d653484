#pragma once

#include "DescribedForm.h"

// The background sound form.
class CSoundDlg : public CDescribedForm<tarnel::SoundFields>
{
    Q_OBJECT
public:
    explicit CSoundDlg(QWidget *parent = nullptr);
};
