#pragma once

#include "EditorSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QSpinBox;

// Edit > Preferences: how names are spelled, auto-closing, the font, tabs, line numbers and
// the colours.
class CPreferencesDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CPreferencesDlg(const EditorSettings &settings, QWidget *parent = nullptr);
    EditorSettings settings() const;

    QComboBox *nameCaseField() const { return m_nameCase; }
    QCheckBox *autoCloseField() const { return m_autoClose; }
    QSpinBox *tabWidthField() const { return m_tabWidth; }
    QCheckBox *lineNumbersField() const { return m_lineNumbers; }
    QComboBox *schemeField() const { return m_scheme; }

private:
    QComboBox *m_nameCase;
    QCheckBox *m_autoClose;
    QFontComboBox *m_font;
    QSpinBox *m_fontSize;
    QSpinBox *m_tabWidth;
    QCheckBox *m_lineNumbers;
    QComboBox *m_scheme;
};
