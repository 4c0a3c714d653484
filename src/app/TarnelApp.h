#pragma once

#include "RecentFileList.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

class CDocFrame;
class CDocTemplate;
class CMainFrame;
class CRecoveryStore;
class CPreviewProfile;
class CSplashWnd;
class CTarnelDoc;

// The application object: start-up, the profile, the two document templates, the open
// documents, idle processing and the commands that need no window.
class CTarnelApp : public QObject
{
    Q_OBJECT
public:
    explicit CTarnelApp(QObject *parent = nullptr);
    ~CTarnelApp() override;

    // Start-up: profile, templates, main window, splash, command line (`arguments` are the
    // positional arguments: none for a new page, one path to open), main window maximised.
    // False ends the process (errorString() says why).
    bool InitInstance(const QStringList &arguments, bool showWindow = true);
    // One idle pass; true while more idle passes are wanted.
    bool OnIdle();

    CMainFrame *mainFrame() const { return m_mainFrame.get(); }
    const QString &errorString() const { return m_error; }

    // Documents.
    CTarnelDoc *OnFileNew();
    void OnFileOpen();
    // Opens `path` in a new source window; on failure reports it (when `report`) and
    // returns nullptr. A file that is already open gets its window activated.
    CTarnelDoc *OpenDocumentFile(const QString &path, bool report = true);
    void openRecent(const QString &path);
    bool SaveDocument(CTarnelDoc *doc, bool saveAs);
    // Asks whether to save a modified document: false when the user cancelled.
    bool SaveModified(CTarnelDoc *doc);
    bool SaveAllModified();
    bool CanCloseFrame(CDocFrame *frame);
    void CloseDocument(CTarnelDoc *doc);
    void CloseAllDocuments();
    const QList<CTarnelDoc *> &documents() const { return m_documents; }
    QStringList recentFiles() const { return m_recentFiles.files(); }

    void OnAppAbout();
    void OnFilePrintSetup();
    void onFrameActivated(CDocFrame *frame);

    // Crash recovery (TarnelAppRecovery.cpp): copies of modified documents, and the offer to
    // restore the copies an earlier run left behind.
    CRecoveryStore *recovery() const { return m_recovery.get(); }
    void offerRecovery();
    // Ends the run at once for a shutdown or the session's end: nobody is there to answer a
    // question, so unsaved text is kept in recovery copies for the next start to offer.
    void endRunKeepingRecovery();
    // Asks about every open file another program changed since it was read or saved:
    // reload it, or keep the editor's text. Runs whenever the main window is activated.
    void checkFilesChangedOnDisk();
    // Before saving over a file another program changed: true to go on and overwrite it.
    bool confirmOverwriteChanged(CTarnelDoc *doc);

    // Test seams: a save dialog and a question box that tests can answer without a display.
    std::function<QString(CTarnelDoc *)> chooseSavePath;
    std::function<int(CTarnelDoc *)> askSaveChanges; // QMessageBox::Yes / No / Cancel

    bool m_bReloadPreview = true;
    CDocTemplate *m_pPreviewTemplate = nullptr;
    CDocTemplate *m_pSourceTemplate = nullptr;
    quint32 m_dwSplashTime = 0;
    QPointer<CSplashWnd> m_splash;

signals:
    void documentOpened(CTarnelDoc *doc);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startRecovery();
    // A large file takes seconds to read and colour: says so in the status bar first.
    void announceLongOpen(const QString &path);
    CTarnelDoc *newDocument();
    void adoptDocument(CTarnelDoc *doc);
    void addToRecentFiles(const QString &path);
    CPreviewProfile *previewProfile();
    void reportError(const QString &message);
    void closeDocumentNow(CTarnelDoc *doc);

    QString m_error;
    std::unique_ptr<CMainFrame> m_mainFrame;
    std::unique_ptr<CDocTemplate> m_sourceTemplate;
    std::unique_ptr<CDocTemplate> m_previewTemplate;
    QList<CTarnelDoc *> m_documents;
    CRecentFileList m_recentFiles;
    QElapsedTimer m_clock;
    int m_untitledCount = 0;
    std::unique_ptr<CRecoveryStore> m_recovery;
    bool m_checkingDisk = false;
    // Made with the first preview window: starting the browser engine costs time.
    CPreviewProfile *m_previewProfile = nullptr;
};
