#include "FormDlg.h"

#include "filepaths.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

CFormDlg::CFormDlg(const QString &caption, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setModal(true);
    m_body = new QVBoxLayout(this);
    m_grid = new QGridLayout;
    m_body->addLayout(m_grid);

    m_buttonRow = new QWidget(this);
    auto *buttons = new QHBoxLayout(m_buttonRow);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch();
    m_ok = new QPushButton(tr("OK"), m_buttonRow);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), m_buttonRow);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    m_body->addStretch();
    m_body->addWidget(m_buttonRow);
    connect(m_ok, &QPushButton::clicked, this, &CFormDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CFormDlg::reject);
}

void CFormDlg::accept()
{
    readFields();
    if (const auto message = validate()) {
        showRefusal(*message);
        return;
    }
    cancelled = false;
    QDialog::accept();
}

void CFormDlg::showRefusal(const std::string &message)
{
    QMessageBox::warning(this, QStringLiteral("Editor"), QString::fromStdString(message));
}

void CFormDlg::reject()
{
    cancelled = true;
    QDialog::reject();
}

void CFormDlg::fillList(QComboBox *list, QStringList entries, bool editable)
{
    std::stable_sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    list->clear();
    list->setEditable(editable);
    if (editable) {
        // A typed value is written exactly as typed: no completion rewriting its case, and
        // Enter must not add it to the fixed entries.
        list->setCompleter(nullptr);
        list->setInsertPolicy(QComboBox::NoInsert);
        list->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    }
    list->addItems(entries);
    list->setCurrentIndex(-1);
    if (editable)
        list->setEditText(QString());
}

QStringList CFormDlg::listEntries(std::span<const std::string_view> entries)
{
    QStringList out;
    out.reserve(qsizetype(entries.size()));
    for (std::string_view entry : entries)
        out << QString::fromUtf8(entry.data(), qsizetype(entry.size()));
    return out;
}

void CFormDlg::selectValue(QComboBox *list, const QString &text)
{
    const int entry = text.isEmpty() ? -1 : list->findText(text, Qt::MatchExactly);
    if (entry >= 0 || text.isEmpty()) {
        list->setCurrentIndex(entry);
        if (entry < 0 && list->isEditable())
            list->setEditText(QString());
        return;
    }
    if (list->isEditable()) {
        list->setCurrentIndex(-1);
        list->setEditText(text);
        return;
    }
    list->insertItem(0, text);
    list->setCurrentIndex(0);
}

std::string CFormDlg::text(const QLineEdit *edit) const
{
    return text(edit->text());
}

std::string CFormDlg::text(const QComboBox *list) const
{
    return text(list->currentText());
}

std::string CFormDlg::text(const QPlainTextEdit *edit) const
{
    return text(edit->toPlainText());
}

std::optional<QString> CFormDlg::chooseFile(const char *filterPairs)
{
    const QString filter = QString::fromStdString(tarnel::ConvertFileFilter(filterPairs));
    const QString startDir = m_pagePath.isEmpty() ? QString() : QFileInfo(m_pagePath).path();
    const QString chosen = QFileDialog::getOpenFileName(this, tr("Open"), startDir, filter);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

QLineEdit *CFormDlg::addTextRow(const QString &label, QGridLayout *into)
{
    QGridLayout *layout = into ? into : m_grid;
    const int row = layout->rowCount();
    QLineEdit *edit = newTextField(this);
    auto *caption = new QLabel(label, this);
    caption->setBuddy(edit);
    layout->addWidget(caption, row, 0);
    layout->addWidget(edit, row, 1);
    return edit;
}

QLineEdit *CFormDlg::newTextField(QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

QComboBox *CFormDlg::addListRow(const QString &label, const QStringList &entries, bool editable,
                                QGridLayout *into)
{
    QGridLayout *layout = into ? into : m_grid;
    const int row = layout->rowCount();
    auto *list = new QComboBox(this);
    fillList(list, entries, editable);
    auto *caption = new QLabel(label, this);
    caption->setBuddy(list);
    layout->addWidget(caption, row, 0);
    layout->addWidget(list, row, 1);
    return list;
}

QLineEdit *CFormDlg::addBrowseRow(const QString &label, const char *filterPairs, QGridLayout *into)
{
    QGridLayout *layout = into ? into : m_grid;
    QLineEdit *edit = addTextRow(label, layout);
    const int row = layout->rowCount() - 1;
    layout->addWidget(addBrowseButton(edit, filterPairs), row, 2);
    return edit;
}

QPushButton *CFormDlg::addBrowseButton(QLineEdit *field, const char *filterPairs)
{
    auto *button = new QPushButton(QStringLiteral("..."), this);
    button->setAutoDefault(false);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    connect(button, &QPushButton::clicked, this, [this, field, filterPairs] {
        if (const auto chosen = chooseFile(filterPairs)) {
            // File names are UTF-8 whatever the page's encoding.
            field->setText(QString::fromStdString(
                tarnel::BrowsedPath(m_pagePath.toStdString(), chosen->toStdString())));
            emit fileBrowsed(field, *chosen);
        }
    });
    return button;
}

QPushButton *CFormDlg::addButton(const QString &caption)
{
    auto *button = new QPushButton(caption, m_buttonRow);
    button->setAutoDefault(false);
    auto *buttons = static_cast<QHBoxLayout *>(m_buttonRow->layout());
    buttons->insertWidget(buttons->indexOf(m_cancel), button);
    return button;
}
