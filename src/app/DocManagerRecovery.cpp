// The guards against losing work or seeming to hang: crash recovery copies, files changed by
// another program while open, and a word before a long open.

#include "DocManager.h"

#include "RecoveryStore.h"
#include "TarnelDoc.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QSettings>

void CDocManager::startRecovery()
{
    m_recovery = std::make_unique<CRecoveryStore>(CRecoveryStore::defaultFolder());
    const QSettings settings;
    bool ok = false;
    const int delay = settings.value(QStringLiteral("Recovery/DelayMs")).toInt(&ok);
    if (ok && delay >= 0)
        m_recovery->setDelay(delay);
    m_restoreWithoutAsking =
        settings.value(QStringLiteral("Recovery/RestoreWithoutAsking")).toBool();
    connect(this, &CDocManager::documentOpened, m_recovery.get(),
            [this](CTarnelDoc *doc) { m_recovery->watch(doc); });
}

bool CDocManager::wantsRestored(const QString &shownName)
{
    if (askRestore)
        return askRestore(shownName);
    if (m_restoreWithoutAsking)
        return true;
    return QMessageBox::question(m_dialogParent, tr("Editor"),
                                 tr("The editor stopped without saving the changes to %1.\n"
                                    "Restore the unsaved text?")
                                     .arg(shownName),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void CDocManager::offerRecovery()
{
    if (!m_recovery)
        return;
    for (const CRecoveryStore::Orphan &orphan : m_recovery->orphans()) {
        const QString title = QString::fromStdString(orphan.page.title);
        const QString path = QString::fromStdString(orphan.page.path);
        const bool restore = wantsRestored(path.isEmpty() ? title : QDir::toNativeSeparators(path));
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
        // The restored text is this run's to keep safe now, before the old copy goes.
        if (m_recovery->writeNow(doc))
            CRecoveryStore::discard(orphan);
    }
}

void CDocManager::endRunKeepingRecovery()
{
    if (m_recovery)
        m_recovery->writeAllAndKeep();
    // Not quit(): that closes the windows, which ask about saving.
    QCoreApplication::exit(0);
}

void CDocManager::checkFilesChangedOnDisk()
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
            QMessageBox::question(m_dialogParent, tr("Editor"), question,
                                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            doc->acceptDiskVersion();
        else if (!doc->reloadFromDisk())
            reportError(doc->errorString());
    }
    m_checkingDisk = false;
}

bool CDocManager::confirmOverwriteChanged(CTarnelDoc *doc)
{
    if (!doc->changedOnDisk())
        return true;
    const QScopedValueRollback asking(m_checkingDisk, true);
    const auto answer = QMessageBox::question(
        m_dialogParent, tr("Editor"),
        tr("%1\n\nThis file was changed by another program since it was opened. Save over it?")
            .arg(QDir::toNativeSeparators(doc->path())),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    return answer == QMessageBox::Yes;
}

void CDocManager::announceLongOpen(const QString &path)
{
    // About half a second of reading and colouring on a typical machine.
    constexpr qint64 kLongOpenBytes = 4 * 1024 * 1024;
    const QFileInfo info(path);
    if (!info.isFile() || info.size() < kLongOpenBytes)
        return;
    emit statusMessage(tr("Opening %1 (%2 MB)...").arg(info.fileName()).arg(info.size() >> 20),
                       5000);
}
