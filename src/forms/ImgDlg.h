#pragma once

#include "DescribedForm.h"

class QCheckBox;

// The image and video form: a still image (SRC) or a video clip (DYNSRC), chosen by the
// Video box, which decides which of the two sources can be typed in.
class CImgDlg : public CDescribedForm<tarnel::ImageFields>
{
    Q_OBJECT
public:
    explicit CImgDlg(QWidget *parent = nullptr);

    // Prefills the inputs (re-editing an image). The sources' editability stays as a new form
    // opens: the image source editable.
    void setFields(const tarnel::ImageFields &fields);
    // Offers a picture as if it had been browsed: `source` in the image source (how the page
    // names the file) and the file's size in Width and Height.
    void offerPicture(const QString &source, const QString &picturePath);

protected:
    void readFields() override;

private:
    void videoClicked(bool ticked);
    void applySourceInputs(const tarnel::ImageSourceInputs &inputs);

    tarnel::ImageSourceInputs m_inputs;
    QLineEdit *m_imageSource = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
    QCheckBox *m_video = nullptr;
    QLineEdit *m_videoSource = nullptr;
    QPushButton *m_imageBrowse = nullptr;
    QPushButton *m_videoBrowse = nullptr;
};
