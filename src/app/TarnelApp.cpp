#include "TarnelApp.h"

#include "AboutDlg.h"
#include "ChildFrame.h"
#include "DocTemplate.h"
#include "MainFrame.h"
#include "MyFrame.h"
#include "PreviewProfile.h"
#include "RecoveryStore.h"
#include "SplashWnd.h"
#include "TarnelDoc.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDebug>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QSettings>
#include <QTimer>

#include <utility>

// Resources compiled into the static shell library are registered by hand.
static void initResources()
{
    Q_INIT_RESOURCE(tarnel);
}

namespace {
const char kSourceDocString[] =
    " Editor View\n\nMy Home Page\nHTML Files (*.htm)\n.htm\nHTML.Document\nHTML Document";
constexpr qint64 kSplashMilliseconds = 1000;
} // namespace

CTarnelApp::CTarnelApp(QObject *parent)
    : QObject(parent)
{
    initResources();
    m_clock.start();
}

CTarnelApp::~CTarnelApp()
{
    CloseAllDocuments();
    m_mainFrame.reset();
    m_recovery.reset();
}

bool CTarnelApp::InitInstance(const QStringList &arguments, bool showWindow)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("Editor"));
    {
        QSettings settings;
        m_recentFiles.load(settings);
    }

    m_previewTemplate =
        std::make_unique<CDocTemplate>(130, QString(), [this](CTarnelDoc *doc) -> CDocFrame * {
            return new CMyFrame(doc, previewProfile(),
                                [this] { return std::exchange(m_bReloadPreview, false); });
        });
    m_pPreviewTemplate = m_previewTemplate.get();
    m_sourceTemplate = std::make_unique<CDocTemplate>(
        129, QString::fromLatin1(kSourceDocString),
        [](CTarnelDoc *doc) -> CDocFrame * { return new CChildFrame(doc); });
    m_pSourceTemplate = m_sourceTemplate.get();

    m_mainFrame = std::make_unique<CMainFrame>(this);
    startRecovery();

    if (showWindow) {
        if (CSplashWnd *splash = CSplashWnd::Create(m_mainFrame.get())) {
            m_splash = splash;
            splash->show();
            splash->repaint();
            // Keeps the event loop waking so the idle pass that removes the splash runs; a
            // loop that never sleeps (a busy start, a nested modal loop) gets its pass here.
            auto *timer = new QTimer(splash);
            connect(timer, &QTimer::timeout, this, [this] { OnIdle(); });
            timer->start(500);
        }
    }
    m_dwSplashTime = static_cast<quint32>(m_clock.elapsed());
    if (auto *dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { OnIdle(); });

    if (arguments.isEmpty()) {
        if (!OnFileNew()) {
            m_error = tr("Cannot make a new page.");
            return false;
        }
    } else {
        if (!OpenDocumentFile(arguments.first(), false))
            return false;
    }

    if (showWindow) {
        m_mainFrame->showMaximized();
        m_mainFrame->repaint();
    }
    return true;
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

CTarnelDoc *CTarnelApp::newDocument()
{
    auto *doc = new CTarnelDoc(this);
    connect(doc, &CTarnelDoc::lastViewRemoved, this, [this, doc] { closeDocumentNow(doc); });
    return doc;
}

void CTarnelApp::adoptDocument(CTarnelDoc *doc)
{
    m_documents.append(doc);
    CDocFrame *frame = m_pSourceTemplate->CreateNewFrame(doc);
    m_mainFrame->addDocFrame(frame);
    CDocTemplate::InitialUpdateFrame(frame);
    m_mainFrame->mdiArea()->setActiveSubWindow(frame);
    m_mainFrame->updateCommandStates();
    emit documentOpened(doc);
}

CTarnelDoc *CTarnelApp::OnFileNew()
{
    CTarnelDoc *doc = newDocument();
    doc->setUntitledNumber(++m_untitledCount);
    if (!doc->OnNewDocument()) {
        reportError(doc->errorString());
        delete doc;
        return nullptr;
    }
    adoptDocument(doc);
    return doc;
}

void CTarnelApp::OnFileOpen()
{
    const QString path = QFileDialog::getOpenFileName(
        m_mainFrame.get(), tr("Open"), QString(),
        tr("HTML Files (*.htm *.html);;All Files (*)"));
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

CTarnelDoc *CTarnelApp::OpenDocumentFile(const QString &path, bool report)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (CTarnelDoc *doc : m_documents) {
        if (doc->path() == absolute) {
            for (QMdiSubWindow *w : m_mainFrame->mdiArea()->subWindowList())
                if (auto *frame = qobject_cast<CDocFrame *>(w); frame && frame->document() == doc)
                    m_mainFrame->mdiArea()->setActiveSubWindow(frame);
            return doc;
        }
    }
    CTarnelDoc *doc = newDocument();
    announceLongOpen(path);
    if (!doc->OnOpenDocument(path)) {
        m_error = doc->errorString();
        delete doc;
        m_recentFiles.remove(path);
        if (report)
            reportError(m_error);
        return nullptr;
    }
    adoptDocument(doc);
    addToRecentFiles(absolute);
    return doc;
}

