#pragma once

#include <QHash>
#include <QMainWindow>

class CDocFrame;
class CDocTemplate;
class CTarnelApp;
class CTarnelDoc;
class CView;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTabBar;
class QToolBar;
enum class ViewKind;

// The main window: menus (one set while no page is open, one while a source window is
// active), the toolbar, the Source View / HTML View tabs, the status bar and the document
// windows. Commands go to the application, the active document window or its view.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    explicit CMainFrame(CTarnelApp *app, QWidget *parent = nullptr);
    ~CMainFrame() override;

    QMdiArea *mdiArea() const { return m_mdiArea; }
    QAction *action(int id) const { return m_actions.value(id); }
    QTabBar *tabBar() const { return m_wndTab; }
    QToolBar *toolBar() const { return m_toolBar; }
    QToolBar *tabBand() const { return m_tabBand; }
    int htmlActive() const { return m_bHtmlActive; }

    CDocFrame *activeDocFrame() const;
    CView *activeView() const;
    CTarnelDoc *activeDocument() const;

    // Adds a new document window to the workspace.
    void addDocFrame(CDocFrame *frame);
    // Shows the active document in a window of the given kind, making one the first time.
    void CreateOrActivateFrame(CDocTemplate *pTemplate, bool previewKind);
    // Brings the menu, the enabled commands and the tab in line with the active window.
    void updateCommandStates();
    void rebuildRecentFilesMenu();

    static QString idleText();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void createTabs();
    void createStatusBar();
    void updateLockIndicators();
    void onCommand(int id);
    void onSubWindowActivated(QMdiSubWindow *window);
    void onTabChanged(int index);
    void showMenusFor(bool sourceWindowActive);
    void switchPane(bool forward);
    QMenu *makeMenu(const QString &title, const QList<int> &ids);

    CTarnelApp *m_app;
    QMdiArea *m_mdiArea;
    QHash<int, QAction *> m_actions;
    QToolBar *m_toolBar = nullptr;
    QToolBar *m_tabBand = nullptr;
    QWidget *m_dialogBar = nullptr;
    QTabBar *m_wndTab = nullptr;
    int m_bHtmlActive = 0;
    bool m_switchingTabs = false;
    QLabel *m_indicators[3] = {};
    QMenu *m_recentMenu128 = nullptr;
    QMenu *m_recentMenu129 = nullptr;
    QList<QAction *> m_recentActions128;
    QList<QAction *> m_recentActions129;
    QList<QMenu *> m_menus128;
    QList<QMenu *> m_menus129;
    bool m_showing129 = false;
    bool m_destroying = false;
};
