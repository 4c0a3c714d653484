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

    // Prefills the inputs (re-editing an IMG): the media conditions, which re-editing does not
    // write back, cannot be changed; nor can the further pictures when `furtherPictures` is
    // false (a SRCSET the form would not write as it is).
    void setFields(const tarnel::PictureFields &fields, bool furtherPictures = true);

    void accept() override;
};
