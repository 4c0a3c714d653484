#pragma once

// Filling an Insert form through its widgets, found by their object names (the names of the
// fields they feed).

#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QPair>
#include <QPushButton>
#include <QTest>

namespace formtest {

using Inputs = QList<QPair<QString, QString>>;

inline QPushButton *buttonNamed(QWidget *form, const QString &caption)
{
    for (auto *button : form->findChildren<QPushButton *>())
        if (button->text() == caption)
            return button;
    return nullptr;
}

// Types into text fields and editable lists, picks entries of pick-only lists.
inline bool fill(QWidget *form, const Inputs &inputs)
{
    for (const auto &[name, value] : inputs) {
        if (auto *edit = form->findChild<QLineEdit *>(name)) {
            QTest::keyClicks(edit, value);
        } else if (auto *list = form->findChild<QComboBox *>(name)) {
            if (list->isEditable()) {
                QTest::keyClicks(list->lineEdit(), value);
            } else {
                const int index = list->findText(value);
                if (index < 0) {
                    qWarning() << name << "has no entry" << value;
                    return false;
                }
                list->setCurrentIndex(index);
            }
        } else {
            qWarning() << "no input" << name;
            return false;
        }
    }
    return true;
}

inline QString inputText(QWidget *form, const QString &name)
{
    if (auto *edit = form->findChild<QLineEdit *>(name))
        return edit->text();
    return form->findChild<QComboBox *>(name)->currentText();
}

} // namespace formtest
