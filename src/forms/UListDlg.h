#pragma once

#include "DescribedForm.h"

// The unordered-list form: the list's type is required; a dingbat adds a first list item.
class CUListDlg : public CDescribedForm<tarnel::UnorderedListFields>
{
    Q_OBJECT
public:
    explicit CUListDlg(QWidget *parent = nullptr);
};
