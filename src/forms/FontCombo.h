#pragma once

#include <QComboBox>
#include <QStringList>

// The face list of the formatted-text form: an editable list of the installed font
// families that can write Western text, each listed once, in alphabetical order.
class CFontCombo : public QComboBox
{
    Q_OBJECT
public:
    explicit CFontCombo(QWidget *parent = nullptr);

    // The family names as the font database reported them.
    const QStringList &names() const { return m_names; }

private:
    void fill();

    QStringList m_names;
};
