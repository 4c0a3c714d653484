#pragma once

#include "DescribedForm.h"

// The applet form: one applet opening tag.
class CAppletDlg : public CDescribedForm<tarnel::AppletFields>
{
    Q_OBJECT
public:
    explicit CAppletDlg(QWidget *parent = nullptr);
};
