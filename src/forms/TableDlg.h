#pragma once

#include "FormDlg.h"
#include "snippets.h"

// The table form: a one-row table skeleton; the number of columns is required.
class CTableDlg : public CFormDlg
{
    Q_OBJECT
public:
    explicit CTableDlg(QWidget *parent = nullptr);

    const tarnel::TableFields &fields() const { return m_fields; }

protected:
    void readFields() override;
    std::optional<std::string> validate() const override;

private:
    tarnel::TableFields m_fields;
    QComboBox *m_align = nullptr;
    QLineEdit *m_background = nullptr;
    QComboBox *m_backgroundColour = nullptr;
    QComboBox *m_darkBorderColour = nullptr;
    QComboBox *m_lightBorderColour = nullptr;
    QComboBox *m_borderColour = nullptr;
    QLineEdit *m_columns = nullptr;
    QComboBox *m_rules = nullptr;
    QLineEdit *m_style = nullptr;
    QComboBox *m_frame = nullptr;
    QLineEdit *m_title = nullptr;
    QLineEdit *m_border = nullptr;
    QLineEdit *m_cellPadding = nullptr;
    QLineEdit *m_cellSpacing = nullptr;
    QLineEdit *m_pageSize = nullptr;
    QLineEdit *m_height = nullptr;
    QLineEdit *m_width = nullptr;
};
