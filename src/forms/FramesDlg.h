#pragma once

#include "FormDlg.h"
#include "snippets.h"

// The frame form: one frame tag (no frameset); height and width are required.
class CFramesDlg : public CFormDlg
{
    Q_OBJECT
public:
    explicit CFramesDlg(QWidget *parent = nullptr);

    const tarnel::FrameFields &fields() const { return m_fields; }

protected:
    void readFields() override;
    std::optional<std::string> validate() const override;

private:
    tarnel::FrameFields m_fields;
    QComboBox *m_borderColour = nullptr;
    QComboBox *m_frameBorder = nullptr;
    QComboBox *m_windowName = nullptr;
    QComboBox *m_scrolling = nullptr;
    QLineEdit *m_title = nullptr;
    QLineEdit *m_source = nullptr;
    QLineEdit *m_height = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_marginHeight = nullptr;
    QLineEdit *m_marginWidth = nullptr;
    QComboBox *m_resizing = nullptr;
};
