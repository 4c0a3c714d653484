#pragma once

#include "DescribedForm.h"

// The picture form: one IMG offering the browser several files, or a PICTURE choosing them
// by media condition. Each browsed file's width is read from the file (the first one's
// height too); an empty Alternate Text is questioned before inserting.
class CPictureDlg : public CDescribedForm<tarnel::PictureFields>
{
    Q_OBJECT
public:
    explicit CPictureDlg(QWidget *parent = nullptr);

    void accept() override;
};
