#pragma once

#include "DescribedForm.h"

// The ordered-list form: the list's type is required; dingbat, value and skip go to the first
// list item.
class CListDlg1 : public CDescribedForm<tarnel::OrderedListFields>
{
    Q_OBJECT
public:
    explicit CListDlg1(QWidget *parent = nullptr);
};
