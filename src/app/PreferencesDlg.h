#pragma once

#include "EditorSettings.h"
#include "keybindings.h"

#include <QDialog>

class CKeysPage;
class QCheckBox;
class QComboBox;
class QFontComboBox;
class QSpinBox;
class QTabWidget;

// Edit > Preferences: on the Editor tab how names are spelled, auto-closing, the font, tabs,
// line numbers, the colours and whether the next start reopens the pages; on the Keys tab the
// keys of the commands.
class CPreferencesDlg : public QDialog
{
    Q_OBJECT
public:
    CPreferencesDlg(const EditorSettings &settings, const tarnel::KeyBindings &keys,
                    QWidget *parent = nullptr);
    EditorSettings settings() const;
    const tarnel::KeyBindings &keyBindings() const;

    QComboBox *nameCaseField() const { return m_nameCase; }
    QCheckBox *autoCloseField() const { return m_autoClose; }
    QSpinBox *tabWidthField() const { return m_tabWidth; }
    QCheckBox *lineNumbersField() const { return m_lineNumbers; }
    QComboBox *schemeField() const { return m_scheme; }
    QCheckBox *reopenPagesField() const { return m_reopenPages; }
    QTabWidget *tabs() const { return m_tabs; }
    CKeysPage *keysPage() const { return m_keys; }

private:
    QComboBox *m_nameCase;
    QCheckBox *m_autoClose;
    QFontComboBox *m_font;
    QSpinBox *m_fontSize;
    QSpinBox *m_tabWidth;
    QCheckBox *m_lineNumbers;
    QComboBox *m_scheme;
    QCheckBox *m_reopenPages;
    QTabWidget *m_tabs;
    CKeysPage *m_keys;
};
