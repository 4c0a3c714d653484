// The window around a preview keeps its menus, toolbar and status bar when the embedded
// browser first appears: what the X server shows is read back. Needs an X server (ctest runs
// it under xvfb-run, whose OpenGL is software, as on virtual machines and remote desktops).

#include "UiTestSupport.h"

#include "MyFrame.h"
#include "MyView.h"
#include "WebEngineSetup.h"

#include <QImage>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>

using namespace uitest;

namespace {

// The share of near-black pixels in `widget` as the screen shows it.
double blackShare(QWidget *widget)
{
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    const QImage shot =
        widget->screen()
            ->grabWindow(0, origin.x(), origin.y(), widget->width(), widget->height())
            .toImage();
    qsizetype black = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            black += qGray(shot.pixel(x, y)) < 16;
    return shot.isNull() ? 1.0 : double(black) / (double(shot.width()) * shot.height());
}

} // namespace

class TestX11Preview : public QObject
{
    Q_OBJECT
private slots:
    void showingThePreviewLeavesTheWindowDrawn()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs an X server");
        QTemporaryDir dir;
        const QString page = dir.filePath("page.htm");
        QVERIFY(writeFile(page, "<P>Hello <B>world</B></P>"));
        Editor editor;
        QVERIFY(editor.start({page}, true));
        CMainFrame *frame = editor.frame();
        frame->setGeometry(frame->screen()->availableGeometry().adjusted(0, 30, 0, 0));
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QTest::qWait(500);
        QVERIFY(blackShare(frame->menuBar()) < 0.2);

        QTabBar *tabs = frame->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        auto *preview = qobject_cast<CMyFrame *>(frame->mdiArea()->activeSubWindow());
        QVERIFY(preview);
        QSignalSpy loaded(preview->previewView(), &QWebEngineView::loadFinished);
        QVERIFY(loaded.wait(20000));
        QTest::qWait(1500);
        for (QWidget *part :
             {static_cast<QWidget *>(frame->menuBar()), static_cast<QWidget *>(tabs),
              static_cast<QWidget *>(frame->statusBar())})
            QVERIFY2(blackShare(part) < 0.2, part->metaObject()->className());
    }
};

int main(int argc, char **argv)
{
    prepareWebEngine(argc, argv);
    QApplication application(argc, argv);
    TestX11Preview test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_x11_preview.moc"
