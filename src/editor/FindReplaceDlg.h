#pragma once

#include <QDialog>

class CTarnelView;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// What the last Find or Replace looked for; Find Next (F3) repeats it.
struct FindOptions
{
    QString what;
    QString replaceWith;
    bool matchCase = false;
    bool wholeWord = false;
    bool down = true;
};

// The Find and Replace dialog of the source view (modeless, one at a time).
class CFindReplaceDlg : public QDialog
{
    Q_OBJECT
public:
    CFindReplaceDlg(CTarnelView *view, bool replace, QWidget *parent = nullptr);

    static FindOptions &lastOptions();
    // Finds the next match from the caret; false (with a status message) when there is none.
    static bool findNext(CTarnelView *view, const FindOptions &options);
    // Replaces the selection when it is a match, then finds the next one.
    static bool replaceCurrent(CTarnelView *view, const FindOptions &options);
    // Replaces every match in the page as one undo step; returns how many.
    static int replaceAll(CTarnelView *view, const FindOptions &options);

    QLineEdit *findField() const { return m_find; }
    QLineEdit *replaceField() const { return m_replace; }

private:
    FindOptions readOptions() const;
    void updateButtons();

    CTarnelView *m_view;
    QLineEdit *m_find;
    QLineEdit *m_replace = nullptr;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWord;
    QRadioButton *m_up = nullptr;
    QRadioButton *m_down = nullptr;
    QPushButton *m_findNext;
    QPushButton *m_replaceButton = nullptr;
    QPushButton *m_replaceAll = nullptr;
};
