#include "MainFrame.h"

#include "LockKeys.h"

#include "ChildFrame.h"
#include "Commands.h"
#include "DocTemplate.h"
#include "MyFrame.h"
#include "MyView.h"
#include "SiteTree.h"
#include "TarnelApp.h"
#include "TarnelDoc.h"
#include "TarnelView.h"
#include "commandids.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>

using namespace tarnel;

namespace {

// Commands the application or the main window answer whatever window is active.
bool isFrameCommand(int id)
{
    switch (id) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_PRINT_SETUP:
    case ID_APP_EXIT:
    case ID_APP_ABOUT:
    case ID_VIEW_TOOLBAR:
    case ID_VIEW_STATUS_BAR:
        return true;
    default:
        return false;
    }
}

// Commands the active document window answers (through its document).
bool isDocumentCommand(int id)
{
    switch (id) {
    case ID_FILE_CLOSE:
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
    case ID_WINDOW_NEW:
    case ID_WINDOW_CASCADE:
    case ID_WINDOW_TILE:
    case ID_WINDOW_ARRANGE:
    case ID_NEXT_PANE:
    case ID_PREV_PANE:
        return true;
    default:
        return false;
    }
}

QIcon commandIcon(const CommandInfo &info, const QStyle *style)
{
    if (info.icon) {
        const QIcon icon(QString::fromLatin1(info.icon));
        if (!icon.availableSizes().isEmpty() || !icon.pixmap(16, 16).isNull())
            return icon;
    }
    switch (info.id) {
    case ID_FILE_NEW:
        return style->standardIcon(QStyle::SP_FileIcon);
    case ID_FILE_OPEN:
        return style->standardIcon(QStyle::SP_DialogOpenButton);
    case ID_FILE_SAVE:
        return style->standardIcon(QStyle::SP_DialogSaveButton);
    case ID_PREVIEW_STOP:
        return style->standardIcon(QStyle::SP_BrowserStop);
    case ID_PREVIEW_BACK:
        return style->standardIcon(QStyle::SP_ArrowBack);
    case ID_PREVIEW_FORWARD:
        return style->standardIcon(QStyle::SP_ArrowForward);
    case ID_PREVIEW_REFRESH:
        return style->standardIcon(QStyle::SP_BrowserReload);
    case ID_APP_ABOUT:
        return style->standardIcon(QStyle::SP_MessageBoxInformation);
    default:
        return {};
    }
}

} // namespace

CMainFrame::CMainFrame(CTarnelApp *app, QWidget *parent)
    : QMainWindow(parent)
    , m_app(app)
    , m_mdiArea(new QMdiArea(this))
{
    setWindowTitle(QStringLiteral("Editor"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/tarnel.svg")));
    m_mdiArea->setViewMode(QMdiArea::SubWindowView);
    m_mdiArea->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, false);
    setCentralWidget(m_mdiArea);
    createActions();
    createMenus();
    createToolBar();
    createTabs();
    createStatusBar();
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::onSubWindowActivated);
    resize(900, 640);
    updateCommandStates();
}

CMainFrame::~CMainFrame()
{
    // The document windows go first, while this window can still hear about it.
    m_destroying = true;
    m_mdiArea->disconnect(this);
    qDeleteAll(m_mdiArea->findChildren<CDocFrame *>());
}

QString CMainFrame::idleText()
{
    return QStringLiteral("Welcome to QUILLO Editor..To insert an Object click the  Insert Menu");
}

void CMainFrame::createActions()
{
    for (const CommandInfo &info : commandTable()) {
        auto *action = new QAction(QString::fromLatin1(info.caption), this);
        action->setData(info.id);
        if (!info.keys.isEmpty()) {
            action->setShortcuts(info.keys);
            action->setShortcutContext(Qt::WindowShortcut);
        }
        action->setStatusTip(promptStatusText(info));
        const QString tip = promptTooltip(info);
        action->setToolTip(
            tip.isEmpty()
                ? QString(info.caption).section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'))
                : tip);
        const QIcon icon = commandIcon(info, style());
        if (!icon.isNull())
            action->setIcon(icon);
        const int id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { onCommand(id); });
        addAction(action); // keeps the accelerators alive while no menu shows them
        m_actions.insert(id, action);
    }
    m_actions[ID_VIEW_TOOLBAR]->setCheckable(true);
    m_actions[ID_VIEW_TOOLBAR]->setChecked(true);
    m_actions[ID_VIEW_STATUS_BAR]->setCheckable(true);
    m_actions[ID_VIEW_STATUS_BAR]->setChecked(true);
}

