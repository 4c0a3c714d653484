#pragma once

#include "DescribedForm.h"
#include "controlsform.h"

// The form-controls form: describes one INPUT control at a time; "Add New Control" collects
// it and starts the next one with the same type, "OK" collects the one on screen and closes.
// The view wraps everything collected in one FORM block.
class CControlsDlg : public CDescribedForm<tarnel::ControlFields>
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
    void choose(int option) override;

private:
    void addNewControl();
    tarnel::ControlFields fieldsOnScreen() const;
    void showRows();
    void setRowVisible(QWidget *field, bool visible);

    tarnel::ControlsForm m_form;
    std::optional<std::string> m_refusal;
    QLineEdit *m_accessKey = nullptr;
    QLineEdit *m_size = nullptr;
    QLineEdit *m_maxLength = nullptr;
    QLineEdit *m_lowSource = nullptr;
};
