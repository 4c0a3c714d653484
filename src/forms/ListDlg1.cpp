#include "ListDlg1.h"

CListDlg1::CListDlg1(QWidget *parent)
    : CDescribedForm(tarnel::OrderedListForm(), parent)
{}
