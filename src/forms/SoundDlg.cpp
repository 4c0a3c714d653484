#include "SoundDlg.h"

CSoundDlg::CSoundDlg(QWidget *parent)
    : CDescribedForm(tarnel::SoundForm(), parent)
{}
