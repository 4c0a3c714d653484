// Not a check: takes the pictures of the running editor used in the README and in reviews.
// Runs only with TARNEL_SHOTS=<folder> under a real X server (xvfb-run -a), else it skips.

#include "UiTestSupport.h"

#include "Commands.h"
#include "WebEngineSetup.h"
#include "commandids.h"

#include <QAction>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

using namespace uitest;

class TestScreenshots : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_dir = qEnvironmentVariable("TARNEL_SHOTS");
        if (m_dir.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("set TARNEL_SHOTS and run under xvfb-run -a to take screenshots");
    }

    void editorWithHoveredButton()
    {
        Editor editor;
        QVERIFY(editor.app->InitInstance(
            {QStringLiteral(TARNEL_TEST_DATA "/../../docs/sample.htm")}, true));
        editor.frame()->setGeometry(0, 0, 1024, 640);
        editor.frame()->show();
        QTest::qWait(1800); // the splash goes, the outline fills
        QToolBar *bar = editor.frame()->toolBar();
        QWidget *save = bar->widgetForAction(editor.frame()->action(tarnel::ID_FILE_SAVE));
        QVERIFY(save);
        QTest::mouseMove(save, save->rect().center());
        QTest::qWait(1500);
        shoot("editor.png");
    }

private:
    void shoot(const QString &name)
    {
        const QPixmap pixmap = QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, 1024, 640);
        QVERIFY(pixmap.save(m_dir + QLatin1Char('/') + name));
    }

    QString m_dir;
};

int main(int argc, char **argv)
{
    prepareWebEngine(argc, argv);
    QApplication application(argc, argv);
    TestScreenshots test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_screenshots.moc"
