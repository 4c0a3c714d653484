#pragma once

#include "DescribedForm.h"

// The table form: a one-row table skeleton; the number of columns is required.
class CTableDlg : public CDescribedForm<tarnel::TableFields>
{
    Q_OBJECT
public:
    explicit CTableDlg(QWidget *parent = nullptr);
};
