#pragma once

#include "DescribedForm.h"

// The meta form: one meta tag; the url is required.
class CMetaDlg : public CDescribedForm<tarnel::MetaFields>
{
    Q_OBJECT
public:
    explicit CMetaDlg(QWidget *parent = nullptr);
};