QMenu *CMainFrame::makeMenu(const QString &title, const QList<int> &ids)
{
    auto *menu = new QMenu(title, this);
    for (int id : ids) {
        if (id == 0)
            menu->addSeparator();
        else
            menu->addAction(m_actions.value(id));
    }
    return menu;
}

void CMainFrame::createMenus()
{
    const QList<int> edit = {ID_EDIT_UNDO,       0, ID_EDIT_CUT,  ID_EDIT_COPY,   ID_EDIT_PASTE,
                             ID_EDIT_SELECT_ALL, 0, ID_EDIT_FIND, ID_EDIT_REPEAT, ID_EDIT_REPLACE};
    const QList<int> view = {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR};
    const QList<int> insertHead = {ID_INSERT_IMAGE,   ID_INSERT_BACKGROUND, ID_INSERT_SOUND,
                                   ID_INSERT_LINK,    ID_INSERT_APPLETS,    ID_INSERT_TABLES,
                                   ID_INSERT_MARQUEE, ID_INSERT_META,       ID_INSERT_FRAMES};
    auto makeFile = [this](bool withClose, QMenu **recentMenu) {
        QList<int> ids = {ID_FILE_NEW, ID_FILE_OPEN};
        if (withClose)
            ids << ID_FILE_CLOSE;
        ids << ID_FILE_SAVE << ID_FILE_SAVE_AS << 0 << ID_FILE_PRINT << ID_FILE_PRINT_PREVIEW
            << ID_FILE_PRINT_SETUP << 0;
        QMenu *file = makeMenu(tr("&File"), ids);
        *recentMenu = file;
        file->addSeparator();
        file->addAction(m_actions.value(ID_APP_EXIT));
        return file;
    };
    auto makeInsert = [&](bool withText) {
        QMenu *insert = makeMenu(tr("&Insert"), insertHead);
        QMenu *list = insert->addMenu(tr("List"));
        list->addAction(m_actions.value(ID_LIST_ORDERED));
        list->addAction(m_actions.value(ID_LIST_UNORDERED));
        list->addAction(m_actions.value(ID_LIST_DEFINING));
        insert->addAction(m_actions.value(ID_INSERT_CONTROLS));
        if (withText)
            insert->addAction(m_actions.value(ID_INSERT_TEXT));
        return insert;
    };
    // Menu 128: no document window open; Help stands before Insert.
    m_menus128 = {makeFile(false, &m_recentMenu128), makeMenu(tr("&Edit"), edit),
                  makeMenu(tr("&View"), view), makeMenu(tr("&Help"), {ID_APP_ABOUT}),
                  makeInsert(false)};
    // Menu 129: a source window is active; adds Close, Window and Insert > Text.
    m_menus129 = {makeFile(true, &m_recentMenu129),
                  makeMenu(tr("&Edit"), edit),
                  makeMenu(tr("&View"), view),
                  makeMenu(tr("&Window"),
                           {ID_WINDOW_NEW, ID_WINDOW_CASCADE, ID_WINDOW_TILE, ID_WINDOW_ARRANGE}),
                  makeInsert(true),
                  makeMenu(tr("&Help"), {ID_APP_ABOUT})};
    for (QMenu *menu : m_menus128 + m_menus129)
        menu->installEventFilter(this);
    rebuildRecentFilesMenu();
    m_showing129 = true; // forces the first showMenusFor to build the bar
    showMenusFor(false);
}

