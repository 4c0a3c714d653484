// What a start restores of the last run: the main window's size, place, bars and panes, and the
// pages that were open with their carets, scroll positions and live previews.

#include "MainFrame.h"

#include "ChildFrame.h"
#include "DocManager.h"
#include "EditorSettings.h"
#include "ProblemsDock.h"
#include "TarnelDoc.h"
#include "TarnelView.h"
#include "commandids.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMdiArea>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

using namespace tarnel;

namespace {

const char *const WindowGroup = "MainWindow";
const char *const SessionGroup = "Session";

// One page of the session, as its source window showed it.
struct SessionPage
{
    QString path;
    qint64 caret = 0;
    int firstLine = 0;
    bool livePreview = false;
};

} // namespace

bool CMainFrame::restoreWindowState()
{
    QSettings profile;
    profile.beginGroup(WindowGroup);
    const bool placed = restoreGeometry(profile.value("Geometry").toByteArray());
    restoreState(profile.value("State").toByteArray());
    // The View menu's ticks follow what the saved state showed.
    m_actions[ID_VIEW_TOOLBAR]->setChecked(!m_toolBar->isHidden());
    m_actions[ID_VIEW_PROBLEMS]->setChecked(!m_problems->isHidden());
    m_actions[ID_VIEW_STATUS_BAR]->setChecked(profile.value("StatusBar", true).toBool());
    return placed;
}

void CMainFrame::saveWindowState() const
{
    QSettings profile;
    profile.beginGroup(WindowGroup);
    profile.setValue("Geometry", saveGeometry());
    profile.setValue("State", saveState());
    profile.setValue("StatusBar", m_actions[ID_VIEW_STATUS_BAR]->isChecked());
}

void CMainFrame::saveSession() const
{
    QSettings profile;
    profile.remove(SessionGroup);
    if (!EditorSettings::current().reopenPages)
        return;
    // Each page once, in the order its first window opened, as its window last active showed it.
    QHash<const CTarnelDoc *, CChildFrame *> shownIn;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder))
        if (auto *child = qobject_cast<CChildFrame *>(window))
            shownIn[child->document()] = child;
    QList<const CTarnelDoc *> order;
    for (QMdiSubWindow *window : m_mdiArea->subWindowList(QMdiArea::CreationOrder))
        if (auto *child = qobject_cast<CChildFrame *>(window);
            child && !order.contains(child->document()))
            order.append(child->document());
    const CTarnelDoc *active = activeDocument();
    profile.beginGroup(SessionGroup);
    profile.beginWriteArray("Pages");
    int written = 0;
    for (const CTarnelDoc *doc : std::as_const(order)) {
        // An untitled page, or a new one never saved under the name it was given, has no file
        // to open again.
        if (doc->path().isEmpty() || !QFileInfo(doc->path()).isFile())
            continue;
        const CChildFrame *child = shownIn.value(doc);
        profile.setArrayIndex(written);
        profile.setValue("Path", doc->path());
        profile.setValue("Caret", qint64(child->sourceView()->CharIndexAtCaret()));
        profile.setValue("FirstLine", child->sourceView()->firstVisibleLine());
        profile.setValue("LivePreview", child->livePreviewPane() != nullptr);
        if (doc == active)
            profile.setValue("Active", true);
        ++written;
    }
    profile.endArray();
}

int CMainFrame::restoreSession()
{
    QList<SessionPage> pages;
    int active = -1;
    {
        QSettings profile;
        profile.beginGroup(SessionGroup);
        const int count = profile.beginReadArray("Pages");
        for (int i = 0; i < count; ++i) {
            profile.setArrayIndex(i);
            pages.append({profile.value("Path").toString(), profile.value("Caret").toLongLong(),
                          profile.value("FirstLine").toInt(),
                          profile.value("LivePreview").toBool()});
            if (profile.value("Active").toBool())
                active = i;
        }
    }
    QStringList missing;
    QStringList failed;
    CChildFrame *activeWindow = nullptr;
    int opened = 0;
    for (int i = 0; i < pages.size(); ++i) {
        const SessionPage &page = pages.at(i);
        // A page gone since is told in the status bar: nobody asked for it at this start.
        if (!QFileInfo(page.path).isFile()) {
            missing.append(QDir::toNativeSeparators(page.path));
            continue;
        }
        CTarnelDoc *doc = m_documents->OpenDocumentFile(page.path, false);
        auto *child = doc && !windowsOf(doc).isEmpty()
                          ? qobject_cast<CChildFrame *>(windowsOf(doc).constFirst())
                          : nullptr;
        if (!child) {
            failed.append(m_documents->errorString());
            continue;
        }
        ++opened;
        CTarnelView *view = child->sourceView();
        const auto caret = std::size_t(qBound<qint64>(0, page.caret, qint64(doc->textLength())));
        view->selectBytes(caret, caret);
        // After the view's own first scroll to the caret, which the window's final size decides.
        const int firstLine = page.firstLine;
        QTimer::singleShot(0, view, [view, firstLine] { view->setFirstVisibleLine(firstLine); });
        if (page.livePreview && !child->livePreviewPane())
            child->toggleLivePreview();
        if (i == active)
            activeWindow = child;
    }
    if (activeWindow)
        m_mdiArea->setActiveSubWindow(activeWindow);
    if (!missing.isEmpty())
        failed.prepend(
            tr("Not reopened, no longer there: %1.").arg(missing.join(QStringLiteral(", "))));
    if (!failed.isEmpty())
        statusBar()->showMessage(failed.join(QLatin1Char(' ')), 30000);
    return opened;
}
