#pragma once

#include <QDockWidget>
#include <QPointer>

class CCheckService;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;

// The Problems list: what the check found in the active window's page, with severity, line,
// column and message. A double click goes there in the page's source window; the status bar
// shows the count.
class CProblemsDock : public QDockWidget
{
    Q_OBJECT
public:
    CProblemsDock(QMdiArea *windows, QStatusBar *statusBar, QWidget *parent = nullptr);

    QTreeWidget *list() const { return m_list; }
    QLabel *countLabel() const { return m_count; }
    // Goes to the problem in row `row`.
    void goTo(int row);

private:
    void follow(QMdiSubWindow *window);
    void refill();

    QMdiArea *m_windows;
    QTreeWidget *m_list;
    QLabel *m_count;
    QPointer<CCheckService> m_checks;
};
