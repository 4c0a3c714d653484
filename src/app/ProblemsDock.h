#pragma once

#include <QDockWidget>
#include <QPointer>

#include <functional>

namespace tarnel {
struct Finding;
}

class CCheckService;
class CChildFrame;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QStatusBar;
class QTreeWidget;
class QTreeWidgetItem;

// The Problems list: what the check found in the active window's page, with severity, line,
// column and message. A double click goes there in the page's source window; the status bar
// shows the count. A problem with a certain fix is starred, and Fix (Ctrl+., also in the
// right-button menu) takes it.
class CProblemsDock : public QDockWidget
{
    Q_OBJECT
public:
    CProblemsDock(QMdiArea *windows, QStatusBar *statusBar, QWidget *parent = nullptr);

    QTreeWidget *list() const { return m_list; }
    QLabel *countLabel() const { return m_count; }
    QAction *fixAction() const { return m_fix; }
    // Goes to the problem in row `row`.
    void goTo(int row);
    // Takes the fix of the problem in row `row`, when it has one.
    void fix(int row);
    // Asks for the file a missing one should be: an absolute path, empty when cancelled.
    using FileChooser = std::function<QString(QWidget *parent, const QString &folder)>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

private:
    void follow(QMdiSubWindow *window);
    void refill();
    void offerFixOf(int row);
    void showMenu(const QPoint &position);
    CChildFrame *sourceFrame() const;
    void giveAlt(CChildFrame *source, std::size_t tagStart);
    void giveAltInItsOwnForm(CChildFrame *source, std::size_t tagStart);
    void writeOver(CChildFrame *source, std::size_t offset, std::size_t length,
                   const std::string &bytes);
    void chooseFile(CChildFrame *source, const tarnel::Finding &finding);

    QMdiArea *m_windows;
    QTreeWidget *m_list;
    QLabel *m_count;
    QAction *m_fix;
    FileChooser m_chooseFile;
    QPointer<CCheckService> m_checks;
};
