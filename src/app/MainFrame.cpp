#include "MainFrame.h"

#include "LockKeys.h"

#include "AboutDlg.h"
#include "CheckService.h"
#include "ChildFrame.h"
#include "CommandHandlers.h"
#include "Commands.h"
#include "DocManager.h"
#include "DocTemplate.h"
#include "FileDrops.h"
#include "KeyProfile.h"
#include "PreferencesDlg.h"
#include "PreviewModule.h"
#include "ProblemsDock.h"
#include "SiteTree.h"
#include "TarnelDoc.h"
#include "TarnelView.h"
#include "WindowListMenu.h"
#include "commandids.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>

#include <utility>

using namespace tarnel;

CMainFrame::CMainFrame(CDocManager *documents, QWidget *parent)
    : QMainWindow(parent)
    , m_documents(documents)
    , m_mdiArea(new QMdiArea(this))
    , m_ownCommands(new CCommandHandlers(this))
{
    setWindowTitle(tr("Editor"));
    EditorSettings::setCurrent(EditorSettings::load());
    setWindowIcon(QIcon(QStringLiteral(":/icons/tarnel.svg")));
    m_pSourceTemplate = std::make_unique<CDocTemplate>([this](CTarnelDoc *doc) -> CDocFrame * {
        return new CChildFrame(doc, [this] { return previewProfile(); });
    });
    m_pPreviewTemplate = std::make_unique<CDocTemplate>([this](CTarnelDoc *doc) -> CDocFrame * {
        QObject *profile = previewProfile();
        if (!profile)
            return nullptr;
        return previewModule()->newPreviewFrame(
            doc, profile, [this] { return std::exchange(m_bReloadPreview, false); });
    });
    m_mdiArea->setViewMode(QMdiArea::SubWindowView);
    m_mdiArea->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, false);
    setCentralWidget(m_mdiArea);
    setAcceptDrops(true);
    createActions();
    applyKeyBindings(keyprofile::load());
    addOwnCommands();
    createMenus();
    createToolBar();
    createTabs();
    createStatusBar();
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::onSubWindowActivated);
    connect(m_documents, &CDocManager::documentOpened, this,
            [this](CTarnelDoc *doc) { openWindow(*m_pSourceTemplate, doc); });
    connect(m_documents, &CDocManager::documentRaised, this, &CMainFrame::raiseDocument);
    connect(m_documents, &CDocManager::documentClosing, this, &CMainFrame::deleteWindowsOf);
    connect(m_documents, &CDocManager::documentClosed, this, &CMainFrame::updateCommandStates);
    connect(m_documents, &CDocManager::recentFilesChanged, this,
            &CMainFrame::rebuildRecentFilesMenu);
    connect(m_documents, &CDocManager::statusMessage, this, &CMainFrame::showOpeningMessage);
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
    return tr("Welcome to QUILLO Editor..To insert an Object click the  Insert Menu");
}

void CMainFrame::createActions()
{
    for (const CommandInfo &info : commandTable()) {
        QAction *action = createCommandAction(info, this);
        const int id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { runCommand(id); });
        addAction(action); // keeps the accelerators alive while no menu shows them
        m_actions.insert(id, action);
    }
    m_actions[ID_VIEW_TOOLBAR]->setCheckable(true);
    m_actions[ID_VIEW_TOOLBAR]->setChecked(true);
    m_actions[ID_VIEW_STATUS_BAR]->setCheckable(true);
    m_actions[ID_VIEW_STATUS_BAR]->setChecked(true);
    m_actions[ID_VIEW_PROBLEMS]->setCheckable(true);
    m_actions[ID_VIEW_PROBLEM_ADVICE]->setCheckable(true);
    m_actions[ID_VIEW_PROBLEM_ADVICE]->setChecked(CCheckService::showsAdvice());
}

