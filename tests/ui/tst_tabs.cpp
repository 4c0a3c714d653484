// The Source View / HTML View tabs: they switch the active page between its two windows and
// always show the kind of the active window, however it was activated.

#include "UiTestSupport.h"

#include "MyFrame.h"
#include "WebEngineSetup.h"
#include "commandids.h"

#include <QAction>
#include <QTabBar>

using namespace uitest;
using namespace tarnel;

namespace {
int count(CMainFrame *frame, bool preview)
{
    int n = 0;
    for (QMdiSubWindow *w : frame->mdiArea()->subWindowList())
        n += (qobject_cast<CMyFrame *>(w) != nullptr) == preview;
    return n;
}
} // namespace

class TestTabs : public QObject
{
    Q_OBJECT
private slots:
    void tabsSwitchBothWaysAndFollowTheWindow()
    {
        Editor editor;
        QVERIFY(editor.start());
        CMainFrame *frame = editor.frame();
        QTabBar *tabs = frame->tabBar();
        QCOMPARE(tabs->currentIndex(), 0);
        QCOMPARE(frame->htmlActive(), 0);

        // HTML View opens the preview window the first time...
        tabs->setCurrentIndex(1);
        QVERIFY(qobject_cast<CMyFrame *>(frame->mdiArea()->activeSubWindow()));
        QCOMPARE(count(frame, true), 1);
        QCOMPARE(frame->htmlActive(), 1);
        // ...with the preview buttons enabled and the Insert entries disabled.
        QVERIFY(frame->action(ID_PREVIEW_REFRESH)->isEnabled());
        QVERIFY(!frame->action(ID_INSERT_IMAGE)->isEnabled());

        // Source View returns to the source window.
        tabs->setCurrentIndex(0);
        QVERIFY(qobject_cast<CChildFrame *>(frame->mdiArea()->activeSubWindow()));
        QVERIFY(!frame->action(ID_PREVIEW_REFRESH)->isEnabled());

        // HTML View again activates the same preview window.
        tabs->setCurrentIndex(1);
        QCOMPARE(count(frame, true), 1);

        // Activating a window another way moves the tab with it.
        frame->mdiArea()->setActiveSubWindow(editor.app->docManager()->documents().isEmpty()
                                                 ? nullptr
                                                 : frame->mdiArea()->subWindowList().first());
        QVERIFY(qobject_cast<CChildFrame *>(frame->mdiArea()->activeSubWindow()));
        QCOMPARE(tabs->currentIndex(), 0);
        for (QMdiSubWindow *w : frame->mdiArea()->subWindowList())
            if (qobject_cast<CMyFrame *>(w))
                frame->mdiArea()->setActiveSubWindow(w);
        QCOMPARE(tabs->currentIndex(), 1);
        // The next click on Source View goes to the source, never the opposite of a stale switch.
        tabs->setCurrentIndex(0);
        QVERIFY(qobject_cast<CChildFrame *>(frame->mdiArea()->activeSubWindow()));
    }

    void tabsAreUsableOnlyWhileASourceWindowIsOpen()
    {
        Editor editor;
        QVERIFY(editor.start());
        QTabBar *tabs = editor.frame()->tabBar();
        QVERIFY(tabs->isEnabled());
        editor.frame()->action(ID_WINDOW_NEW)->trigger();
        editor.activeSource()->close();
        settle();
        QVERIFY2(tabs->isEnabled(), "another source window is still open");
        editor.activeSource()->close();
        settle();
        QVERIFY(!tabs->isEnabled());
    }
};

int main(int argc, char **argv)
{
    prepareWebEngine(argc, argv);
    QApplication application(argc, argv);
    TestTabs test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_tabs.moc"
