#include "DocManager.h"

#include "RecoveryStore.h"
#include "TarnelDoc.h"

#include <QAbstractButton>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>

#include <algorithm>

CDocManager::CDocManager(QObject *parent)
    : QObject(parent)
{}

CDocManager::~CDocManager()
{
    CloseAllDocuments();
    m_recovery.reset();
}

void CDocManager::loadRecentFiles()
{
    QSettings settings;
    m_recentFiles.load(settings);
}

CTarnelDoc *CDocManager::newDocument()
{
    auto *doc = new CTarnelDoc(this);
    connect(doc, &CTarnelDoc::lastViewRemoved, this, [this, doc] { closeDocumentNow(doc); });
    return doc;
}

void CDocManager::adoptDocument(CTarnelDoc *doc)
{
    connect(doc, &CTarnelDoc::failed, this, &CDocManager::reportError);
    m_documents.append(doc);
    emit documentOpened(doc);
}

CTarnelDoc *CDocManager::OnFileNew()
{
    return newUntitled(tarnel::StartingPageText(), tarnel::LineBreak::CrLf);
}

CTarnelDoc *CDocManager::OnFileNewHtml5()
{
    const QString language = QLocale::system().uiLanguages().value(0);
    return newUntitled(tarnel::Html5PageText(language.toStdString()), tarnel::NativeLineBreak());
}

CTarnelDoc *CDocManager::newUntitled(std::string startingText, tarnel::LineBreak lineBreak)
{
    CTarnelDoc *doc = newDocument();
    doc->setUntitledNumber(++m_untitledCount);
    if (!doc->OnNewDocument(std::move(startingText), lineBreak)) {
        reportError(doc->errorString());
        delete doc;
        return nullptr;
    }
    adoptDocument(doc);
    return doc;
}

void CDocManager::OnFileOpen(const QString &startFolder)
{
    const QString path = QFileDialog::getOpenFileName(
        m_dialogParent, tr("Open"), startFolder, tr("HTML Files (*.htm *.html);;All Files (*)"));
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

CTarnelDoc *CDocManager::OpenDocumentFile(const QString &path, bool report)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (CTarnelDoc *doc : std::as_const(m_documents)) {
        if (doc->path() == absolute) {
            emit documentRaised(doc);
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

CTarnelDoc *CDocManager::openNamedPage(const QString &path, bool report)
{
    const QFileInfo info(path);
    const bool known = std::any_of(m_documents.cbegin(), m_documents.cend(), [&](CTarnelDoc *doc) {
        return doc->path() == info.absoluteFilePath();
    });
    if (known || info.exists() || info.isSymLink() || !info.dir().exists())
        return OpenDocumentFile(path, report);
    CTarnelDoc *doc = OnFileNew();
    if (doc)
        doc->nameNewPage(path);
    return doc;
}

void CDocManager::openRecent(const QString &path)
{
    if (!OpenDocumentFile(path))
        saveRecentFiles(); // without the file that failed
}

void CDocManager::addToRecentFiles(const QString &path)
{
    m_recentFiles.add(path);
    saveRecentFiles();
}

void CDocManager::saveRecentFiles()
{
    QSettings settings;
    m_recentFiles.save(settings);
    emit recentFilesChanged();
}

void CDocManager::reportError(const QString &message)
{
    m_error = message;
    qWarning().noquote() << message;
    QMessageBox::critical(m_dialogParent, tr("Editor"), message);
}

QString CDocManager::askSavePath(CTarnelDoc *doc)
{
    if (chooseSavePath)
        return chooseSavePath(doc);
    QFileDialog dialog(m_dialogParent, tr("Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(tr("HTML Files (*.htm)"));
    dialog.setDefaultSuffix(QStringLiteral("htm"));
    const QString path = doc->path();
    dialog.selectFile(path.isEmpty() ? doc->title() + QStringLiteral(".htm") : path);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool CDocManager::SaveDocument(CTarnelDoc *doc, bool saveAs)
{
    QString path = doc->path();
    if (saveAs || path.isEmpty()) {
        path = askSavePath(doc);
        if (path.isEmpty())
            return false;
    }
    if (QFileInfo(path).absoluteFilePath() == doc->path() && !settleBeforeSaving(doc, &path))
        return false;
    if (!doc->OnSaveDocument(path))
        return offerSaveAsAfterFailure(doc);
    addToRecentFiles(doc->path());
    return true;
}

bool CDocManager::offerSaveAsAfterFailure(CTarnelDoc *doc)
{
    m_error = doc->errorString();
    qWarning().noquote() << m_error;
    QMessageBox box(QMessageBox::Critical, tr("Editor"),
                    m_error + tr("\n\nThe text is still in the editor. Save it elsewhere?"),
                    QMessageBox::Save | QMessageBox::Cancel, m_dialogParent);
    box.button(QMessageBox::Save)->setText(tr("Save As..."));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    if (box.exec() != QMessageBox::Save)
        return false;
    return SaveDocument(doc, true);
}

bool CDocManager::SaveModified(CTarnelDoc *doc)
{
    if (!doc->isModified())
        return true;
    int answer;
    if (askSaveChanges) {
        answer = askSaveChanges(doc);
    } else {
        answer = QMessageBox::question(
            m_dialogParent, tr("Editor"), tr("Save changes to %1?").arg(doc->title()),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    }
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Yes)
        return SaveDocument(doc, false) || closeChosen(doc);
    return true;
}

bool CDocManager::SaveAllModified()
{
    for (CTarnelDoc *doc : QList<CTarnelDoc *>(m_documents))
        if (!SaveModified(doc))
            return false;
    return true;
}

void CDocManager::CloseDocument(CTarnelDoc *doc)
{
    if (!SaveModified(doc))
        return;
    emit documentClosing(doc);
    closeDocumentNow(doc);
}

void CDocManager::CloseAllDocuments()
{
    for (CTarnelDoc *doc : QList<CTarnelDoc *>(m_documents)) {
        emit documentClosing(doc);
        closeDocumentNow(doc);
    }
}

void CDocManager::closeDocumentNow(CTarnelDoc *doc)
{
    if (!m_documents.removeOne(doc))
        return;
    m_closeChosen.remove(doc);
    doc->OnCloseDocument();
    doc->deleteLater();
    emit documentClosed();
}
