// The live preview beside the source, with the real embedded browser: typing is patched into
// the shown page without a reload, a change in the head reloads it, the caret's element is
// outlined, and clicks in the page lead back to the source and its forms.

#include "UiTestSupport.h"
#include "WebTestSupport.h"

#include "ChildFrame.h"
#include "ImgDlg.h"
#include "LivePreview.h"
#include "LivePreviewPane.h"
#include "WebEngineSetup.h"
#include "commandids.h"

#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSplitter>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

#include <csignal>

using namespace uitest;
using namespace tarnel;

namespace {

constexpr int kWait = 20000;

// The centre of the first element matching `selector`, in the view's coordinates.
QPoint centreOf(QWebEngineView *view, const QString &selector)
{
    const QVariantList xy =
        evalJs(view, QStringLiteral("(() => { const r = document.querySelector('%1')"
                                    ".getBoundingClientRect();"
                                    " return [r.left + r.width / 2, r.top + r.height / 2]; })()")
                         .arg(selector))
            .toList();
    return xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : QPoint();
}

// The centre of `word` in the text of the element with `id`.
QPoint centreOfWord(QWebEngineView *view, const QString &id, const QString &word)
{
    const QVariantList xy =
        evalJs(view, QStringLiteral("(() => { const t = document.getElementById('%1').firstChild;"
                                    " const r = document.createRange(), at = t.data.indexOf('%2');"
                                    " r.setStart(t, at); r.setEnd(t, at + %3);"
                                    " const b = r.getBoundingClientRect();"
                                    " return [b.left + b.width / 2, b.top + b.height / 2]; })()")
                         .arg(id, word)
                         .arg(word.size()))
            .toList();
    return xy.size() == 2 ? QPoint(xy[0].toInt(), xy[1].toInt()) : QPoint();
}

} // namespace

