#pragma once

#include "DescribedForm.h"

// The frame form: one frame tag (no frameset); height and width are required.
class CFramesDlg : public CDescribedForm<tarnel::FrameFields>
{
    Q_OBJECT
public:
    explicit CFramesDlg(QWidget *parent = nullptr);
};
