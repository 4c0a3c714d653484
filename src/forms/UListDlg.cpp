#include "UListDlg.h"

CUListDlg::CUListDlg(QWidget *parent)
    : CDescribedForm(tarnel::UnorderedListForm(), parent)
{}
