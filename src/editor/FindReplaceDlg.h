#pragma once

#include "FindService.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The Find and Replace dialog of the source view (modeless, one at a time): it binds its
// fields to a find service and says in the status bar what came of each button.
class CFindReplaceDlg : public QDialog
{
    Q_OBJECT
public:
    using StatusReport = std::function<void(const QString &text)>;
    CFindReplaceDlg(CFindService service, StatusReport report, bool replace,
                    QWidget *parent = nullptr);

    QLineEdit *findField() const { return m_find; }
    QLineEdit *replaceField() const { return m_replace; }

private:
    FindOptions readOptions() const;
    void updateButtons();
    void findNext();
    void replaceCurrent();
    void replaceAll();
    // Moves the dialog off the match just selected, when it covers it.
    void moveAsideFromMatch();

    CFindService m_service;
    StatusReport m_report;
    QLineEdit *m_find;
    QLineEdit *m_replace = nullptr;
    QCheckBox *m_matchCase;
    QCheckBox *m_wholeWord;
    QCheckBox *m_regex;
    QRadioButton *m_up = nullptr;
    QRadioButton *m_down = nullptr;
    QPushButton *m_findNext;
    QPushButton *m_replaceButton = nullptr;
    QPushButton *m_replaceAll = nullptr;
};
