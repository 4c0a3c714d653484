// The application's guards against losing work or seeming to hang: crash recovery copies,
// files changed by another program while open, and a word before a long open.

#include "TarnelApp.h"

#include "MainFrame.h"
#include "RecoveryStore.h"
#include "TarnelDoc.h"
#include "TarnelView.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QTimer>

namespace {

// After the whole text was replaced: the outlines show the new text (the colourer sees the
// change itself).
void rescanOutlines(CTarnelDoc *doc)
{
    if (auto *view = doc->firstViewOf<CTarnelView>())
        view->rescanOutline();
}

} // namespace

void CTarnelApp::startRecovery()
{
    m_recovery = std::make_unique<CRecoveryStore>(CRecoveryStore::defaultFolder());
    connect(this, &CTarnelApp::documentOpened, m_recovery.get(),
            [this](CTarnelDoc *doc) { m_recovery->watch(doc); });
    m_mainFrame->installEventFilter(this);
}

void CTarnelApp::offerRecovery()
{
    if (!m_recovery)
        return;
    for (const CRecoveryStore::Orphan &orphan : m_recovery->orphans()) {
        const QString title = QString::fromStdString(orphan.page.title);
        const QString path = QString::fromStdString(orphan.page.path);
        bool restore;
        if (const auto answer = CRecoveryStore::answerFromEnvironment()) {
            restore = *answer;
        } else {
            const QString shown = path.isEmpty() ? title : QDir::toNativeSeparators(path);
            restore = QMessageBox::question(
                          m_mainFrame.get(), QStringLiteral("Editor"),
                          tr("The editor stopped without saving the changes to %1.\n"
                             "Restore the unsaved text?")
                              .arg(shown),
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
        }
        if (!restore) {
            CRecoveryStore::discard(orphan);
            continue;
        }
        // Into the page's own file when it still opens, else into a new page.
        CTarnelDoc *doc = nullptr;
        if (!path.isEmpty() && QFileInfo(path).isFile())
            doc = OpenDocumentFile(path, false);
        if (!doc)
            doc = OnFileNew();
        if (!doc)
            return;
        doc->restoreText(orphan.page.text);
        rescanOutlines(doc);
        // The restored text is this run's to keep safe now, before the old copy goes.
        if (m_recovery->writeNow(doc))
            CRecoveryStore::discard(orphan);
    }
}

void CTarnelApp::endRunKeepingRecovery()
{
    if (m_recovery)
        m_recovery->writeAllAndKeep();
    // Not quit(): that closes the windows, which ask about saving.
    QCoreApplication::exit(0);
}

bool CTarnelApp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mainFrame.get() && event->type() == QEvent::WindowActivate)
        QTimer::singleShot(0, this, [this] { checkFilesChangedOnDisk(); });
    return QObject::eventFilter(watched, event);
}

void CTarnelApp::checkFilesChangedOnDisk()
{
    // The questions themselves activate the window again; and no question goes over an open
    // dialog (the next activation asks).
    if (m_checkingDisk || QApplication::activeModalWidget())
        return;
    m_checkingDisk = true;
    for (CTarnelDoc *doc : QList<CTarnelDoc *>(m_documents)) {
        if (!m_documents.contains(doc) || !doc->changedOnDisk())
            continue;
        QString question = tr("%1\n\nThis file was changed by another program. Reload it?")
                               .arg(QDir::toNativeSeparators(doc->path()));
        if (doc->isModified())
            question += tr("\nYour unsaved changes in the editor would be lost.");
        const auto answer =
            QMessageBox::question(m_mainFrame.get(), QStringLiteral("Editor"), question,
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes) {
            doc->acceptDiskVersion();
        } else if (doc->reloadFromDisk()) {
            rescanOutlines(doc);
        } else {
            reportError(doc->errorString());
        }
    }
    m_checkingDisk = false;
}

bool CTarnelApp::confirmOverwriteChanged(CTarnelDoc *doc)
{
    if (!doc->changedOnDisk())
        return true;
    const QScopedValueRollback asking(m_checkingDisk, true);
    const auto answer = QMessageBox::question(
        m_mainFrame.get(), QStringLiteral("Editor"),
        tr("%1\n\nThis file was changed by another program since it was opened. Save over it?")
            .arg(QDir::toNativeSeparators(doc->path())),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void CTarnelApp::announceLongOpen(const QString &path)
{
    // About half a second of reading and colouring on a typical machine.
    constexpr qint64 kLongOpenBytes = 4 * 1024 * 1024;
    const QFileInfo info(path);
    if (!m_mainFrame || !info.isFile() || info.size() < kLongOpenBytes)
        return;
    QStatusBar *bar = m_mainFrame->statusBar();
    bar->showMessage(tr("Opening %1 (%2 MB)...").arg(info.fileName()).arg(info.size() >> 20), 5000);
    bar->repaint();
}
