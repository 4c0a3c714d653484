#include "FramesDlg.h"

CFramesDlg::CFramesDlg(QWidget *parent)
    : CDescribedForm(tarnel::FramesForm(), parent)
{}
