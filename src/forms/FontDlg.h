#pragma once

#include "FormDlg.h"
#include "snippets_text.h"

#include <QColor>

class CFontCombo;
class CFontPreview;
class QCheckBox;
class QPlainTextEdit;
class QRadioButton;

// The formatted-text form: face, size, style, colours, underline and alignment for a few
// lines of text. Face, size and style count only once picked from their lists, even though
// the size and style lists show "Normal" from the start.
class CFontDlg : public CFormDlg
{
    Q_OBJECT
public:
    explicit CFontDlg(QWidget *parent = nullptr);

    const tarnel::FormattedTextFields &fields() const { return m_fields; }
    // The fragment built by OK.
    const std::string &result() const { return m_result; }

protected:
    void readFields() override;

private:
    void chooseTextColour();
    void chooseBackgroundColour();
    void refreshPreview();

    tarnel::FormattedTextFields m_fields;
    std::string m_result;

    CFontCombo *m_faces = nullptr;
    QComboBox *m_sizes = nullptr;
    QComboBox *m_styles = nullptr;
    QCheckBox *m_underline = nullptr;
    QRadioButton *m_left = nullptr;
    QRadioButton *m_right = nullptr;
    QRadioButton *m_center = nullptr;
    QPlainTextEdit *m_text = nullptr;
    CFontPreview *m_preview = nullptr;
};
