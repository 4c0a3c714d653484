#pragma once

#include "DescribedForm.h"

// The media form: a VIDEO or an AUDIO with its sources. It opens with Controls ticked, and
// the poster's pixel size fills Width and Height.
class CMediaDlg : public CDescribedForm<tarnel::MediaFields>
{
    Q_OBJECT
public:
    explicit CMediaDlg(QWidget *parent = nullptr);

    // Prefills the inputs (re-editing a VIDEO or AUDIO): what re-editing does not write back,
    // the element, the further sources and the fallback text, cannot be changed.
    void setFields(const tarnel::MediaFields &fields);

private:
    void showVideoRows(const QString &element);
};