void CMainFrame::rebuildRecentFilesMenu()
{
    auto rebuild = [this](QMenu *file, QList<QAction *> &entries) {
        for (QAction *a : entries) {
            file->removeAction(a);
            a->deleteLater();
        }
        entries.clear();
        QAction *exit = m_actions.value(ID_APP_EXIT);
        // The separator before Exit stays; entries go above it.
        const QList<QAction *> all = file->actions();
        QAction *before = all.size() >= 2 ? all.at(all.size() - 2) : exit;
        const QStringList files = m_app ? m_app->recentFiles() : QStringList();
        if (files.isEmpty()) {
            auto *placeholder = new QAction(tr("Recent File"), file);
            placeholder->setEnabled(false);
            file->insertAction(before, placeholder);
            entries.append(placeholder);
            return;
        }
        for (int i = 0; i < files.size(); ++i) {
            auto *entry = new QAction(
                QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files.at(i)).fileName()), file);
            entry->setStatusTip(tr("Open this document"));
            entry->setToolTip(files.at(i));
            const QString path = files.at(i);
            connect(entry, &QAction::triggered, this, [this, path] { m_app->openRecent(path); });
            file->insertAction(before, entry);
            entries.append(entry);
        }
    };
    rebuild(m_recentMenu128, m_recentActions128);
    rebuild(m_recentMenu129, m_recentActions129);
}

void CMainFrame::showMenusFor(bool sourceWindowActive)
{
    if (sourceWindowActive == m_showing129)
        return;
    m_showing129 = sourceWindowActive;
    QMenuBar *bar = menuBar();
    bar->clear();
    for (QMenu *menu : sourceWindowActive ? m_menus129 : m_menus128)
        bar->addMenu(menu);
}

