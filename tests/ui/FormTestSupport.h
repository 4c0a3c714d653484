#pragma once

// Finding a form's inputs by their captions and working them as a user does.

#include "FontCombo.h"

#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace formtest {

// A caption as shown, without the marker of its mnemonic.
inline QString shownCaption(QString text)
{
    const qsizetype marker = text.indexOf(QLatin1Char('&'));
    if (marker >= 0 && marker + 1 < text.size() && text[marker + 1] != QLatin1Char('&'))
        text.remove(marker, 1);
    return text;
}

// The first child of type W showing `caption` (buttons, check boxes, labels).
template <typename W> W *withText(QWidget *form, const QString &caption)
{
    for (W *w : form->findChildren<W *>())
        if (shownCaption(w->text()) == caption)
            return w;
    return nullptr;
}

// The input a caption stands for.
template <typename W> W *captioned(QWidget *form, const QString &caption)
{
    QLabel *label = withText<QLabel>(form, caption);
    return label ? qobject_cast<W *>(label->buddy()) : nullptr;
}

inline QLineEdit *field(QWidget *form, const QString &caption)
{
    return captioned<QLineEdit>(form, caption);
}

inline QComboBox *list(QWidget *form, const QString &caption)
{
    return captioned<QComboBox>(form, caption);
}

// Picks an entry with the keyboard, an arrow key onto it, so the list reports it as chosen.
inline void pick(QComboBox *box, int index)
{
    box->setCurrentIndex(index > 0 ? index - 1 : 1);
    QTest::keyClick(box, index > 0 ? Qt::Key_Down : Qt::Key_Up);
}

// Answers the colour chooser that opens next with `colour`, or cancels it when `colour` is
// invalid. `opened` tells whether one opened.
inline void answerColourChooser(QColor colour, bool *opened)
{
    QTimer::singleShot(0, [colour, opened] {
        auto *chooser = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        if (!chooser)
            return;
        *opened = true;
        if (!colour.isValid()) {
            chooser->reject();
            return;
        }
        chooser->setCurrentColor(colour);
        chooser->accept();
    });
}

// Clicks a colour button of the formatted-text form and answers its chooser.
inline void chooseColour(QWidget *form, const QString &button, QColor colour)
{
    bool opened = false;
    answerColourChooser(colour, &opened);
    QTest::mouseClick(withText<QPushButton>(form, button), Qt::LeftButton);
    QVERIFY(opened);
}

// The size list is the pick-only one, the style list the editable one beside it.
inline QComboBox *sizeList(QWidget *form)
{
    for (QComboBox *box : form->findChildren<QComboBox *>())
        if (!box->isEditable())
            return box;
    return nullptr;
}

inline QComboBox *styleList(QWidget *form)
{
    for (QComboBox *box : form->findChildren<QComboBox *>())
        if (box->isEditable() && !qobject_cast<CFontCombo *>(box))
            return box;
    return nullptr;
}

} // namespace formtest
