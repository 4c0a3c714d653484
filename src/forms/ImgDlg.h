#pragma once

#include "FormDlg.h"
#include "snippets.h"

class QCheckBox;

// The image and video form: a still image (SRC) or a video clip (DYNSRC), chosen by the
// Video box, which decides which of the two sources can be typed in.
class CImgDlg : public CFormDlg
{
    Q_OBJECT
public:
    explicit CImgDlg(QWidget *parent = nullptr);

    const tarnel::ImageFields &fields() const { return m_fields; }
    // Prefills the inputs (re-editing an image). The sources' editability stays as a new form
    // opens: the image source editable.
    void setFields(const tarnel::ImageFields &fields);

protected:
    void readFields() override;
    std::optional<std::string> validate() const override;

private:
    void videoClicked(bool ticked);
    void applySourceInputs(const tarnel::ImageSourceInputs &inputs);

    tarnel::ImageFields m_fields;
    tarnel::ImageSourceInputs m_inputs;
    QLineEdit *m_imageSource = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
    QLineEdit *m_border = nullptr;
    QLineEdit *m_comment = nullptr;
    QComboBox *m_align = nullptr;
    QCheckBox *m_video = nullptr;
    QLineEdit *m_videoSource = nullptr;
    QPushButton *m_imageBrowse = nullptr;
    QPushButton *m_videoBrowse = nullptr;
};
