#pragma once

#include "PageCodec.h"

#include <QDialog>
#include <QStringList>

#include <optional>
#include <span>
#include <string>
#include <string_view>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

// What every Insert form shares: OK reads the inputs and validates (a failed validation
// shows its message and keeps the form open as it was), Cancel/Escape/close box set
// `cancelled`, browse buttons, and pick-only or editable drop-down lists kept sorted.
// A form reads its widgets into a core fields struct; the HTML rules live in the core.
class CFormDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CFormDlg(const QString &caption, QWidget *parent = nullptr);

    // True only when the form was closed by Cancel, Escape or its close box.
    bool cancelled = false;

    // The saved page's path (empty for a page never saved): browsed files in its folder
    // are written relative to it.
    void setPagePath(const QString &pagePath) { m_pagePath = pagePath; }
    QString pagePath() const { return m_pagePath; }
    // The page's encoding: fields show the page's bytes and write back what they hold in it.
    void setPageCodec(const CPageCodec &codec) { m_codec = codec; }

    void accept() override;
    void reject() override;
    // Reads the inputs into the fields as OK does. Right after the fields were set this is
    // how the form shows them, against which what the user changed can be told.
    void readInputs() { readFields(); }

    // Fills a drop-down with fixed entries shown in sorted order (case-insensitive). An
    // optional pick-only list gets an empty entry, shown first and chosen, so that a choice
    // can be taken back.
    static void fillList(QComboBox *list, QStringList entries, bool editable,
                         bool optional = false);
    // A text the core holds for the user (a caption, a label, a refusal), translated here
    // because the core knows nothing of Qt.
    static QString coreText(std::string_view text);
    // A core entry list (align values, colour names) as list entries.
    static QStringList listEntries(std::span<const std::string_view> entries);
    // Shows a prefilled value exactly as it stands, so that OK writes it back unchanged: the
    // entry equal to it, else in an editable list the text itself and in a pick-only list an
    // extra entry holding it. An empty text shows nothing selected.
    static void selectValue(QComboBox *list, const QString &text);
    // What an input holds, as page bytes.
    std::string text(const QLineEdit *edit) const;
    std::string text(const QComboBox *list) const;
    std::string text(const QPlainTextEdit *edit) const;
    std::string text(const QString &shown) const { return m_codec.toPage(shown); }
    // Page bytes as an input shows them.
    QString qtext(std::string_view pageBytes) const { return m_codec.toText(pageBytes); }

    // The text a row's input (line, drop-down or text block) holds, as page bytes, and the reverse.
    std::string inputText(const QWidget *input) const;
    void showInput(QWidget *input, std::string_view pageBytes);

    // Runs the file chooser; a cancelled chooser returns nothing and leaves the field alone.
    std::optional<QString> chooseFile(const char *filterPairs);

signals:
    // Emitted after a browse button wrote a chosen file into its field.
    void fileBrowsed(QLineEdit *field, const QString &chosenFullPath);

protected:
    // Copies the inputs into the form's fields (OK only).
    virtual void readFields() = 0;
    // The message of the first missing required field, or nothing when the fields are fine.
    virtual std::optional<std::string> validate() const { return std::nullopt; }
    // On first showing: mnemonics, Tab order, read-only look and the starting focus.
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // The "You must enter ...!!" message box over the form.
    void showRefusal(const std::string &message);

    // Layout helpers for forms built in code.
    QGridLayout *grid() const { return m_grid; }
    QVBoxLayout *body() const { return m_body; }
    QLineEdit *addTextRow(const QString &label, QGridLayout *into = nullptr);
    // A few lines of text across the whole row; Tab leaves it.
    QPlainTextEdit *addTextBlock(QGridLayout *into);
    // A text input without the default length limit: a page's value (a data: address) may be
    // longer than any limit, and a cut one would be written back cut.
    static QLineEdit *newTextField(QWidget *parent);
    QComboBox *addListRow(const QString &label, const QStringList &entries, bool editable,
                          QGridLayout *into = nullptr, bool optional = true);
    // A text row with a "..." button beside it that fills the field from the file chooser.
    QLineEdit *addBrowseRow(const QString &label, const char *filterPairs,
                            QGridLayout *into = nullptr);
    QPushButton *addBrowseButton(QLineEdit *field, const char *filterPairs);
    QPushButton *okButton() const { return m_ok; }
    QPushButton *cancelButton() const { return m_cancel; }
    // Adds an extra button before Cancel (e.g. "Add New Control").
    QPushButton *addButton(const QString &caption);

private:
    void giveMnemonics();
    void putButtonsLastInTabOrder();
    void lookReadOnlyWhereSo();
    void focusFirstEditable();

    QString m_pagePath;
    CPageCodec m_codec;
    QVBoxLayout *m_body = nullptr;
    QGridLayout *m_grid = nullptr;
    QWidget *m_buttonRow = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    bool m_shownBefore = false;
};

// Marks the mnemonic of a caption: the first letter of a word not yet taken, else any
// letter not yet taken; the caption stays as it is when all its letters are taken. `taken`
// collects the chosen letters (lower case).
QString withMnemonic(const QString &caption, QString &taken);
// A read-only text field shows the form's background instead of a text field's.
void showReadOnlyLook(QLineEdit *field);
