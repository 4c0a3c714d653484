// The guards against losing work or seeming to hang: crash recovery copies, files changed by
// or removed by another program while open, and a word before a long open.

#include "DocManager.h"

#include "RecoveryStore.h"
#include "TarnelDoc.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QSettings>
#include <QTimer>

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
    const QScopedValueRollback asking(m_checkingDisk, true);
    for (CTarnelDoc *doc : QList<CTarnelDoc *>(m_documents)) {
        if (!m_documents.contains(doc))
            continue;
        switch (doc->lookAtDisk()) {
        case tarnel::DiskFinding::Nothing:
            break;
        case tarnel::DiskFinding::Changed:
            askToReload(doc);
            break;
        case tarnel::DiskFinding::Missing:
            if (askAboutMissingFile(doc) == QMessageBox::Save)
                SaveDocument(doc, true);
            break;
        }
    }
}

void CDocManager::askToReload(CTarnelDoc *doc)
{
    QString question = tr("%1\n\nThis file was changed by another program. Reload it?")
                           .arg(QDir::toNativeSeparators(doc->path()));
    if (doc->isModified())
        question += tr("\nYour unsaved changes in the editor would be lost.");
    const auto answer = QMessageBox::question(m_dialogParent, tr("Editor"), question,
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        doc->acceptDiskVersion();
    else if (!doc->reloadFromDisk())
        reportError(doc->errorString());
}

int CDocManager::askAboutMissingFile(CTarnelDoc *doc)
{
    const QScopedValueRollback asking(m_checkingDisk, true);
    QMessageBox box(QMessageBox::Warning, tr("Editor"),
                    tr("%1\n\nThis file was deleted or moved by another program.\n"
                       "Save As writes the page elsewhere; Keep leaves its text in the editor, "
                       "and Save then writes the file here again; Close discards it.")
                        .arg(QDir::toNativeSeparators(doc->path())),
                    QMessageBox::Save | QMessageBox::Ignore | QMessageBox::Close, m_dialogParent);
    box.button(QMessageBox::Save)->setText(tr("Save As..."));
    box.button(QMessageBox::Ignore)->setText(tr("Keep"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Ignore); // nothing lost
    const int answer = box.exec();
    if (answer == QMessageBox::Close)
        closeDocumentLater(doc);
    else if (answer != QMessageBox::Save)
        doc->keepWithoutFile();
    return answer;
}

void CDocManager::closeDocumentLater(CTarnelDoc *doc)
{
    m_closeChosen.insert(doc);
    QTimer::singleShot(0, this, [this, doc = QPointer<CTarnelDoc>(doc)] {
        if (!doc || !m_documents.contains(doc.data()))
            return;
        emit documentClosing(doc);
        closeDocumentNow(doc);
    });
}

bool CDocManager::settleBeforeSaving(CTarnelDoc *doc, QString *path)
{
    switch (doc->checkBeforeSave()) {
    case tarnel::SaveCheck::Write:
        return true;
    case tarnel::SaveCheck::AskOverwrite:
        return confirmOverwriteChanged(doc);
    case tarnel::SaveCheck::AskMissing:
        if (askAboutMissingFile(doc) != QMessageBox::Save)
            return false;
        *path = askSavePath(doc);
        return !path->isEmpty();
    }
    return false;
}

bool CDocManager::confirmOverwriteChanged(CTarnelDoc *doc)
{
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