void CMainFrame::addOwnCommands()
{
    CCommandHandlers &own = *m_ownCommands;
    own.add(ID_FILE_NEW, [this] { m_documents->OnFileNew(); });
    own.add(ID_FILE_NEW_HTML5, [this] { m_documents->OnFileNewHtml5(); });
    own.add(ID_FILE_OPEN, [this] {
        const CTarnelDoc *doc = activeDocument();
        m_documents->OnFileOpen(doc && !doc->path().isEmpty() ? QFileInfo(doc->path()).path()
                                                              : QString());
    });
    own.add(ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
    own.add(ID_APP_EXIT, [this] { close(); });
    own.add(ID_APP_ABOUT, [this] { OnAppAbout(); });
    own.add(ID_HELP_KEYS, [this] { showKeysHelp(); });
    own.add(ID_EDIT_PREFERENCES, [this] { editPreferences(); });
    // The checkable actions toggle their bars themselves.
    own.add(ID_VIEW_TOOLBAR, {});
    own.add(ID_VIEW_STATUS_BAR, {});
    own.add(ID_VIEW_PROBLEMS, {});
    own.add(ID_VIEW_PROBLEM_ADVICE, [this] {
        CCheckService::setShowsAdvice(m_actions[ID_VIEW_PROBLEM_ADVICE]->isChecked(),
                                      m_documents->documents());
    });

    auto saving = [this](bool saveAs) {
        return [this, saveAs] {
            if (CTarnelDoc *doc = activeDocument())
                m_documents->SaveDocument(doc, saveAs);
        };
    };
    m_documentCommands = {
        own.add(ID_FILE_CLOSE,
                [this] {
                    if (CTarnelDoc *doc = activeDocument())
                        m_documents->CloseDocument(doc);
                }),
        own.add(ID_FILE_SAVE, saving(false)),
        own.add(ID_FILE_SAVE_AS, saving(true)),
        own.add(ID_WINDOW_NEW,
                [this] {
                    if (CTarnelDoc *doc = activeDocument())
                        openWindow(*m_pSourceTemplate, doc);
                }),
        own.add(ID_WINDOW_CASCADE, [this] { m_mdiArea->cascadeSubWindows(); }),
        own.add(ID_WINDOW_TILE, [this] { m_mdiArea->tileSubWindows(); }),
        own.add(ID_WINDOW_ARRANGE,
                [this] {
                    for (QMdiSubWindow *w : m_mdiArea->subWindowList())
                        if (w->isMinimized())
                            w->showMinimized();
                }),
        own.add(ID_WINDOW_NEXT_PAGE, [this] { activateNeighbourPage(1); }),
        own.add(ID_WINDOW_PREVIOUS_PAGE, [this] { activateNeighbourPage(-1); }),
        // Two panes: either direction moves to the other one.
        own.add(ID_NEXT_PANE, [this] { switchPane(); }),
        own.add(ID_PREV_PANE, [this] { switchPane(); }),
    };
}

QAction *CMainFrame::handlerOf(int id) const
{
    if (QAction *own = m_ownCommands->handler(id))
        return own;
    CView *view = activeView();
    return view ? view->commands().handler(id) : nullptr;
}

void CMainFrame::runCommand(int id)
{
    if (m_ownCommands->run(id))
        return;
    if (CView *view = activeView())
        view->commands().run(id);
}

QMenu *CMainFrame::makeMenu(const QString &title, bool sourceWindow)
{
    auto *menu = new QMenu(tr(title.toUtf8().constData()), this);
    QHash<QString, QMenu *> submenus;
    for (const CommandInfo &info : commandTable()) {
        const QString path = QString::fromLatin1(info.menu);
        if (path.section(QLatin1Char('/'), 0, 0) != title ||
            (info.windows == CommandWindows::SourceWindow && !sourceWindow))
            continue;
        QMenu *into = menu;
        if (const QString sub = path.section(QLatin1Char('/'), 1); !sub.isEmpty()) {
            QMenu *&submenu = submenus[sub];
            if (!submenu)
                submenu = menu->addMenu(tr(sub.toUtf8().constData()));
            into = submenu;
        }
        for (int i = 0; i < info.separatorsBefore; ++i)
            into->addSeparator();
        into->addAction(m_actions.value(info.id));
    }
    return menu;
}

void CMainFrame::createMenus()
{
    // Without a source window there is no Window menu, and Help stands before Insert.
    m_plainMenus.file = makeMenu(QStringLiteral("&File"), false);
    m_plainMenus.menus = {m_plainMenus.file, makeMenu(QStringLiteral("&Edit"), false),
                          makeMenu(QStringLiteral("&View"), false),
                          makeMenu(QStringLiteral("&Help"), false),
                          makeMenu(QStringLiteral("&Insert"), false)};
    m_sourceMenus.file = makeMenu(QStringLiteral("&File"), true);
    QMenu *window = makeMenu(QStringLiteral("&Window"), true);
    listWindowsIn(window, m_mdiArea);
    m_sourceMenus.menus = {m_sourceMenus.file,
                           makeMenu(QStringLiteral("&Edit"), true),
                           makeMenu(QStringLiteral("&View"), true),
                           window,
                           makeMenu(QStringLiteral("&Insert"), true),
                           makeMenu(QStringLiteral("&Help"), true)};
    for (QMenu *menu : m_plainMenus.menus + m_sourceMenus.menus)
        menu->installEventFilter(this);
    rebuildRecentFilesMenu();
    m_showingSourceMenus = true; // forces the first showMenusFor to build the bar
    showMenusFor(false);
}

void CMainFrame::rebuildRecentFilesMenu()
{
    rebuildRecentEntries(m_plainMenus);
    rebuildRecentEntries(m_sourceMenus);
}

void CMainFrame::rebuildRecentEntries(MenuSet &set)
{
    QMenu *file = set.file;
    for (QAction *a : std::as_const(set.recentEntries)) {
        file->removeAction(a);
        a->deleteLater();
    }
    set.recentEntries.clear();
    // The separator before Exit stays; entries go above it.
    const QList<QAction *> all = file->actions();
    QAction *before = all.size() >= 2 ? all.at(all.size() - 2) : m_actions.value(ID_APP_EXIT);
    const QStringList files = m_documents->recentFiles();
    if (files.isEmpty()) {
        auto *placeholder = new QAction(tr("Recent File"), file);
        placeholder->setEnabled(false);
        file->insertAction(before, placeholder);
        set.recentEntries.append(placeholder);
        return;
    }
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        auto *entry =
            new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()), file);
        entry->setStatusTip(tr("Open this document"));
        entry->setToolTip(path);
        connect(entry, &QAction::triggered, this, [this, path] { m_documents->openRecent(path); });
        file->insertAction(before, entry);
        set.recentEntries.append(entry);
    }
}