void CMainFrame::createToolBar()
{
    m_toolBar = addToolBar(tr("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("toolbar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    const QList<int> buttons = {ID_FILE_NEW,
                                ID_FILE_OPEN,
                                ID_FILE_SAVE,
                                0,
                                ID_EDIT_CUT,
                                ID_EDIT_COPY,
                                ID_EDIT_PASTE,
                                0,
                                ID_FILE_PRINT,
                                0,
                                ID_APP_ABOUT,
                                ID_OPEN_IN_BROWSER,
                                0,
                                ID_PREVIEW_STOP,
                                ID_PREVIEW_BACK,
                                ID_PREVIEW_FORWARD,
                                ID_PREVIEW_REFRESH};
    for (int id : buttons) {
        if (id == 0)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(m_actions.value(id));
    }
    connect(m_actions[ID_VIEW_TOOLBAR], &QAction::toggled, m_toolBar, &QToolBar::setVisible);
    connect(m_toolBar, &QToolBar::visibilityChanged, m_actions[ID_VIEW_TOOLBAR],
            &QAction::setChecked);
}

void CMainFrame::createTabs()
{
    addToolBarBreak();
    m_tabBand = addToolBar(tr("Views"));
    m_tabBand->setObjectName(QStringLiteral("tabband"));
    m_tabBand->setMovable(false);
    m_wndTab = new QTabBar(m_tabBand);
    m_wndTab->setObjectName(QStringLiteral("viewTabs"));
    m_wndTab->setIconSize(QSize(20, 20));
    m_wndTab->setDrawBase(false);
    m_wndTab->setExpanding(false);
    m_wndTab->addTab(QIcon(QStringLiteral(":/icons/source.svg")), tr("Source View"));
    m_wndTab->addTab(QIcon(QStringLiteral(":/icons/html.svg")), tr("HTML View"));
    m_tabBand->addWidget(m_wndTab);
    // The empty dialog bar of the original layout: a thin strip at the top.
    m_dialogBar = new QWidget(m_tabBand);
    m_dialogBar->setFixedHeight(5);
    m_tabBand->addWidget(m_dialogBar);
    connect(m_wndTab, &QTabBar::currentChanged, this, &CMainFrame::onTabChanged);
}

void CMainFrame::createStatusBar()
{
    QStatusBar *bar = statusBar();
    const char *texts[] = {"CAP", "NUM", "SCRL"};
    for (int i = 0; i < 3; ++i) {
        m_indicators[i] = new QLabel(QString::fromLatin1(texts[i]), bar);
        m_indicators[i]->setAlignment(Qt::AlignCenter);
        m_indicators[i]->setMinimumWidth(
            m_indicators[i]->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        m_indicators[i]->setFrameShape(QFrame::StyledPanel);
        m_indicators[i]->setFrameShadow(QFrame::Sunken);
        bar->addPermanentWidget(m_indicators[i]);
    }
    updateLockIndicators();
    // A lock key pressed in any of our windows shows at once; one pressed elsewhere, when the
    // window is next activated.
    qApp->installEventFilter(this);
    bar->showMessage(idleText());
    connect(bar, &QStatusBar::messageChanged, this, [bar](const QString &message) {
        if (message.isEmpty())
            bar->showMessage(idleText());
    });
    connect(m_actions[ID_VIEW_STATUS_BAR], &QAction::toggled, bar, &QStatusBar::setVisible);
}

CDocFrame *CMainFrame::activeDocFrame() const
{
    return qobject_cast<CDocFrame *>(m_mdiArea->activeSubWindow());
}

CView *CMainFrame::activeView() const
{
    CDocFrame *frame = activeDocFrame();
    return frame ? frame->activeView() : nullptr;
}

CTarnelDoc *CMainFrame::activeDocument() const
{
    CDocFrame *frame = activeDocFrame();
    return frame ? frame->document() : nullptr;
}

void CMainFrame::addDocFrame(CDocFrame *frame)
{
    m_mdiArea->addSubWindow(frame);
    frame->canClose = [this](CDocFrame *f) { return m_app->CanCloseFrame(f); };
    if (auto *child = qobject_cast<CChildFrame *>(frame)) {
        QList<QKeySequence> keys;
        for (QAction *action : std::as_const(m_actions))
            keys += action->shortcuts();
        child->sourceView()->releaseKeys(keys);
    }
    if (auto *preview = qobject_cast<CMyFrame *>(frame))
        connect(preview->previewView(), &CMyView::statusMessage, statusBar(),
                &QStatusBar::showMessage);
    connect(frame, &QObject::destroyed, this, [this] { updateCommandStates(); });
}

void CMainFrame::updateCommandStates()
{
    if (m_destroying)
        return;
    CDocFrame *frame = activeDocFrame();
    CView *view = frame ? frame->activeView() : nullptr;
    const bool sourceActive = dynamic_cast<CTarnelView *>(view) != nullptr;
    showMenusFor(sourceActive);
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const int id = it.key();
        bool enabled = isFrameCommand(id);
        if (!enabled && isDocumentCommand(id))
            enabled = frame != nullptr;
        if (!enabled && view)
            enabled = view->handlesCommand(id);
        it.value()->setEnabled(enabled);
    }
    // The tabs are usable while any source window is open, and show the active window's kind.
    bool anySource = false;
    for (QMdiSubWindow *w : m_mdiArea->subWindowList())
        anySource = anySource || qobject_cast<CChildFrame *>(w);
    m_wndTab->setEnabled(anySource);
    if (frame) {
        m_switchingTabs = true;
        m_bHtmlActive = sourceActive ? 0 : 1;
        m_wndTab->setCurrentIndex(m_bHtmlActive);
        m_switchingTabs = false;
    }
}

void CMainFrame::onSubWindowActivated(QMdiSubWindow *window)
{
    if (auto *frame = qobject_cast<CDocFrame *>(window)) {
        frame->showMaximized();
        m_app->onFrameActivated(frame);
    }
    updateCommandStates();
}

void CMainFrame::onTabChanged(int index)
{
    if (m_switchingTabs)
        return;
    if (!activeDocFrame()) {
        m_switchingTabs = true;
        m_wndTab->setCurrentIndex(m_bHtmlActive);
        m_switchingTabs = false;
        return;
    }
    if (index == 1) {
        m_bHtmlActive = 1;
        m_app->m_bReloadPreview = true;
        CreateOrActivateFrame(m_app->m_pPreviewTemplate, true);
    } else {
        m_bHtmlActive = 0;
        CreateOrActivateFrame(m_app->m_pSourceTemplate, false);
    }
    updateCommandStates();
}

void CMainFrame::CreateOrActivateFrame(CDocTemplate *pTemplate, bool previewKind)
{
    CTarnelDoc *doc = activeDocument();
    if (!doc || !pTemplate)
        return;
    for (QMdiSubWindow *w : m_mdiArea->subWindowList()) {
        auto *frame = qobject_cast<CDocFrame *>(w);
        if (!frame || frame->document() != doc)
            continue;
        const bool isSource = qobject_cast<CChildFrame *>(frame) != nullptr;
        if (isSource != previewKind) {
            m_mdiArea->setActiveSubWindow(frame);
            frame->showMaximized();
            return;
        }
    }
    if (CDocFrame *frame = pTemplate->CreateNewFrame(doc)) {
        addDocFrame(frame);
        CDocTemplate::InitialUpdateFrame(frame);
        m_mdiArea->setActiveSubWindow(frame);
    }
}

void CMainFrame::switchPane(bool forward)
{
    auto *frame = qobject_cast<CChildFrame *>(activeDocFrame());
    if (!frame)
        return;
    // Two panes: either direction moves to the other one.
    (void)forward;
    const bool inOutline = focusWidget() == static_cast<QWidget *>(frame->outline());
    if (inOutline)
        frame->sourceView()->setFocus();
    else
        frame->outline()->setFocus();
}

void CMainFrame::onCommand(int id)
{
    switch (id) {
    case ID_FILE_NEW:
        m_app->OnFileNew();
        return;
    case ID_FILE_OPEN:
        m_app->OnFileOpen();
        return;
    case ID_FILE_PRINT_SETUP:
        m_app->OnFilePrintSetup();
        return;
    case ID_APP_EXIT:
        close();
        return;
    case ID_APP_ABOUT:
        m_app->OnAppAbout();
        return;
    case ID_VIEW_TOOLBAR:
    case ID_VIEW_STATUS_BAR:
        return; // the checkable actions toggle their bars
    case ID_FILE_CLOSE:
        if (CTarnelDoc *doc = activeDocument())
            m_app->CloseDocument(doc);
        return;
    case ID_FILE_SAVE:
        if (CTarnelDoc *doc = activeDocument())
            m_app->SaveDocument(doc, false);
        return;
    case ID_FILE_SAVE_AS:
        if (CTarnelDoc *doc = activeDocument())
            m_app->SaveDocument(doc, true);
        return;
    case ID_WINDOW_NEW:
        if (CTarnelDoc *doc = activeDocument()) {
            if (CDocFrame *frame = m_app->m_pSourceTemplate->CreateNewFrame(doc)) {
                addDocFrame(frame);
                CDocTemplate::InitialUpdateFrame(frame);
                m_mdiArea->setActiveSubWindow(frame);
            }
        }
        return;
    case ID_WINDOW_CASCADE:
        m_mdiArea->cascadeSubWindows();
        return;
    case ID_WINDOW_TILE:
        m_mdiArea->tileSubWindows();
        return;
    case ID_WINDOW_ARRANGE:
        for (QMdiSubWindow *w : m_mdiArea->subWindowList())
            if (w->isMinimized())
                w->showMinimized();
        return;
    case ID_NEXT_PANE:
    case ID_PREV_PANE:
        switchPane(id == ID_NEXT_PANE);
        return;
    default:
        if (CView *view = activeView(); view && view->handlesCommand(id))
            view->onCommand(id);
        return;
    }
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (!m_app->SaveAllModified()) {
        event->ignore();
        return;
    }
    m_app->CloseAllDocuments();
    event->accept();
}

void CMainFrame::updateLockIndicators()
{
    // Unknown states (no X11 display) leave all three dimmed.
    const LockKeyStates states = queryLockKeys().value_or(LockKeyStates{});
    const bool on[] = {states.capsLock, states.numLock, states.scrollLock};
    for (int i = 0; i < 3; ++i)
        m_indicators[i]->setEnabled(on[i]);
}

bool CMainFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::ApplicationActivate) {
        const auto *key =
            event->type() == QEvent::KeyRelease ? static_cast<QKeyEvent *>(event) : nullptr;
        if (!key || key->key() == Qt::Key_CapsLock || key->key() == Qt::Key_NumLock ||
            key->key() == Qt::Key_ScrollLock)
            updateLockIndicators();
    }
    // Menus may have been torn between documents: refresh the enabled states when one opens.
    if (event->type() == QEvent::Show && qobject_cast<QMenu *>(watched))
        updateCommandStates();
    return QMainWindow::eventFilter(watched, event);
}
