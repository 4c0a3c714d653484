#pragma once

#include "DescribedForm.h"
#include "snippets_text.h"

#include <QColor>

class CFontPreview;

// The formatted-text form: face, size, style, colours, underline and alignment for a few
// lines of text. Face, size and style count only once picked from their lists, even though
// the size and style lists show "Normal" from the start.
class CFontDlg : public CDescribedForm<tarnel::FormattedTextFields>
{
    Q_OBJECT
public:
    explicit CFontDlg(QWidget *parent = nullptr);

    // The fragment built by OK.
    const std::string &result() const { return m_result; }

protected:
    void readFields() override;
    void choose(int option) override;

private:
    void chooseTextColour();
    void chooseBackgroundColour();
    void refreshPreview();

    std::string m_result;
    CFontPreview *m_preview = nullptr;
};
