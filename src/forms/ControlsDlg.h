#pragma once

#include "FormDlg.h"
#include "controlsform.h"

class QCheckBox;
class QLabel;

// The form-controls form: describes one INPUT control at a time; "Add New Control" collects
// it and starts the next one with the same type, "OK" collects the one on screen and closes.
// The view wraps everything collected in one FORM block.
class CControlsDlg : public CFormDlg
{
    Q_OBJECT
public:
    explicit CControlsDlg(QWidget *parent = nullptr);

    // The INPUT lines collected during the run, each ending in a line feed.
    const std::string &resultText() const { return m_form.Result(); }
    const tarnel::ControlsForm &form() const { return m_form; }

protected:
    void readFields() override;
    std::optional<std::string> validate() const override { return m_refusal; }

private:
    void chooseType(tarnel::ControlType type);
    void addNewControl();
    tarnel::ControlFields fieldsOnScreen() const;
    void showFields(const tarnel::ControlFields &fields);
    void showRows();
    QLabel *captionOf(QWidget *field) const;
    void setRowVisible(QWidget *field, bool visible);

    tarnel::ControlsForm m_form;
    std::optional<std::string> m_refusal;

    QLineEdit *m_accessKey = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_label = nullptr;
    QComboBox *m_language = nullptr;
    QLineEdit *m_dynSrc = nullptr;
    QComboBox *m_position = nullptr;
    QLineEdit *m_alt = nullptr;
    QLineEdit *m_tabIndex = nullptr;
    QLineEdit *m_source = nullptr;
    QLineEdit *m_title = nullptr;
    QLineEdit *m_size = nullptr;
    QLineEdit *m_maxLength = nullptr;
    QLineEdit *m_lowSource = nullptr;
    QPushButton *m_lowSourceBrowse = nullptr;
    QCheckBox *m_readOnly = nullptr;
    QCheckBox *m_disabled = nullptr;
};