void CTarnelApp::openRecent(const QString &path)
{
    if (!OpenDocumentFile(path)) {
        QSettings settings;
        m_recentFiles.save(settings);
        m_mainFrame->rebuildRecentFilesMenu();
    }
}

void CTarnelApp::addToRecentFiles(const QString &path)
{
    m_recentFiles.add(path);
    QSettings settings;
    m_recentFiles.save(settings);
    if (m_mainFrame)
        m_mainFrame->rebuildRecentFilesMenu();
}

void CTarnelApp::reportError(const QString &message)
{
    m_error = message;
    qWarning().noquote() << message;
    QMessageBox::critical(m_mainFrame.get(), QStringLiteral("Editor"), message);
}

bool CTarnelApp::SaveDocument(CTarnelDoc *doc, bool saveAs)
{
    QString path = doc->path();
    if (saveAs || path.isEmpty()) {
        if (chooseSavePath) {
            path = chooseSavePath(doc);
        } else {
            QFileDialog dialog(m_mainFrame.get(), tr("Save As"));
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setNameFilter(tr("HTML Files (*.htm)"));
            dialog.setDefaultSuffix(QStringLiteral("htm"));
            if (path.isEmpty())
                dialog.selectFile(doc->title() + QStringLiteral(".htm"));
            else
                dialog.selectFile(path);
            path = dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
        }
        if (path.isEmpty())
            return false;
    }
    if (QFileInfo(path).absoluteFilePath() == doc->path() && !confirmOverwriteChanged(doc))
        return false;
    if (!doc->OnSaveDocument(path)) {
        reportError(doc->errorString());
        return false;
    }
    addToRecentFiles(doc->path());
    return true;
}

bool CTarnelApp::SaveModified(CTarnelDoc *doc)
{
    if (!doc->isModified())
        return true;
    int answer;
    if (askSaveChanges) {
        answer = askSaveChanges(doc);
    } else {
        answer = QMessageBox::question(m_mainFrame.get(), QStringLiteral("Editor"),
                                       tr("Save changes to %1?").arg(doc->title()),
                                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                       QMessageBox::Yes);
    }
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Yes)
        return SaveDocument(doc, false);
    return true;
}

bool CTarnelApp::SaveAllModified()
{
    for (CTarnelDoc *doc : QList<CTarnelDoc *>(m_documents))
        if (!SaveModified(doc))
            return false;
    return true;
}

bool CTarnelApp::CanCloseFrame(CDocFrame *frame)
{
    CTarnelDoc *doc = frame->document();
    if (doc->property("closing").toBool())
        return true;
    int frames = 0;
    for (QMdiSubWindow *w : m_mainFrame->mdiArea()->subWindowList())
        if (auto *f = qobject_cast<CDocFrame *>(w); f && f->document() == doc)
            ++frames;
    return frames > 1 || SaveModified(doc);
}

void CTarnelApp::CloseDocument(CTarnelDoc *doc)
{
    if (!SaveModified(doc))
        return;
    doc->setProperty("closing", true);
    for (QMdiSubWindow *w : m_mainFrame->mdiArea()->subWindowList())
        if (auto *f = qobject_cast<CDocFrame *>(w); f && f->document() == doc)
            f->close();
}

void CTarnelApp::CloseAllDocuments()
{
    for (CTarnelDoc *doc : QList<CTarnelDoc *>(m_documents)) {
        doc->setProperty("closing", true);
        if (m_mainFrame)
            for (QMdiSubWindow *w : m_mainFrame->mdiArea()->subWindowList())
                if (auto *f = qobject_cast<CDocFrame *>(w); f && f->document() == doc)
                    delete f;
        closeDocumentNow(doc);
    }
}

void CTarnelApp::closeDocumentNow(CTarnelDoc *doc)
{
    if (!m_documents.removeOne(doc))
        return;
    doc->OnCloseDocument();
    doc->deleteLater();
    if (m_mainFrame)
        m_mainFrame->updateCommandStates();
}

CPreviewProfile *CTarnelApp::previewProfile()
{
    if (!m_previewProfile)
        m_previewProfile = new CPreviewProfile(this);
    return m_previewProfile;
}

void CTarnelApp::OnAppAbout()
{
    CAboutDlg about(m_mainFrame.get());
    about.exec();
}

void CTarnelApp::OnFilePrintSetup()
{
    static QPrinter printer(QPrinter::HighResolution);
    QPageSetupDialog dialog(&printer, m_mainFrame.get());
    dialog.exec();
}

void CTarnelApp::onFrameActivated(CDocFrame *frame)
{
    frame->onActivated();
}
