#include "TableDlg.h"

CTableDlg::CTableDlg(QWidget *parent)
    : CDescribedForm(tarnel::TableForm(), parent)
{}