class TestLivePreview : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QImage picture(37, 23, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(m_dir.filePath("a.png")));
        QVERIFY(picture.scaled(11, 7).save(m_dir.filePath("b.png")));
        QVERIFY(m_editor.start({}, true));
        m_editor.frame()->resize(1200, 800);
        m_editor.app->docManager()->askSaveChanges = [](CTarnelDoc *) {
            return int(QMessageBox::No);
        };
    }

    void init()
    {
        m_editor.app->docManager()->CloseAllDocuments();
        settle();
        const QByteArray page = "<HTML><HEAD><TITLE>One</TITLE></HEAD><BODY>\r\n"
                                "<P STYLE=\"height:900px\">first</P>\r\n"
                                "<P>second <IMG SRC=\"a.png\" ALT=\"red\"></P>\r\n"
                                "<INPUT ID=\"f\">\r\n"
                                "</BODY></HTML>\r\n";
        QVERIFY(writeFile(m_dir.filePath("page.htm"), page));
        QVERIFY(m_editor.app->docManager()->OpenDocumentFile(m_dir.filePath("page.htm")));
        m_editor.frame()->action(ID_VIEW_LIVE_PREVIEW)->trigger();
        m_preview = CLivePreviewPane::previewIn(m_editor.activeSource()->livePreviewPane());
        QVERIFY(m_preview);
        QTRY_VERIFY_WITH_TIMEOUT(m_preview->inStep(), kWait);
    }

    void f12OpensAndClosesBesideTheSource()
    {
        QSplitter *splitter = m_editor.activeSource()->splitter();
        QCOMPARE(splitter->count(), 3);
        QVERIFY(splitter->widget(2)->isAncestorOf(m_preview));
        splitter->setSizes({190, 500, 300});
        const int width = splitter->sizes().value(2);
        m_editor.frame()->action(ID_VIEW_LIVE_PREVIEW)->trigger();
        QVERIFY(!m_editor.activeSource()->livePreviewPane());
        QCOMPARE(splitter->count(), 2);
        // Opened again in the same window, it takes the width it had.
        m_editor.frame()->action(ID_VIEW_LIVE_PREVIEW)->trigger();
        // (The splitter rounds its shares to a pixel.)
        QVERIFY(qAbs(splitter->sizes().value(2) - width) <= 2);
    }

    // The phone's width is the page's CSS viewport whatever the zoom; the page's file keeps
    // both for the next time its preview opens.
    void aWidthAndZoomAreKeptForThePage()
    {
        QVERIFY(writeFile(m_dir.filePath("widths.htm"), "<HTML><BODY><P>w</P></BODY></HTML>"));
        const auto open = [this] {
            QVERIFY(m_editor.app->docManager()->OpenDocumentFile(m_dir.filePath("widths.htm")));
            m_editor.frame()->action(ID_VIEW_LIVE_PREVIEW)->trigger();
            m_preview = CLivePreviewPane::previewIn(m_editor.activeSource()->livePreviewPane());
            QTRY_VERIFY_WITH_TIMEOUT(m_preview->inStep(), kWait);
        };
        open();
        auto *pane = qobject_cast<CLivePreviewPane *>(m_editor.activeSource()->livePreviewPane());
        QCOMPARE(pane->layout(), PreviewLayout{});
        pane->findChild<QToolButton *>("phone")->click();
        const char *phone = "innerWidth === 375 && matchMedia('(max-width: 400px)').matches";
        QTRY_COMPARE_WITH_TIMEOUT(evalJs(m_preview, phone), QVariant(true), kWait);
        m_preview->setFocus();
        QTest::keyClick(m_preview->focusProxy(), Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(m_preview->zoomFactor(), 1.1);
        QTRY_COMPARE_WITH_TIMEOUT(evalJs(m_preview, phone), QVariant(true), kWait);

        m_editor.app->docManager()->CloseAllDocuments();
        settle();
        open();
        QCOMPARE(
            qobject_cast<CLivePreviewPane *>(m_editor.activeSource()->livePreviewPane())->layout(),
            (PreviewLayout{PreviewWidth::Phone, 110}));
        QCOMPARE(m_preview->zoomFactor(), 1.1);
        QTRY_COMPARE_WITH_TIMEOUT(evalJs(m_preview, phone), QVariant(true), kWait);
        // Back to the default, which the profile keeps no entry for.
        qobject_cast<CLivePreviewPane *>(m_editor.activeSource()->livePreviewPane())
            ->setPreviewWidth(PreviewWidth::Full);
        qobject_cast<CLivePreviewPane *>(m_editor.activeSource()->livePreviewPane())
            ->setZoomPercent(100);
    }

    void typingIsPatchedInWithoutReloading()
    {
        evalJs(m_preview, "window.kept = 1; window.scrollTo(0, 300);"
                          "document.getElementById('f').value = 'typed';");
        QSignalSpy loads(m_preview, &QWebEngineView::loadStarted);
        QSignalSpy updated(m_preview, &CLivePreview::updated);
        QSignalSpy painted(m_preview, &CLivePreview::painted);
        CTarnelView *view = m_editor.view();
        const std::size_t at = viewBytes(view).indexOf("second");
        view->selectBytes(at, at);
        view->setFocus();
        QTest::keyClicks(view, "new ");
        QVERIFY(updated.wait(kWait));
        // The page says when the frame showing the patch has been drawn.
        QVERIFY(painted.count() > 0 || painted.wait(kWait));
        QCOMPARE(loads.count(), 0);
        QVERIFY(evalJs(m_preview, "document.body.innerText").toString().contains("new second"));
        QCOMPARE(evalJs(m_preview, "window.kept").toInt(), 1);
        QCOMPARE(evalJs(m_preview, "window.scrollY").toInt(), 300);
        QCOMPARE(evalJs(m_preview, "document.getElementById('f').value").toString(),
                 QString("typed"));
        // The user's page never carries the preview's marks.
        QVERIFY(!viewBytes(view).contains("data-tarnel"));
    }

    // What the page's scripts built at load stays after a key: such a page is loaded again,
    // at the place it was scrolled to.
    void aPageWithScriptsKeepsWhatTheyBuilt()
    {
        QVERIFY(writeFile(m_dir.filePath("script.htm"),
                          "<HTML><BODY><P ID=\"status\">source</P><UL ID=\"list\"></UL>\r\n"
                          "<P STYLE=\"height:3000px\">long</P><P>end</P>\r\n"
                          "<SCRIPT>document.getElementById('status').textContent = 'ready';"
                          " document.getElementById('list').innerHTML = '<LI>a<LI>b';"
                          "</SCRIPT>\r\n</BODY></HTML>\r\n"));
        QVERIFY(m_editor.app->docManager()->OpenDocumentFile(m_dir.filePath("script.htm")));
        m_editor.frame()->action(ID_VIEW_LIVE_PREVIEW)->trigger();
        m_preview = CLivePreviewPane::previewIn(m_editor.activeSource()->livePreviewPane());
        QTRY_VERIFY_WITH_TIMEOUT(m_preview->inStep(), kWait);
        const int scrolled =
            evalJs(m_preview, "document.querySelectorAll('p')[2].scrollIntoView(); scrollY")
                .toInt();
        QVERIFY(scrolled > 0);
        QSignalSpy updated(m_preview, &CLivePreview::updated);
        typeBefore("</P>\r\n<SCRIPT>", "!");
        QVERIFY(updated.wait(kWait));
        QTRY_COMPARE_WITH_TIMEOUT(evalJs(m_preview, "document.body.innerText.includes('end!')"),
                                  QVariant(true), kWait);
        QCOMPARE(evalJs(m_preview, "document.getElementById('status').textContent +"
                                   " document.getElementById('list').children.length"),
                 QVariant("ready2"));
        QTRY_COMPARE_WITH_TIMEOUT(evalJs(m_preview, "scrollY").toInt(), scrolled, kWait);
    }

    // A style sheet changed on disk is swapped in without a load (what the helpers hold
    // stays); a picture changed on disk shows after the page is loaded again.
    void filesBesideThePageChangedOnDiskShow()
    {
        QVERIFY(writeFile(m_dir.filePath("s.css"), "p { color: rgb(255, 0, 0) }"));
        QVERIFY(writeFile(m_dir.filePath("files.htm"),
                          "<HTML><HEAD><LINK REL=\"stylesheet\" HREF=\"s.css\"></HEAD><BODY>"
                          "<P>x</P><IMG SRC=\"a.png\"></BODY></HTML>\r\n"));
        QVERIFY(m_editor.app->docManager()->OpenDocumentFile(m_dir.filePath("files.htm")));
        m_editor.frame()->action(ID_VIEW_LIVE_PREVIEW)->trigger();
        m_preview = CLivePreviewPane::previewIn(m_editor.activeSource()->livePreviewPane());
        QTRY_VERIFY_WITH_TIMEOUT(m_preview->inStep(), kWait);
        const char *colour = "getComputedStyle(document.querySelector('p')).color";
        QTRY_COMPARE_WITH_TIMEOUT(evalJs(m_preview, colour), QVariant("rgb(255, 0, 0)"), kWait);
        evalJs(m_preview, "window.sameDocument = true");
        QVERIFY(writeFile(m_dir.filePath("s.css"), "p { color: rgb(0, 0, 255) }"));
        QTRY_COMPARE_WITH_TIMEOUT(evalJs(m_preview, colour), QVariant("rgb(0, 0, 255)"), kWait);
        QCOMPARE(evalJs(m_preview, "window.sameDocument === true"), QVariant(true));

        QTRY_COMPARE_WITH_TIMEOUT(evalJs(m_preview, "document.images[0].naturalWidth").toInt(), 37,
                                  kWait);
        QVERIFY(QImage(m_dir.filePath("b.png")).save(m_dir.filePath("a.png")));
        QTRY_COMPARE_WITH_TIMEOUT(evalJs(m_preview, "document.images[0].naturalWidth").toInt(), 11,
                                  kWait);
        // Put back for the other tests.
        QImage picture(37, 23, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(m_dir.filePath("a.png")));
    }

    void aChangeInTheHeadReloads()
    {
        QSignalSpy loads(m_preview, &QWebEngineView::loadFinished);
        CTarnelView *view = m_editor.view();
        const std::size_t at = viewBytes(view).indexOf("One");
        view->selectBytes(at, at + 3);
        view->setFocus();
        QTest::keyClicks(view, "Two");
        QTRY_VERIFY_WITH_TIMEOUT(loads.count() > 0 && m_preview->inStep(), kWait);
        QCOMPARE(evalJs(m_preview, "document.title").toString(), QString("Two"));
    }

    void aPageStartedWithoutTheHelpersIsStillPatched()
    {
        // As Qt WebEngine now and then starts the first page after a renderer ended.
        m_preview->page()->scripts().clear();
        QSignalSpy loaded(m_preview, &QWebEngineView::loadFinished);
        typeBefore("One", "Two ");
        QTRY_VERIFY_WITH_TIMEOUT(loaded.count() > 0 && m_preview->inStep(), kWait);
        QSignalSpy loads(m_preview, &QWebEngineView::loadStarted);
        QSignalSpy updated(m_preview, &CLivePreview::updated);
        typeBefore("second", "new ");
        QVERIFY(updated.wait(kWait));
        QCOMPARE(loads.count(), 0);
        QVERIFY(evalJs(m_preview, "document.body.innerText").toString().contains("new second"));
    }

    void unsavedTextShowsItsRelativePictures()
    {
        CTarnelView *view = m_editor.view();
        const std::size_t at = viewBytes(view).indexOf("<INPUT");
        view->selectBytes(at, at);
        QSignalSpy updated(m_preview, &CLivePreview::updated);
        view->InsertSnippet("<IMG ID=\"late\" SRC=\"b.png\">", false);
        QVERIFY(updated.wait(kWait));
        QTRY_COMPARE_WITH_TIMEOUT(
            evalJs(m_preview, "document.getElementById('late').naturalWidth").toInt(), 11, kWait);
    }

    void theCaretsElementIsOutlined()
    {
        CTarnelView *view = m_editor.view();
        const std::size_t at = viewBytes(view).indexOf("second");
        view->selectBytes(at + 2, at + 2);
        // The outline box sits over the second paragraph, scrolled into view.
        const QString boxOverSecond = QStringLiteral(
            "(() => { const b = document.documentElement.lastElementChild;"
            " const p = document.querySelectorAll('p')[1].getBoundingClientRect();"
            " return b.tagName === 'DIV' && Math.abs(parseFloat(b.style.top) - scrollY - p.top) < 1"
            " && p.top >= 0 && p.bottom <= innerHeight; })()");
        QTRY_VERIFY_WITH_TIMEOUT(evalJs(m_preview, boxOverSecond).toBool(), kWait);
    }

    void aClickInThePageMovesTheCaret()
    {
        CTarnelView *view = m_editor.view();
        view->selectBytes(0, 0);
        evalJs(m_preview, "document.querySelectorAll('p')[1].scrollIntoView()");
        const QPoint second = centreOf(m_preview, "p:nth-of-type(2)");
        QTest::mouseClick(m_preview->focusProxy(), Qt::LeftButton, {}, second);
        const std::size_t start = viewBytes(view).indexOf("<P>second");
        QTRY_COMPARE_WITH_TIMEOUT(view->CharIndexAtCaret(), start, kWait);
    }

    // An in-page link is not followed: the page stays where it is, the caret goes to the
    // element clicked inside the link and the box goes around that element.
    void aClickOnAnInPageLinkStaysAndOutlinesWhatWasClicked()
    {
        QVERIFY(writeFile(m_dir.filePath("links.htm"),
                          "<HTML><BODY><P><A HREF=\"#prices\"><EM>write to <STRONG>us</STRONG>"
                          "</EM></A></P>\r\n<P ID=\"prices\" STYLE=\"margin-top:3000px\">p</P>"
                          "\r\n</BODY></HTML>\r\n"));
        QVERIFY(m_editor.app->docManager()->OpenDocumentFile(m_dir.filePath("links.htm")));
        m_editor.frame()->action(ID_VIEW_LIVE_PREVIEW)->trigger();
        m_preview = CLivePreviewPane::previewIn(m_editor.activeSource()->livePreviewPane());
        QTRY_VERIFY_WITH_TIMEOUT(m_preview->inStep(), kWait);
        QTest::mouseClick(m_preview->focusProxy(), Qt::LeftButton, {},
                          centreOf(m_preview, "strong"));
        CTarnelView *view = m_editor.view();
        QTRY_COMPARE_WITH_TIMEOUT(view->CharIndexAtCaret(),
                                  std::size_t(viewBytes(view).indexOf("<STRONG>")), kWait);
        const QString boxOverStrong = QStringLiteral(
            "(() => { const b = document.documentElement.lastElementChild;"
            " const s = document.querySelector('strong').getBoundingClientRect();"
            " return b.tagName === 'DIV' && Math.abs(parseFloat(b.style.width) - s.width) < 1"
            " && scrollY === 0; })()");
        QTRY_VERIFY_WITH_TIMEOUT(evalJs(m_preview, boxOverStrong).toBool(), kWait);
    }

    void aDoubleClickOnAPictureOpensItsForm()
    {
        evalJs(m_preview, "document.images[0].scrollIntoView()");
        const QPoint picture = centreOf(m_preview, "img");
        bool opened = false;
        whenModal([&](QWidget *w) {
            opened = qobject_cast<CImgDlg *>(w) != nullptr;
            auto *source = w->findChild<QLineEdit *>("imageSource");
            if (opened && source && source->text() == "a.png")
                source->setText("b.png");
            static_cast<QDialog *>(w)->accept();
        });
        QTest::mouseDClick(m_preview->focusProxy(), Qt::LeftButton, {}, picture);
        QTRY_VERIFY_WITH_TIMEOUT(opened, kWait);
        QTRY_VERIFY(viewBytes(m_editor.view()).contains("<IMG SRC=\"b.png\" ALT=\"red\">"));
    }

    // The page's script swaps the marks of its two pictures whenever it finds them, at the
    // load and after each patch: a double click on the first still opens the first.
    void swappedMarksLeadTheDoubleClickNowhereElse()
    {
        QVERIFY(writeFile(
            m_dir.filePath("swap.htm"),
            "<HTML><BODY><P><IMG SRC=\"a.png\"> <IMG SRC=\"b.png\"></P>\r\n"
            "<SCRIPT>function swap() { const m = 'data-tarnel-at', [a, b] = document.images;"
            " const x = a.getAttribute(m), y = b.getAttribute(m);"
            " if (x !== null && y !== null && +x < +y) { a.setAttribute(m, y);"
            " b.setAttribute(m, x); } }\r\nswap(); setInterval(swap, 20);</SCRIPT>\r\n"
            "</BODY></HTML>\r\n"));
        QVERIFY(m_editor.app->docManager()->OpenDocumentFile(m_dir.filePath("swap.htm")));
        m_editor.frame()->action(ID_VIEW_LIVE_PREVIEW)->trigger();
        m_preview = CLivePreviewPane::previewIn(m_editor.activeSource()->livePreviewPane());
        QTRY_VERIFY_WITH_TIMEOUT(m_preview->inStep(), kWait);
        for (const char *typed : {"", "x"}) {
            QSignalSpy updated(m_preview, &CLivePreview::updated);
            if (*typed) {
                typeBefore("</P>", typed);
                QVERIFY(updated.wait(kWait));
            }
            QTest::qWait(100);
            QString opened;
            whenModal([&](QWidget *w) {
                if (auto *source = w->findChild<QLineEdit *>("imageSource"))
                    opened = source->text();
                static_cast<QDialog *>(w)->reject();
            });
            QTest::mouseDClick(m_preview->focusProxy(), Qt::LeftButton, {},
                               centreOf(m_preview, "img"));
            QTRY_COMPARE_WITH_TIMEOUT(opened, QString("a.png"), kWait);
        }
    }

    // A word edited where the page shows it reaches the saved file as exactly its characters,
    // in one undo step; text that is not plain in the source is refused and stays as it is.
    void textEditedInThePageIsWrittenIntoTheSource()
    {
        const QByteArray page = "<HTML><BODY>\r\n<P ID=\"a\">Fish &amp; chips</P>\r\n"
                                "<P ID=\"b\">a <B>bold</B> word</P>\r\n</BODY></HTML>\r\n";
        const QString path = m_dir.filePath("edit.htm");
        QVERIFY(writeFile(path, page));
        QVERIFY(m_editor.app->docManager()->OpenDocumentFile(path));
        m_editor.frame()->action(ID_VIEW_LIVE_PREVIEW)->trigger();
        m_preview = CLivePreviewPane::previewIn(m_editor.activeSource()->livePreviewPane());
        QTRY_VERIFY_WITH_TIMEOUT(m_preview->inStep(), kWait);
        QWidget *shown = m_preview->focusProxy();

        // Escape puts the text back and writes nothing.
        QTest::mouseDClick(shown, Qt::LeftButton, {}, centreOfWord(m_preview, "a", "chips"));
        QTRY_VERIFY_WITH_TIMEOUT(m_preview->editingText(), kWait);
        QTest::keyClicks(shown, "xyz");
        QTest::keyClick(shown, Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!m_preview->editingText(), kWait);
        QCOMPARE(evalJs(m_preview, "document.getElementById('a').textContent"),
                 QVariant("Fish & chips"));
        QCOMPARE(viewBytes(m_editor.view()), page);

        // The page's scripts neither end the edit nor get their changes written with it.
        QTest::qWait(QApplication::doubleClickInterval()); // a double click, not a third click
        QTest::mouseDClick(shown, Qt::LeftButton, {}, centreOfWord(m_preview, "a", "chips"));
        QTRY_VERIFY_WITH_TIMEOUT(m_preview->editingText(), kWait);
        evalJs(m_preview, "const a = document.getElementById('a'); a.firstChild.data += '!';"
                          "a.dispatchEvent(new KeyboardEvent('keydown', {key: 'Enter'}))");
        QTest::qWait(200);
        QVERIFY(m_preview->editingText());
        QTest::keyClick(shown, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(
            m_editor.frame()->statusBar()->currentMessage().contains("scripts changed the text"),
            kWait);
        QCOMPARE(viewBytes(m_editor.view()), page);

        // The double click selects the word; what is typed replaces it, escaped.
        QTest::qWait(QApplication::doubleClickInterval());
        QTest::mouseDClick(shown, Qt::LeftButton, {}, centreOfWord(m_preview, "a", "chips"));
        QTRY_VERIFY_WITH_TIMEOUT(m_preview->editingText(), kWait);
        QTest::keyClicks(shown, "peas <3");
        QTest::keyClick(shown, Qt::Key_Return);
        QByteArray edited = page;
        edited.replace("chips", "peas &lt;3");
        QTRY_COMPARE_WITH_TIMEOUT(viewBytes(m_editor.view()), edited, kWait);
        m_editor.frame()->action(ID_FILE_SAVE)->trigger();
        QCOMPARE(readFile(path), edited);
        m_editor.view()->commands().run(ID_EDIT_UNDO);
        QCOMPARE(viewBytes(m_editor.view()), page);
        m_editor.view()->commands().run(ID_EDIT_REDO);

        // F2 edits the element holding the source's caret: here one with a B inside.
        const std::size_t word = viewBytes(m_editor.view()).indexOf(" word");
        m_editor.view()->selectBytes(word, word);
        QTRY_VERIFY_WITH_TIMEOUT(m_preview->inStep(), kWait);
        m_preview->setFocus();
        QTest::qWait(100); // the caret's move reaches the preview
        QTest::keyClick(shown, Qt::Key_F2);
        QTRY_VERIFY_WITH_TIMEOUT(
            m_editor.frame()->statusBar()->currentMessage().contains("it holds markup"), kWait);
        QVERIFY(!m_preview->editingText());
        QCOMPARE(evalJs(m_preview, "document.getElementById('b').isContentEditable"),
                 QVariant(false));
        m_editor.frame()->action(ID_FILE_SAVE)->trigger();
        QCOMPARE(readFile(path), edited);
    }

    void aDeadOrStuckRendererComesBackAtTheNextChange_data()
    {
        QTest::addColumn<bool>("hangs");
        QTest::newRow("renderer ended") << false;
        QTest::newRow("page hangs when loaded") << true;
    }

    void aDeadOrStuckRendererComesBackAtTheNextChange()
    {
        QFETCH(bool, hangs);
        CTarnelView *view = m_editor.view();
        QSignalSpy ended(m_preview->page(), &QWebEnginePage::renderProcessTerminated);
        if (hangs) {
            const std::size_t head = viewBytes(view).indexOf("</HEAD>");
            view->selectBytes(head, head);
            view->InsertSnippet("<SCRIPT>for (;;) {}</SCRIPT>", false);
        } else {
            ::kill(pid_t(m_preview->page()->renderProcessPid()), SIGKILL);
        }
        QVERIFY(ended.wait(kWait));
        if (hangs)
            view->commands().run(ID_EDIT_UNDO);
        typeBefore("second", "again ");
        QTRY_VERIFY_WITH_TIMEOUT(m_preview->inStep(), kWait);
        QVERIFY(evalJs(m_preview, "document.body.innerText").toString().contains("again second"));
    }

    void aPageThatNeverAnswersHoldsNothing()
    {
        QVERIFY(writeFile(m_dir.filePath("busy.htm"),
                          "<HTML><BODY><P>x</P><SCRIPT>for (;;) {}</SCRIPT></BODY></HTML>"));
        QVERIFY(m_editor.app->docManager()->OpenDocumentFile(m_dir.filePath("busy.htm")));
        m_editor.frame()->action(ID_VIEW_LIVE_PREVIEW)->trigger();
        CTarnelView *view = m_editor.view();
        view->setFocus();
        QElapsedTimer clock;
        for (const char c : QByteArray("typing goes on")) {
            clock.restart();
            QTest::keyClick(view, c);
            QVERIFY(clock.elapsed() < 100);
            QTest::qWait(50);
        }
        QTRY_VERIFY_WITH_TIMEOUT(
            m_editor.frame()->statusBar()->currentMessage().contains("keeps the live preview busy"),
            kWait);
        m_editor.frame()->action(ID_VIEW_LIVE_PREVIEW)->trigger();
        QVERIFY(!m_editor.activeSource()->livePreviewPane());
    }

private:
    void typeBefore(const QByteArray &word, const char *typed)
    {
        CTarnelView *view = m_editor.view();
        const std::size_t at = viewBytes(view).indexOf(word);
        view->selectBytes(at, at);
        view->setFocus();
        QTest::keyClicks(view, typed);
    }

    QTemporaryDir m_dir;
    Editor m_editor;
    CLivePreview *m_preview = nullptr;
};

int main(int argc, char **argv)
{
    prepareWebEngine(argc, argv);
    QApplication application(argc, argv);
    TestLivePreview test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_livepreview.moc"
