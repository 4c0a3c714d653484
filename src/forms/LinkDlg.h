#pragma once

#include "FormDlg.h"
#include "snippets.h"

class QGroupBox;
class QPlainTextEdit;
class QRadioButton;

// The link form: a hyperlink around an image, a text or an applet. The kind buttons switch
// between three layouts; what was typed for the other kinds stays but is not used.
class CLinkDlg : public CFormDlg
{
    Q_OBJECT
public:
    explicit CLinkDlg(QWidget *parent = nullptr);

    const tarnel::LinkFields &fields() const { return m_fields; }
    // Prefills the inputs and shows the layout of fields.kind.
    void setFields(const tarnel::LinkFields &fields);

protected:
    void readFields() override;
    std::optional<std::string> validate() const override;

private:
    void showKind(tarnel::LinkKind kind);

    tarnel::LinkFields m_fields;
    QLineEdit *m_url = nullptr;
    QRadioButton *m_imageKind = nullptr;
    QRadioButton *m_textKind = nullptr;
    QRadioButton *m_appletKind = nullptr;
    QGroupBox *m_imageGroup = nullptr;
    QLineEdit *m_imageSource = nullptr;
    QLineEdit *m_imageComment = nullptr;
    QLineEdit *m_border = nullptr;
    QGroupBox *m_appletGroup = nullptr;
    QLineEdit *m_fileName = nullptr;
    QLineEdit *m_className = nullptr;
    QLineEdit *m_appletName = nullptr;
    QWidget *m_sizeAndAlign = nullptr;
    QLineEdit *m_height = nullptr;
    QLineEdit *m_width = nullptr;
    QComboBox *m_align = nullptr;
    QGroupBox *m_textGroup = nullptr;
    QPlainTextEdit *m_linkText = nullptr;
};
