#pragma once

#include "DescribedForm.h"

// The link form: a hyperlink around an image, a text or an applet. The kind buttons switch
// between three layouts; what was typed for the other kinds stays but is not used.
class CLinkDlg : public CDescribedForm<tarnel::LinkFields>
{
    Q_OBJECT
public:
    explicit CLinkDlg(QWidget *parent = nullptr);

    // Prefills the inputs and shows the layout of fields.kind.
    void setFields(const tarnel::LinkFields &fields);

protected:
    void choose(int option) override;

private:
    void showKind(tarnel::LinkKind kind);
};
