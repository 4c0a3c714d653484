#pragma once

#include "DescribedForm.h"

// The meta form: one meta tag; a refresh's url goes into its content.
class CMetaDlg : public CDescribedForm<tarnel::MetaFields>
{
    Q_OBJECT
public:
    explicit CMetaDlg(QWidget *parent = nullptr);
};
