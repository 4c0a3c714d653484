#include "TarnelApp.h"

#include "DocManager.h"
#include "EditorSettings.h"
#include "MainFrame.h"
#include "SplashWnd.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDebug>
#include <QEvent>
#include <QGuiApplication>
#include <QStatusBar>
#include <QTimer>

// Resources compiled into the static shell library are registered by hand.
static void initResources()
{
    Q_INIT_RESOURCE(tarnel);
}

namespace {
constexpr qint64 kSplashMilliseconds = 1000;
} // namespace

CTarnelApp::CTarnelApp(QObject *parent)
    : QObject(parent)
    , m_docManager(std::make_unique<CDocManager>())
{
    initResources();
    m_clock.start();
}

CTarnelApp::~CTarnelApp()
{
    m_docManager->CloseAllDocuments();
    m_mainFrame.reset();
    m_docManager.reset();
}

bool CTarnelApp::InitInstance(const QStringList &arguments, bool showWindow, bool offerRecovery)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Editor"));
    // Desktops find the program's entry (name, icon) by this: the Wayland application id. On
    // X11 they go by the window class's instance name, the program's name ("tarnel").
    QGuiApplication::setDesktopFileName(QStringLiteral("tarnel"));
    m_docManager->loadRecentFiles();
    m_mainFrame = std::make_unique<CMainFrame>(m_docManager.get());
    m_docManager->setDialogParent(m_mainFrame.get());
    // After the main window: a document gets its window before its copies are watched.
    m_docManager->startRecovery();
    // Files changed by another program are asked about whenever the main window activates.
    m_mainFrame->installEventFilter(this);

    if (showWindow)
        showSplash();
    m_dwSplashTime = static_cast<quint32>(m_clock.elapsed());
    if (auto *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { OnIdle(); });

    const bool placed = m_mainFrame->restoreWindowState();
    if (showWindow) {
        if (placed)
            m_mainFrame->show();
        else
            m_mainFrame->showMaximized();
        m_mainFrame->repaint();
    }
    // The question about an earlier run's unsaved text comes first; a page it restores is open
    // when the session or the command line names it again, and is not opened twice.
    if (offerRecovery)
        m_docManager->offerRecovery();
    if (EditorSettings::current().reopenPages)
        m_mainFrame->restoreSession();
    return openStartPages(arguments);
}

bool CTarnelApp::openStartPages(const QStringList &arguments)
{
    // The pages named on the command line open last, the last named active.
    const QStringList failures = openPages(arguments, false);
    if (m_docManager->documents().isEmpty()) {
        if (!arguments.isEmpty()) {
            m_error = failures.join(QLatin1Char('\n'));
            return false;
        }
        if (!m_docManager->OnFileNew()) {
            m_error = tr("Cannot make a new page.");
            return false;
        }
    } else if (!failures.isEmpty()) {
        // The others opened: the editor runs, and says which could not.
        for (const QString &failure : failures)
            qWarning().noquote() << failure;
        m_mainFrame->statusBar()->showMessage(failures.join(QLatin1Char(' ')), 30000);
    }
    return true;
}

QStringList CTarnelApp::openPages(const QStringList &pages, bool report)
{
    QStringList failures;
    for (const QString &page : pages)
        if (!m_docManager->openNamedPage(page, report))
            failures.append(m_docManager->errorString());
    return failures;
}

void CTarnelApp::answerLaterStart(const QStringList &pages)
{
    openPages(pages, true);
    m_mainFrame->setWindowState(m_mainFrame->windowState() & ~Qt::WindowMinimized);
    m_mainFrame->show();
    m_mainFrame->raise();
    m_mainFrame->activateWindow();
}

void CTarnelApp::showSplash()
{
    CSplashWnd *splash = CSplashWnd::Create(m_mainFrame.get());
    if (!splash)
        return;
    m_splash = splash;
    splash->show();
    splash->repaint();
    // Keeps the event loop waking so the idle pass that removes the splash runs; a loop that
    // never sleeps (a busy start, a nested modal loop) gets its pass here.
    auto *timer = new QTimer(splash);
    connect(timer, &QTimer::timeout, this, [this] { OnIdle(); });
    timer->start(500);
}

bool CTarnelApp::OnIdle()
{
    if (!m_splash)
        return false;
    const quint32 now = static_cast<quint32>(m_clock.elapsed());
    if (quint32(now - m_dwSplashTime) > kSplashMilliseconds) {
        m_splash->close();
        m_splash->deleteLater();
        m_splash = nullptr;
        if (m_mainFrame)
            m_mainFrame->update();
        return false;
    }
    return true;
}

bool CTarnelApp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mainFrame.get() && event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, m_docManager.get(),
                           [this] { m_docManager->checkFilesChangedOnDisk(); });
    return QObject::eventFilter(watched, event);
}
