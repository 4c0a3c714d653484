#pragma once

#include "RecentFileList.h"
#include "pagetext.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include <functional>
#include <memory>

class CRecoveryStore;
class CTarnelDoc;
class QWidget;

// The open documents: New, Open, Save, Close, the recent-file list and the guards against
// losing work (recovery copies, files changed by another program). It knows no window: it
// says through signals which document wants a window, and the windows ask it to save.
class CDocManager : public QObject
{
    Q_OBJECT
public:
    explicit CDocManager(QObject *parent = nullptr);
    ~CDocManager() override;

    // The window questions and error messages appear over.
    void setDialogParent(QWidget *parent) { m_dialogParent = parent; }
    // Reads the recent-file list from the profile.
    void loadRecentFiles();
    const QString &errorString() const { return m_error; }

    CTarnelDoc *OnFileNew();
    // A new page of today: HTML5 in the desktop's language, UTF-8 with the platform's line
    // breaks.
    CTarnelDoc *OnFileNewHtml5();
    // Asks for a page to open, starting in `startFolder` (the active page's).
    void OnFileOpen(const QString &startFolder = QString());
    // Opens `path`; on failure reports it (when `report`) and returns nullptr. A file that is
    // already open gets its window raised.
    CTarnelDoc *OpenDocumentFile(const QString &path, bool report = true);
    void openRecent(const QString &path);
    // A page named on the command line: opened like OpenDocumentFile, or, when no such file
    // exists yet in an existing folder, a new page that saves to that name.
    CTarnelDoc *openNamedPage(const QString &path, bool report = true);
    bool SaveDocument(CTarnelDoc *doc, bool saveAs);
    // Asks whether to save a modified document: false when the user cancelled.
    bool SaveModified(CTarnelDoc *doc);
    bool SaveAllModified();
    // Asks about unsaved changes, then closes the document's windows.
    void CloseDocument(CTarnelDoc *doc);
    // Closes every document without asking.
    void CloseAllDocuments();
    const QList<CTarnelDoc *> &documents() const { return m_documents; }
    QStringList recentFiles() const { return m_recentFiles.files(); }

    // Crash recovery (DocManagerRecovery.cpp): copies of modified documents, and the offer to
    // restore the copies an earlier run left behind. The profile's Recovery/DelayMs sets how
    // long after the last change a copy is written, Recovery/RestoreWithoutAsking restores
    // without the question.
    void startRecovery();
    CRecoveryStore *recovery() const { return m_recovery.get(); }
    void offerRecovery();
    // Ends the run at once for a shutdown or the session's end: nobody is there to answer a
    // question, so unsaved text is kept in recovery copies for the next start to offer.
    void endRunKeepingRecovery();
    // Asks about every open file another program changed since it was read or saved (reload
    // it, or keep the editor's text) or removed (Save As, Close, or keep the text).
    void checkFilesChangedOnDisk();

    // Seams for tests without a display: the save dialog, the save question
    // (QMessageBox::Yes / No / Cancel) and the restore question (true restores).
    std::function<QString(CTarnelDoc *)> chooseSavePath;
    std::function<int(CTarnelDoc *)> askSaveChanges;
    std::function<bool(const QString &shownName)> askRestore;

signals:
    // A new document wants its first window.
    void documentOpened(CTarnelDoc *doc);
    // A document opened again: its window comes to the front.
    void documentRaised(CTarnelDoc *doc);
    // The document's windows go now, without asking.
    void documentClosing(CTarnelDoc *doc);
    void documentClosed();
    void recentFilesChanged();
    void statusMessage(const QString &text, int timeoutMs);

private:
    // A large file takes seconds to read and colour: says so in the status bar first.
    void announceLongOpen(const QString &path);
    bool wantsRestored(const QString &shownName);
    QString askSavePath(CTarnelDoc *doc);
    CTarnelDoc *newDocument();
    CTarnelDoc *newUntitled(std::string startingText, tarnel::LineBreak lineBreak);
    void adoptDocument(CTarnelDoc *doc);
    void addToRecentFiles(const QString &path);
    void saveRecentFiles();
    void reportError(const QString &message);
    // A save failed: says why and offers Save As; true when that saved the page.
    bool offerSaveAsAfterFailure(CTarnelDoc *doc);
    // Before writing a page over its own file: asks what another program's change or removal
    // of it needs. False when the save should not go on; `path` may become a Save As target.
    bool settleBeforeSaving(CTarnelDoc *doc, QString *path);
    bool confirmOverwriteChanged(CTarnelDoc *doc);
    // The page's file went: asks Save As, Close or Keep, and does Keep and Close (once the
    // page is no longer in use); QMessageBox::Save when the user chose Save As.
    int askAboutMissingFile(CTarnelDoc *doc);
    void askToReload(CTarnelDoc *doc);
    void closeDocumentLater(CTarnelDoc *doc);
    bool closeChosen(CTarnelDoc *doc) const { return m_closeChosen.contains(doc); }
    void closeDocumentNow(CTarnelDoc *doc);

    QString m_error;
    QPointer<QWidget> m_dialogParent;
    QList<CTarnelDoc *> m_documents;
    CRecentFileList m_recentFiles;
    int m_untitledCount = 0;
    std::unique_ptr<CRecoveryStore> m_recovery;
    bool m_restoreWithoutAsking = false;
    bool m_checkingDisk = false;
    // Pages whose user chose Close over their removed file: asked whether to save them on
    // the way out, that answer stands for "close without saving".
    QSet<const CTarnelDoc *> m_closeChosen;
};
