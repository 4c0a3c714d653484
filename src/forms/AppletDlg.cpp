#include "AppletDlg.h"

CAppletDlg::CAppletDlg(QWidget *parent)
    : CDescribedForm(tarnel::AppletForm(), parent)
{}