void CMainFrame::showMenusFor(bool sourceWindowActive)
{
    if (sourceWindowActive == m_showingSourceMenus)
        return;
    m_showingSourceMenus = sourceWindowActive;
    QMenuBar *bar = menuBar();
    bar->clear();
    for (QMenu *menu : sourceWindowActive ? m_sourceMenus.menus : m_plainMenus.menus)
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
    QToolBar *tabBand = addToolBar(tr("Views"));
    tabBand->setObjectName(QStringLiteral("tabband"));
    tabBand->setMovable(false);
    m_wndTab = new QTabBar(tabBand);
    m_wndTab->setObjectName(QStringLiteral("viewTabs"));
    m_wndTab->setIconSize(QSize(20, 20));
    m_wndTab->setDrawBase(false);
    m_wndTab->setExpanding(false);
    m_wndTab->addTab(QIcon(QStringLiteral(":/icons/source.svg")), tr("Source View"));
    m_wndTab->addTab(QIcon(QStringLiteral(":/icons/html.svg")), tr("HTML View"));
    tabBand->addWidget(m_wndTab);
    // The empty dialog bar of the original layout: a thin strip at the top.
    m_dialogBar = new QWidget(tabBand);
    m_dialogBar->setFixedHeight(5);
    tabBand->addWidget(m_dialogBar);
    connect(m_wndTab, &QTabBar::currentChanged, this, &CMainFrame::onTabChanged);
}

