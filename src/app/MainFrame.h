#pragma once

#include "keybindings.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTextBrowser>

#include <memory>

class CCommandHandlers;
class CDocFrame;
class CDocManager;
class CDocTemplate;
class CProblemsDock;
class CTarnelDoc;
class CView;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTabBar;
class QToolBar;

// The main window: menus (one set while a source window is active, one otherwise), the
// toolbar, the Source View / HTML View tabs, the status bar and the document windows. Each
// command's action runs the handler the main window or the active view supplies for it.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    explicit CMainFrame(CDocManager *documents, QWidget *parent = nullptr);
    ~CMainFrame() override;

    QMdiArea *mdiArea() const { return m_mdiArea; }
    QAction *action(int id) const { return m_actions.value(id); }
    QTabBar *tabBar() const { return m_wndTab; }
    // Writes what the next start restores (the window and the open pages), as closing the
    // window does: for a run ended from outside, which closes no window.
    void rememberForNextStart() const
    {
        saveWindowState();
        saveSession();
    }
    QToolBar *toolBar() const { return m_toolBar; }
    CProblemsDock *problems() const { return m_problems; }
    int htmlActive() const { return m_bHtmlActive; }

    CDocFrame *activeDocFrame() const;
    CView *activeView() const;
    CTarnelDoc *activeDocument() const;

    // Shows the active document in a window of the given kind, making one the first time.
    void CreateOrActivateFrame(CDocTemplate *pTemplate, bool previewKind);
    // Brings the menu, the enabled commands and the tab in line with the active window.
    void updateCommandStates();
    void rebuildRecentFilesMenu();
    // The next activation of a preview window rewrites the page's copy and reloads it.
    void requestPreviewReload() { m_bReloadPreview = true; }

    void OnAppAbout();
    // Edit > Preferences: kept in the profile and applied to every source window at once.
    void editPreferences();
    // Every command runs by these keys from now on (MainFrameKeys.cpp), and its menu entry
    // shows the first.
    void applyKeyBindings(const tarnel::KeyBindings &bindings);
    const tarnel::KeyBindings &keyBindings() const { return m_keyBindings; }
    // The window's size, place, bars and panes as the last run left them (MainFrameSession.cpp);
    // false when the profile holds no size and place.
    bool restoreWindowState();
    // Opens again the pages the last run left open, each with its caret, scroll and live
    // preview, and activates the one that was active; a page gone since is skipped and told in
    // the status bar. Returns how many opened.
    int restoreSession();

    // Help > Keys and Features: every command with its keys, in a window of its own.
    void showKeysHelp();
    QTextBrowser *keysHelp() const { return m_keysHelp; }
    void OnFilePrintSetup();

    static QString idleText();

protected:
    void closeEvent(QCloseEvent *event) override;
    // Files dropped anywhere on the window but a source view: pages open, pictures and text
    // files go to the active source view at its caret.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One set of menus for the menu bar, with the File menu's recent-file entries.
    struct MenuSet
    {
        QList<QMenu *> menus;
        QMenu *file = nullptr;
        QList<QAction *> recentEntries;
    };

    // What the next start restores, written as the window closes.
    void saveWindowState() const;
    void saveSession() const;
    void createActions();
    void addOwnCommands();
    void createMenus();
    void createToolBar();
    void createTabs();
    void createStatusBar();
    void createProblemsDock();
    void updateLockIndicators();
    QAction *handlerOf(int id) const;
    void runCommand(int id);
    void followViewCommands(CView *view);
    void onSubWindowActivated(QMdiSubWindow *window);
    void onTabChanged(int index);
    void showMenusFor(bool sourceWindowActive);
    void rebuildRecentEntries(MenuSet &set);
    void switchPane();
    // Ctrl+PgDown and Ctrl+PgUp: the next or the previous page's source window, in the order
    // the windows were opened, round from the last to the first.
    void activateNeighbourPage(int step);
    QList<QKeySequence> boundKeys() const;
    // The menu of the command table's entries listed under `title`, with their submenus; those
    // listed for source windows only when `sourceWindow`.
    QMenu *makeMenu(const QString &title, bool sourceWindow);

    // Window management: every document window is made, added and activated here.
    void openWindow(const CDocTemplate &pTemplate, CTarnelDoc *doc);
    void addDocFrame(CDocFrame *frame);
    QList<CDocFrame *> windowsOf(const CTarnelDoc *doc) const;
    void raiseDocument(CTarnelDoc *doc);
    void deleteWindowsOf(const CTarnelDoc *doc);
    bool canCloseWindow(CDocFrame *frame);
    void showOpeningMessage(const QString &text, int timeoutMs);
    void dropFiles(const QStringList &paths);
    // The profile every preview shares; nullptr (said) when the browser cannot load.
    QObject *previewProfile();

    CDocManager *m_documents;
    std::unique_ptr<CDocTemplate> m_pSourceTemplate;
    std::unique_ptr<CDocTemplate> m_pPreviewTemplate;
    bool m_bReloadPreview = true;
    // Made with the first preview window: starting the browser engine costs time.
    QObject *m_previewProfile = nullptr;

    QMdiArea *m_mdiArea;
    QHash<int, QAction *> m_actions;
    tarnel::KeyBindings m_keyBindings;
    QPointer<QTextBrowser> m_keysHelp;
    CCommandHandlers *m_ownCommands;
    QList<QAction *> m_documentCommands; // own handlers that need an active document window
    QPointer<const CCommandHandlers> m_followedCommands;
    QToolBar *m_toolBar = nullptr;
    CProblemsDock *m_problems = nullptr;
    QWidget *m_dialogBar = nullptr;
    QTabBar *m_wndTab = nullptr;
    int m_bHtmlActive = 0;
    bool m_switchingTabs = false;
    QLabel *m_indicators[3] = {};
    QLabel *m_caretPane = nullptr; // "Ln 12, Col 5" of the source view's caret
    MenuSet m_plainMenus;          // no source window active
    MenuSet m_sourceMenus;         // a source window active: adds Close, Window and Insert > Text
    bool m_showingSourceMenus = false;
    bool m_destroying = false;
};
