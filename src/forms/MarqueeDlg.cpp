#include "MarqueeDlg.h"

CMarqueeDlg::CMarqueeDlg(QWidget *parent)
    : CDescribedForm(tarnel::MarqueeForm(), parent)
{}