void CMainFrame::createStatusBar()
{
    QStatusBar *bar = statusBar();
    m_caretPane = new QLabel(bar);
    m_caretPane->setMinimumWidth(m_caretPane->fontMetrics().horizontalAdvance("Ln 99999, Col 999"));
    bar->addPermanentWidget(m_caretPane);
    const char *texts[] = {QT_TR_NOOP("CAP"), QT_TR_NOOP("NUM"), QT_TR_NOOP("SCRL")};
    for (int i = 0; i < 3; ++i) {
        m_indicators[i] = new QLabel(tr(texts[i]), bar);
        m_indicators[i]->setAlignment(Qt::AlignCenter);
        m_indicators[i]->setMinimumWidth(
            m_indicators[i]->fontMetrics().horizontalAdvance(tr("SCRL")) + 12);
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
    createProblemsDock();
}

void CMainFrame::createProblemsDock()
{
    m_problems = new CProblemsDock(m_mdiArea, statusBar(), this);
    addDockWidget(Qt::BottomDockWidgetArea, m_problems);
    m_problems->hide();
    connect(m_actions[ID_VIEW_PROBLEMS], &QAction::toggled, m_problems, &QWidget::setVisible);
    connect(m_problems, &QDockWidget::visibilityChanged, m_actions[ID_VIEW_PROBLEMS],
            &QAction::setChecked);
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

void CMainFrame::openWindow(const CDocTemplate &pTemplate, CTarnelDoc *doc)
{
    CDocFrame *frame = pTemplate.CreateNewFrame(doc);
    if (!frame)
        return;
    addDocFrame(frame);
    CDocTemplate::InitialUpdateFrame(frame);
    m_mdiArea->setActiveSubWindow(frame);
    updateCommandStates();
}

void CMainFrame::addDocFrame(CDocFrame *frame)
{
    m_mdiArea->addSubWindow(frame);
    frame->setWindowIcon(windowIcon());
    frame->canClose = [this](CDocFrame *f) { return canCloseWindow(f); };
    if (auto *child = qobject_cast<CChildFrame *>(frame)) {
        child->sourceView()->releaseKeys(boundKeys());
        connect(child->sourceView(), &CTarnelView::statusMessage, statusBar(),
                &QStatusBar::showMessage);
        connect(child->sourceView()->fileDrops(), &CFileDrops::pageDropped, m_documents,
                [this](const QString &path) { m_documents->OpenDocumentFile(path); });
        connect(child->sourceView(), &CTarnelView::caretMoved, m_caretPane,
                [this](int line, int column) {
                    m_caretPane->setText(tr("Ln %1, Col %2").arg(line).arg(column));
                });
    }
    connect(frame, &CDocFrame::statusMessage, statusBar(), &QStatusBar::showMessage);
    connect(frame, &QObject::destroyed, this, [this] { updateCommandStates(); });
}

QList<CDocFrame *> CMainFrame::windowsOf(const CTarnelDoc *doc) const
{
    QList<CDocFrame *> windows;
    for (QMdiSubWindow *w : m_mdiArea->subWindowList())
        if (auto *frame = qobject_cast<CDocFrame *>(w); frame && frame->document() == doc)
            windows.append(frame);
    return windows;
}

void CMainFrame::raiseDocument(CTarnelDoc *doc)
{
    const QList<CDocFrame *> windows = windowsOf(doc);
    if (!windows.isEmpty())
        m_mdiArea->setActiveSubWindow(windows.last());
}

void CMainFrame::deleteWindowsOf(const CTarnelDoc *doc)
{
    qDeleteAll(windowsOf(doc));
}

bool CMainFrame::canCloseWindow(CDocFrame *frame)
{
    // Only the document's last window asks about unsaved changes.
    CTarnelDoc *doc = frame->document();
    return windowsOf(doc).size() > 1 || m_documents->SaveModified(doc);
}

void CMainFrame::showOpeningMessage(const QString &text, int timeoutMs)
{
    statusBar()->showMessage(text, timeoutMs);
    // The open that follows keeps the event loop busy for a while.
    statusBar()->repaint();
}

QObject *CMainFrame::previewProfile()
{
    if (m_previewProfile)
        return m_previewProfile;
    CPreviewModule *previews = previewModule();
    if (!previews) {
        QMessageBox::warning(this, tr("Editor"),
                             tr("The preview cannot be shown: its browser did not load (%1).")
                                 .arg(previewModuleError()));
        return nullptr;
    }
    m_previewProfile = previews->newProfile(this);
    return m_previewProfile;
}

void CMainFrame::followViewCommands(CView *view)
{
    const CCommandHandlers *commands = view ? &view->commands() : nullptr;
    if (commands == m_followedCommands)
        return;
    if (m_followedCommands)
        disconnect(m_followedCommands, nullptr, this, nullptr);
    m_followedCommands = commands;
    if (commands)
        connect(commands, &CCommandHandlers::statesChanged, this, &CMainFrame::updateCommandStates);
}

void CMainFrame::updateCommandStates()
{
    if (m_destroying)
        return;
    CDocFrame *frame = activeDocFrame();
    CView *view = frame ? frame->activeView() : nullptr;
    followViewCommands(view);
    if (view) {
        // The view's refresh may report a change: that is this very update.
        const QSignalBlocker quiet(&view->commands());
        view->commands().updateStates();
    }
    const bool sourceActive = view && view->kind() == CView::Kind::Source;
    showMenusFor(sourceActive);
    for (QAction *handler : std::as_const(m_documentCommands))
        handler->setEnabled(frame != nullptr);
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const QAction *handler = handlerOf(it.key());
        it.value()->setEnabled(handler && handler->isEnabled());
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
        frame->onActivated();
    }
    updateCommandStates();
}

void CMainFrame::onTabChanged(int index)
{
    if (m_switchingTabs)
        return;
    const auto keepTab = [this] {
        m_switchingTabs = true;
        m_wndTab->setCurrentIndex(m_bHtmlActive);
        m_switchingTabs = false;
    };
    if (!activeDocFrame()) {
        keepTab();
        return;
    }
    if (index == 1) {
        // The source stays, its tab with it, when the preview cannot be shown (said already).
        if (!previewProfile()) {
            keepTab();
            return;
        }
        m_bHtmlActive = 1;
        requestPreviewReload();
        CreateOrActivateFrame(m_pPreviewTemplate.get(), true);
    } else {
        m_bHtmlActive = 0;
        CreateOrActivateFrame(m_pSourceTemplate.get(), false);
    }
    updateCommandStates();
}

void CMainFrame::CreateOrActivateFrame(CDocTemplate *pTemplate, bool previewKind)
{
    CTarnelDoc *doc = activeDocument();
    if (!doc || !pTemplate)
        return;
    for (CDocFrame *frame : windowsOf(doc)) {
        const bool isSource = qobject_cast<CChildFrame *>(frame) != nullptr;
        if (isSource != previewKind) {
            m_mdiArea->setActiveSubWindow(frame);
            frame->showMaximized();
            return;
        }
    }
    openWindow(*pTemplate, doc);
}

void CMainFrame::switchPane()
{
    auto *frame = qobject_cast<CChildFrame *>(activeDocFrame());
    if (!frame)
        return;
    const bool inOutline = focusWidget() == static_cast<QWidget *>(frame->outline());
    if (inOutline)
        frame->sourceView()->setFocus();
    else
        frame->outline()->setFocus();
}

void CMainFrame::editPreferences()
{
    CPreferencesDlg dialog(EditorSettings::current(), m_keyBindings, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const EditorSettings chosen = dialog.settings();
    chosen.save();
    // Every window follows the settings in force.
    EditorSettings::setCurrent(chosen);
    keyprofile::save(dialog.keyBindings());
    applyKeyBindings(dialog.keyBindings());
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::OnFilePrintSetup()
{
    static QPrinter printer(QPrinter::HighResolution);
    QPageSetupDialog dialog(&printer, this);
    dialog.exec();
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    if (!m_documents->SaveAllModified()) {
        event->ignore();
        return;
    }
    // After the questions: a page saved in answer to them has its name now.
    saveWindowState();
    saveSession();
    m_documents->CloseAllDocuments();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (!CFileDrops::localFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event)
{
    const QStringList files = CFileDrops::localFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    // After the drop is over, as on a source view.
    QTimer::singleShot(0, this, [this, files] { dropFiles(files); });
}

void CMainFrame::dropFiles(const QStringList &paths)
{
    if (auto *child = qobject_cast<CChildFrame *>(m_mdiArea->activeSubWindow())) {
        child->sourceView()->fileDrops()->dropFiles(paths);
        return;
    }
    for (const QString &path : paths) {
        QByteArray bytes;
        QString refusal;
        const tarnel::DroppedFile kind = CFileDrops::kindOf(path, &bytes, &refusal);
        if (kind == tarnel::DroppedFile::Page)
            m_documents->OpenDocumentFile(path);
        else if (kind != tarnel::DroppedFile::Refused)
            statusBar()->showMessage(tr("Drop a picture or a text file on a page's source view."),
                                     4000);
        else
            statusBar()->showMessage(refusal, 4000);
    }
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
