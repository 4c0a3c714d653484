#pragma once

#include "SplashWnd.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

class CDocManager;
class CMainFrame;

// The application object: start-up, the profile, the splash window and idle processing. It
// owns the document manager and the main window and introduces them; neither knows it.
class CTarnelApp : public QObject
{
    Q_OBJECT
public:
    explicit CTarnelApp(QObject *parent = nullptr);
    ~CTarnelApp() override;

    // Start-up: profile, main window (as the last run left it, else maximised), splash, with
    // `offerRecovery` the question about unsaved text an earlier run left, the pages open at the
    // last exit (when Preferences say so), then the command line's (`arguments`; a new page
    // when nothing else opened). False ends the process when no page could be opened
    // (errorString() says why).
    bool InitInstance(const QStringList &arguments, bool showWindow = true,
                      bool offerRecovery = false);
    // Opens each page in a window (one already open has its window activated; a name that
    // does not exist yet is a new page saved under it). With `report` each failure is told in
    // a message box; the messages of those that failed are returned either way.
    QStringList openPages(const QStringList &pages, bool report);
    // What a later start handed over: its pages open, and the main window comes to the front.
    void answerLaterStart(const QStringList &pages);
    // One idle pass; true while more idle passes are wanted.
    bool OnIdle();

    CMainFrame *mainFrame() const { return m_mainFrame.get(); }
    CDocManager *docManager() const { return m_docManager.get(); }
    CSplashWnd *splash() const { return m_splash; }
    const QString &errorString() const { return m_error; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showSplash();
    bool openStartPages(const QStringList &arguments);

    QString m_error;
    std::unique_ptr<CDocManager> m_docManager;
    std::unique_ptr<CMainFrame> m_mainFrame;
    QElapsedTimer m_clock;
    quint32 m_dwSplashTime = 0;
    QPointer<CSplashWnd> m_splash;
};
