// What the next start restores of a run: the main window's panes and the pages that were open,
// with their carets and live previews, before the command line's pages.

#include "UiTestSupport.h"

#include "EditorSettings.h"
#include "ProblemsDock.h"
#include "RecoveryStore.h"
#include "WebEngineSetup.h"
#include "commandids.h"

#include <QAction>
#include <QDir>
#include <QStatusBar>

using namespace uitest;
using namespace tarnel;

namespace {

QStringList pagesInWindowOrder(const Editor &editor)
{
    QStringList paths;
    for (QMdiSubWindow *w : editor.frame()->mdiArea()->subWindowList(QMdiArea::CreationOrder))
        if (auto *child = qobject_cast<CChildFrame *>(w))
            paths << QFileInfo(child->document()->path()).fileName();
    return paths;
}

CChildFrame *windowOf(const Editor &editor, const QString &name)
{
    for (QMdiSubWindow *w : editor.frame()->mdiArea()->subWindowList())
        if (auto *child = qobject_cast<CChildFrame *>(w);
            child && QFileInfo(child->document()->path()).fileName() == name)
            return child;
    return nullptr;
}

} // namespace

class TestSession : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_pages.isValid());
        const QByteArray lines = QByteArray("<P>line</P>\r\n").repeated(200);
        for (const char *name : {"a.htm", "b.htm", "gone.htm", "given.htm"})
            QVERIFY(writeFile(m_pages.filePath(name), lines));
    }

    void aRestartReopensThePagesWhereTheyWere()
    {
        {
            Editor editor;
            QVERIFY(editor.start());
            CDocManager *documents = editor.app->docManager();
            for (const char *name : {"a.htm", "b.htm", "gone.htm"})
                QVERIFY(documents->OpenDocumentFile(m_pages.filePath(name)));
            windowOf(editor, "a.htm")->sourceView()->selectBytes(1300, 1300);
            windowOf(editor, "b.htm")->sourceView()->selectBytes(42, 42);
            // The browser is not asked to draw anything: only that the preview was shown.
            windowOf(editor, "b.htm")->toggleLivePreview();
            editor.frame()->action(ID_VIEW_PROBLEMS)->setChecked(true);
            editor.frame()->mdiArea()->setActiveSubWindow(windowOf(editor, "a.htm"));
            QVERIFY(editor.frame()->close()); // the untitled page is not kept
        }
        QVERIFY(QFile::remove(m_pages.filePath("gone.htm")));
        Editor editor;
        QVERIFY(editor.start({m_pages.filePath("given.htm")}));
        QCOMPARE(pagesInWindowOrder(editor), QStringList({"a.htm", "b.htm", "given.htm"}));
        QCOMPARE(QFileInfo(editor.doc()->path()).fileName(), QString("given.htm"));
        QCOMPARE(windowOf(editor, "a.htm")->sourceView()->CharIndexAtCaret(), std::size_t(1300));
        QCOMPARE(windowOf(editor, "b.htm")->sourceView()->CharIndexAtCaret(), std::size_t(42));
        QVERIFY(windowOf(editor, "b.htm")->livePreviewPane());
        QVERIFY(!windowOf(editor, "a.htm")->livePreviewPane());
        QVERIFY(editor.frame()->action(ID_VIEW_PROBLEMS)->isChecked());
        QVERIFY(!editor.frame()->problems()->isHidden());
        QVERIFY2(editor.frame()->statusBar()->currentMessage().contains("gone.htm"),
                 qPrintable(editor.frame()->statusBar()->currentMessage()));
    }

    void withTheChoiceOffNothingIsReopened()
    {
        {
            Editor editor;
            QVERIFY(editor.start({m_pages.filePath("a.htm")}));
            QVERIFY(editor.frame()->close());
        }
        QSettings().setValue("Editor/ReopenPages", false);
        Editor editor;
        QVERIFY(editor.start());
        QCOMPARE(editor.app->docManager()->documents().size(), 1);
        QVERIFY(editor.doc()->path().isEmpty());
        QSettings().remove("Editor/ReopenPages");
        EditorSettings::setCurrent({});
    }

    void aPageBothRestoredAndRecoveredOpensOnce()
    {
        const QString a = m_pages.filePath("a.htm");
        QSettings().remove("Session"); // what the tests before left open
        QSettings().setValue("Recovery/DelayMs", 0);
        {
            Editor editor;
            QVERIFY(editor.start({a}));
            QVERIFY(editor.frame()->close());
        }
        {
            // The next run reopens it, is typed in, and ends without saving: its copy is left.
            Editor editor;
            QVERIFY(editor.start());
            QCOMPARE(editor.doc()->path(), a);
            editor.view()->setFocus();
            QTest::keyClicks(editor.view(), "Q");
            CRecoveryStore *store = editor.app->docManager()->recovery();
            const QString copy = store->copyPathOf(editor.doc());
            QTRY_VERIFY(QFile::exists(copy));
            store->waitForWrites();
            QVERIFY(QFile::copy(copy,
                                QDir(CRecoveryStore::defaultFolder()).filePath("9-9-1.recovery")));
        }
        Editor editor;
        editor.app->docManager()->askRestore = [](const QString &) { return true; };
        QVERIFY(editor.app->InitInstance({}, false, true));
        QCOMPARE(pagesInWindowOrder(editor), QStringList({"a.htm"}));
        QCOMPARE(editor.app->docManager()->documents().size(), 1);
        QVERIFY(editor.app->docManager()->documents().first()->text().find('Q') !=
                std::string::npos);
        QSettings().remove("Recovery");
    }

private:
    QTemporaryDir m_pages;
};

int main(int argc, char **argv)
{
    prepareWebEngine(argc, argv);
    QApplication application(argc, argv);
    TestSession test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_session.moc"
