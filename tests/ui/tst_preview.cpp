// The HTML View through the real windows and a real embedded browser: the newest text on
// every switch, a saved page's own files, what a hostile page can read and send, the toolbar's
// browser commands, Open in Browser, and a preview that outlives its source window.

#include "UiTestSupport.h"
#include "WebTestSupport.h"

#include "MyFrame.h"
#include "MyView.h"
#include "WebEngineSetup.h"
#include "commandids.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUdpSocket>
#include <QWebEngineHistory>
#include <QWebEnginePage>

using namespace uitest;
using namespace tarnel;

namespace {

constexpr int kLoadTimeout = 20000;

QString bodyText(QWebEngineView *view)
{
    return evalJs(view, QStringLiteral("document.body ? document.body.innerText : ''")).toString();
}

// Records the URLs the desktop would open in the user's browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(m_editor.start());
        m_editor.app->docManager()->CloseAllDocuments();
        m_editor.frame()->resize(1000, 700);
        m_editor.app->docManager()->askSaveChanges = [](CTarnelDoc *) {
            return int(QMessageBox::No);
        };
        for (const char *scheme : {"file", "ftp", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_browser, "open");
    }

    void cleanupTestCase()
    {
        for (const char *scheme : {"file", "ftp", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    void cleanup()
    {
        m_editor.app->docManager()->CloseAllDocuments();
        settle();
        m_browser.urls.clear();
        m_editor.frame()->statusBar()->clearMessage();
    }

    void everySwitchShowsTheNewestText()
    {
        m_editor.app->docManager()->OnFileNew();
        CTarnelView *view = m_editor.view();
        QVERIFY(view);
        view->setFocus();
        QTest::keyClicks(view, "Alpha");

        CMyView *preview = switchToHtml();
        QVERIFY(preview);
        auto *frame = activePreviewFrame();
        QCOMPARE(frame->windowTitle().left(9), QString("HTML View"));
        QVERIFY(frame->isMaximized());
        QCOMPARE(bodyText(preview), QString("Alpha"));

        clickTab(0);
        QVERIFY(m_editor.view());
        QCOMPARE(m_editor.view(), view);
        QTest::keyClicks(view, "Beta");
        QCOMPARE(switchToHtml(), preview);
        QCOMPARE(bodyText(preview), QString("AlphaBeta"));
        QCOMPARE(m_editor.frame()->mdiArea()->subWindowList().size(), 2);

        // The tab is clicked again while the preview is shown: nothing happens.
        QSignalSpy loads(preview, &QWebEngineView::loadStarted);
        clickTab(1);
        QTest::qWait(100);
        QCOMPARE(loads.count(), 0);
    }

    void openInBrowserHandsOverTheCurrentText_data()
    {
        QTest::addColumn<bool>("fromPreview");
        QTest::addColumn<bool>("editFirst");
        QTest::newRow("source view of a page never previewed") << false << false;
        QTest::newRow("source view after editing") << false << true;
        QTest::newRow("HTML View after editing") << true << true;
    }

    void openInBrowserHandsOverTheCurrentText()
    {
        QFETCH(bool, fromPreview);
        QFETCH(bool, editFirst);
        CTarnelDoc *doc = m_editor.app->docManager()->OnFileNew();
        if (fromPreview)
            QVERIFY(switchToHtml());
        if (editFirst) {
            // The text changes after the last preview: the browser still gets it as it stands.
            doc->firstViewOf<CTarnelView>()->InsertSnippet("<P>edited</P>", true);
        }
        QAction *open = m_editor.frame()->action(ID_OPEN_IN_BROWSER);
        m_editor.frame()->updateCommandStates();
        QVERIFY(open->isEnabled());
        open->trigger();
        QCOMPARE(m_browser.urls.size(), 1);
        const QUrl url = m_browser.urls.first();
        QVERIFY(url.isLocalFile());
        QCOMPARE(readFile(url.toLocalFile()), QByteArray::fromStdString(doc->text()));
        QVERIFY(!doc->text().empty());
    }

    void savedPageLoadsItsOwnFiles()
    {
        const QString site = m_dir.filePath("site");
        QVERIFY(QDir().mkpath(site + "/pics"));
        QImage picture(37, 23, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(site + "/pics/a.png"));
        QVERIFY(writeFile(site + "/style.css", "P { color: rgb(1, 2, 3) }"));
        QVERIFY(writeFile(site + "/script.js", "window.fromScript = 42;"));
        QVERIFY(writeFile(site + "/inner.htm", "<P>framed</P>"));
        QVERIFY(writeFile(site + "/page.htm",
                          "<HTML><HEAD><LINK REL=\"stylesheet\" HREF=\"style.css\">"
                          "<SCRIPT SRC=\"script.js\"></SCRIPT></HEAD><BODY>"
                          "<IMG SRC=\"pics/a.png\"><P>text</P>"
                          "<IFRAME ID=\"f\" SRC=\"inner.htm\"></IFRAME></BODY></HTML>"));
        CTarnelDoc *doc = m_editor.app->docManager()->OpenDocumentFile(site + "/page.htm");
        QVERIFY(doc);
        CMyView *preview = switchToHtml();
        QVERIFY(preview);
        struct Case
        {
            const char *name;
            const char *script;
            QVariant expected;
        };
        const Case cases[] = {
            {"picture", "document.images[0].naturalWidth", 37},
            {"style sheet", "getComputedStyle(document.querySelector('P')).color", "rgb(1, 2, 3)"},
            {"script", "window.fromScript", 42},
            {"frame", "document.getElementById('f').contentDocument.body.innerText", "framed"},
        };
        for (const Case &c : cases)
            QVERIFY2(evalJs(preview, c.script) == c.expected, c.name);

        // The user's browser gets a private copy whose BASE leads back to the page's folder.
        m_editor.frame()->action(ID_OPEN_IN_BROWSER)->trigger();
        const QString copy = m_browser.urls.value(0).toLocalFile();
        QVERIFY(!copy.isEmpty());
        QVERIFY(!copy.startsWith(site));
        QVERIFY(readFile(copy).startsWith("<HTML><HEAD><BASE HREF=\"" +
                                          QUrl::fromLocalFile(site + "/").toEncoded() + "\">"));

        // Nothing was ever written beside the page; the browser's copy outlives the page.
        const QStringList files = {"inner.htm", "page.htm", "script.js", "style.css"};
        QCOMPARE(QDir(site).entryList(QDir::Files | QDir::Hidden | QDir::System), files);
        m_editor.app->docManager()->CloseAllDocuments();
        settle();
        QVERIFY(QFileInfo::exists(copy));
    }

    void unsavedPageResolvesNothingLocal()
    {
        const QString site = m_dir.filePath("unsaved-pics");
        QVERIFY(QDir().mkpath(site));
        QImage picture(5, 5, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QVERIFY(picture.save(site + "/b.png"));
        QVERIFY(QDir::setCurrent(site));
        CTarnelDoc *doc = m_editor.app->docManager()->OnFileNew();
        doc->firstViewOf<CTarnelView>()->InsertSnippet(
            "<IMG SRC=\"b.png\"><IMG SRC=\"" +
                QUrl::fromLocalFile(site + "/b.png").toString().toStdString() + "\"><P>shown</P>",
            true);
        CMyView *preview = switchToHtml();
        QVERIFY(preview);
        QCOMPARE(bodyText(preview), QString("shown"));
        QCOMPARE(evalJs(preview, "document.images[0].naturalWidth").toInt(), 0);
        QCOMPARE(evalJs(preview, "document.images[1].naturalWidth").toInt(), 0);
    }

    void hostilePageReadsNothingOutsideItsFolder()
    {
        const QString site = m_dir.filePath("hostile");
        QVERIFY(QDir().mkpath(site));
        QVERIFY(writeFile(m_dir.filePath("secret.txt"), "TOPSECRET"));
        QVERIFY(writeFile(site + "/inside.txt", "INSIDEOK"));
        QVERIFY(QDir().mkpath(site + "/.ssh"));
        QVERIFY(writeFile(site + "/.ssh/id_rsa", "TOPSECRET"));
        QVERIFY(writeFile(site + "/.env", "TOPSECRET"));
        QVERIFY(QFile::link(m_dir.filePath("secret.txt"), site + "/link.txt"));
        const QString absolute = QUrl::fromLocalFile(m_dir.filePath("secret.txt")).toString();
        // Each way of reading is tried on each target; results land in window.results.
        const QByteArray page =
            "<HTML><BODY><P>hostile</P><SCRIPT>\n"
            "window.results = {};\n"
            "const targets = {absolute: '" +
            absolute.toUtf8() +
            "', parent: '../secret.txt',"
            " link: 'link.txt', hiddenFolder: '.ssh/id_rsa', hiddenFile: '.env',"
            " absoluteHidden: '" +
            QUrl::fromLocalFile(site + "/.env").toString().toUtf8() +
            "', inside: 'inside.txt'};\n"
            "function wait(ms) { return new Promise(r => setTimeout(r, ms)); }\n"
            "async function viaFetch(u) { const r = await fetch(u); return await r.text(); }\n"
            "function viaXhr(u) { return new Promise((ok, fail) => { const x = new "
            "XMLHttpRequest();"
            " x.onload = () => ok(x.responseText); x.onerror = () => fail('error');"
            " x.open('GET', u); x.send(); }); }\n"
            "function viaFrame(tag, u) { return new Promise(ok => { const e = "
            "document.createElement(tag);"
            " if (tag == 'iframe') e.src = u; else { e.data = u; e.type = 'text/plain'; }"
            " e.onload = () => { try { ok(e.contentDocument.body.innerText); } catch (x) { "
            "ok('error'); } };"
            " e.onerror = () => ok('error'); document.body.appendChild(e);"
            " setTimeout(() => { try { ok(e.contentDocument.body.innerText); } catch (x) { "
            "ok('error'); } }, 3000); }); }\n"
            "(async () => { for (const [name, u] of Object.entries(targets)) {\n"
            "  for (const [how, f] of [['fetch', viaFetch], ['xhr', viaXhr],"
            " ['iframe', u => viaFrame('iframe', u)], ['object', u => viaFrame('object', u)]]) {\n"
            "    try { results[how + ' ' + name] = String(await f(u)); }"
            " catch (x) { results[how + ' ' + name] = 'error'; } } }\n"
            "  window.done = true; })();\n"
            "</SCRIPT></BODY></HTML>";
        QVERIFY(writeFile(site + "/page.htm", page));
        QVERIFY(m_editor.app->docManager()->OpenDocumentFile(site + "/page.htm"));
        CMyView *preview = switchToHtml();
        QVERIFY(preview);
        QTRY_VERIFY_WITH_TIMEOUT(evalJs(preview, "window.done === true").toBool(), kLoadTimeout);
        const QJsonObject results =
            QJsonDocument::fromJson(
                evalJs(preview, "JSON.stringify(window.results)").toString().toUtf8())
                .object();
        QCOMPARE(results.size(), 28);
        for (auto it = results.begin(); it != results.end(); ++it)
            QVERIFY2(!it.value().toString().contains("TOPSECRET"), qPrintable(it.key()));
        // The same ways do read a file inside the folder, so the refusals above are real.
        QCOMPARE(results.value("xhr inside").toString(), QString("INSIDEOK"));
        QCOMPARE(results.value("iframe inside").toString(), QString("INSIDEOK"));
    }

    void hostilePageSendsNothing()
    {
        QTcpServer http, webSocket;
        QVERIFY(http.listen(QHostAddress::LocalHost));
        QVERIFY(webSocket.listen(QHostAddress::LocalHost));
        QUdpSocket udp;
        QVERIFY(udp.bind(QHostAddress::LocalHost, 0));
        int connections = 0, datagrams = 0;
        connect(&http, &QTcpServer::newConnection, this, [&] { ++connections; });
        connect(&webSocket, &QTcpServer::newConnection, this, [&] { ++connections; });
        connect(&udp, &QUdpSocket::readyRead, this, [&] {
            while (udp.hasPendingDatagrams()) {
                udp.receiveDatagram();
                ++datagrams;
            }
        });
        const QByteArray h = "http://127.0.0.1:" + QByteArray::number(http.serverPort());
        const QByteArray ws = "ws://127.0.0.1:" + QByteArray::number(webSocket.serverPort());
        const QByteArray u = "127.0.0.1:" + QByteArray::number(udp.localPort());
        const QByteArray page =
            "<HTML><BODY><P>hostile</P><FORM ID=\"f\" METHOD=\"GET\" ACTION=\"" + h +
            "/form\">"
            "<INPUT NAME=\"q\" VALUE=\"1\"></FORM>"
            "<IMG SRC=\"" +
            h +
            "/img.png\"><SCRIPT>\n"
            "window.tried = [];\n"
            "function attempt(name, f) { try { f(); window.tried.push(name); } catch (x) {} }\n"
            "attempt('fetch', () => fetch('" +
            h +
            "/fetch').catch(() => {}));\n"
            "attempt('xhr', () => { const x = new XMLHttpRequest(); x.open('GET', '" +
            h +
            "/xhr'); x.send(); });\n"
            "attempt('beacon', () => navigator.sendBeacon('" +
            h +
            "/beacon', 'x'));\n"
            "attempt('websocket', () => new WebSocket('" +
            ws +
            "'));\n"
            "attempt('webrtc', () => { const pc = new RTCPeerConnection({iceServers: [{urls: "
            "'stun:" +
            u +
            "'}]});"
            " pc.createDataChannel('d'); pc.createOffer().then(o => pc.setLocalDescription(o)); "
            "window.pc = pc; });\n"
            "attempt('webtransport', () => new WebTransport('https://" +
            u +
            "/'));\n"
            "attempt('open', () => window.open('" +
            h +
            "/open'));\n"
            "setTimeout(() => document.getElementById('f').submit(), 300);\n"
            "setTimeout(() => { location.href = '" +
            h +
            "/navigate'; }, 600);\n"
            "</SCRIPT></BODY></HTML>";
        const QString site = m_dir.filePath("sender");
        QVERIFY(QDir().mkpath(site));
        QVERIFY(writeFile(site + "/page.htm", page));
        QVERIFY(m_editor.app->docManager()->OpenDocumentFile(site + "/page.htm"));
        CMyView *preview = switchToHtml();
        QVERIFY(preview);
        const QUrl shown = preview->url();
        QTest::qWait(3000);
        QCOMPARE(connections, 0);
        QCOMPARE(datagrams, 0);
        QCOMPARE(preview->url(), shown);
        QCOMPARE(evalJs(preview, "typeof WebTransport").toString(), QString("undefined"));
        // The attempts ran (so nothing was received because nothing got out).
        QVERIFY(
            evalJs(preview, "window.tried.includes('webrtc') && window.tried.includes('websocket')")
                .toBool());
    }

    void pageCannotNavigateAwayByItself_data()
    {
        QTest::addColumn<QString>("script");
        QTest::newRow("location assignment") << "location.href = 'other.htm'";
        QTest::newRow("link click") << "document.getElementById('l').click()";
        QTest::newRow("form submission") << "document.getElementById('f').submit()";
        QTest::newRow("location to a file elsewhere")
            << "location.href = '" + QUrl::fromLocalFile(m_dir.filePath("secret.txt")).toString() +
                   "'";
    }

    void pageCannotNavigateAwayByItself()
    {
        QFETCH(QString, script);
        const QString site = m_dir.filePath("nav");
        QVERIFY(QDir().mkpath(site));
        QVERIFY(writeFile(site + "/other.htm", "<P>other</P>"));
        QVERIFY(writeFile(site + "/page.htm", "<P>home</P><A ID=\"l\" HREF=\"other.htm\">other</A>"
                                              "<FORM ID=\"f\" ACTION=\"other.htm\"></FORM>"));
        QVERIFY(m_editor.app->docManager()->OpenDocumentFile(site + "/page.htm"));
        CMyView *preview = switchToHtml();
        QVERIFY(preview);
        const QUrl shown = preview->url();
        evalJs(preview, script);
        QTest::qWait(500);
        QCOMPARE(preview->url(), shown);
        QVERIFY(bodyText(preview).startsWith("home"));
    }

    void frameClickOpensNothingAndSaysWhatItWouldHaveOpened_data()
    {
        QTest::addColumn<QByteArray>("link");
        QTest::addColumn<QString>("reported");
        QTest::addColumn<bool>("byKeyboard");
        const QByteArray ftp = "ftp://127.0.0.1:9/x?d=SECRET";
        const QByteArray mail = "mailto:a@example.org?body=SECRET";
        QTest::newRow("ftp link in a frame") << ftp << QString(ftp) << false;
        QTest::newRow("mail link in a frame") << mail << QString(mail) << false;
        QTest::newRow("mail link in a frame, by Enter") << mail << QString(mail) << true;
        QTest::newRow("page of the folder in a frame")
            << QByteArray("other.htm") << ": other.htm" << false;
    }

    void frameClickOpensNothingAndSaysWhatItWouldHaveOpened()
    {
        QFETCH(QByteArray, link);
        QFETCH(QString, reported);
        QFETCH(bool, byKeyboard);
        // A transparent frame over the whole page turns any click into a click on its link.
        const QByteArray frame = "<A ID=&quot;l&quot; HREF=&quot;" + link +
                                 "&quot; STYLE=&quot;position:fixed;inset:0&quot;>x</A>";
        CTarnelDoc *doc = m_editor.app->docManager()->OnFileNew();
        doc->firstViewOf<CTarnelView>()->InsertSnippet(
            "<P>home</P><IFRAME SRCDOC=\"" + frame.toStdString() +
                "\" STYLE=\"position:fixed;inset:0;width:100%;height:100%;border:0;"
                "opacity:0\"></IFRAME>",
            true);
        CMyView *preview = switchToHtml();
        QVERIFY(preview);
        const QUrl shown = preview->url();
        QTRY_VERIFY(evalJs(preview, "!!frames[0].document.getElementById('l')").toBool());
        QSignalSpy messages(preview, &CMyView::statusMessage);
        // As by a hand: the pointer rests on the link (or the focus is on it) first.
        QSignalSpy hovered(preview->page(), &QWebEnginePage::linkHovered);
        QWidget *browser = preview->focusProxy();
        if (byKeyboard) {
            preview->setFocus();
            QTest::keyClick(browser, Qt::Key_Tab);
        } else {
            // (Qt drops a move to where the pointer already is.)
            QTest::mouseMove(browser, QPoint(190, 190));
            QTest::mouseMove(browser, QPoint(200, 200));
        }
        QTRY_VERIFY(!hovered.isEmpty() && !hovered.last().first().toUrl().isEmpty());
        if (byKeyboard)
            QTest::keyClick(browser, Qt::Key_Return);
        else
            QTest::mouseClick(browser, Qt::LeftButton, {}, QPoint(200, 200));
        QTRY_VERIFY2(m_editor.frame()->statusBar()->currentMessage().contains(reported),
                     qPrintable(m_editor.frame()->statusBar()->currentMessage()));
        QVERIFY(!m_editor.frame()->statusBar()->currentMessage().contains("tarnel-page"));
        QTest::qWait(300);
        QCOMPARE(messages.count(), 1);
        // A frame sent elsewhere by a script is refused as well.
        evalJs(preview, "frames[0].location.href = '" + QString::fromLatin1(link) + "'");
        QTest::qWait(1000);
        QVERIFY2(m_browser.urls.isEmpty(), qPrintable(m_browser.urls.value(0).toString()));
        QCOMPARE(preview->url(), shown);
    }

    void scriptDialogsNeverHoldTheEditor()
    {
        CTarnelDoc *doc = m_editor.app->docManager()->OnFileNew();
        doc->firstViewOf<CTarnelView>()->InsertSnippet(
            "<P>dialogs</P><SCRIPT>for (let i = 0; i < 300; ++i) alert('first ' + i);"
            " window.answers = [confirm('sure?'), prompt('name?', 'default')];</SCRIPT>",
            true);
        CMyView *preview = switchToHtml();
        QVERIFY(preview);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(evalJs(preview, "JSON.stringify(window.answers)").toString(),
                 QString("[false,null]"));
        QVERIFY(m_editor.frame()->statusBar()->currentMessage().contains("first 0"));
    }

    void pageOpensNoChooser_data()
    {
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<QString>("picked");
        QTest::newRow("file input") << QByteArray("<INPUT TYPE=\"file\" ID=\"t\">")
                                    << "document.getElementById('t').files.length";
        QTest::newRow("folder picker")
            << QByteArray("<BUTTON ID=\"t\" ONCLICK=\"showDirectoryPicker().then("
                          "d => window.picked = d.name, e => window.picked = 0)\">pick</BUTTON>")
            << "window.picked";
    }

    void pageOpensNoChooser()
    {
        QFETCH(QByteArray, control);
        QFETCH(QString, picked);
        CTarnelDoc *doc = m_editor.app->docManager()->OnFileNew();
        doc->firstViewOf<CTarnelView>()->InsertSnippet(
            ("<STYLE>#t { position: fixed; left: 0; top: 0; width: 200px; height: 80px }</STYLE>" +
             control)
                .toStdString(),
            true);
        CMyView *preview = switchToHtml();
        QVERIFY(preview);
        // Shared: the watch may outlive this test by its timeout.
        const auto chooserShown = std::make_shared<bool>(false);
        whenModal(
            [chooserShown](QWidget *w) {
                *chooserShown = true;
                w->close();
            },
            3000);
        // Choosers need the user's own click.
        QTest::mouseClick(preview->focusProxy(), Qt::LeftButton, {}, QPoint(100, 40));
        QTRY_VERIFY(m_editor.frame()->statusBar()->currentMessage().contains("no file chooser"));
        QCOMPARE(evalJs(preview, picked).toInt(), 0);
        QVERIFY(!*chooserShown);
    }

    void pageWritesNothingToTheConsole()
    {
        static QStringList logged;
        logged.clear();
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &c, const QString &m) {
                if (c.category && qstrcmp(c.category, "js") == 0)
                    logged.append(m);
            });
        CTarnelDoc *doc = m_editor.app->docManager()->OnFileNew();
        doc->firstViewOf<CTarnelView>()->InsertSnippet(
            "<SCRIPT>for (const f of ['log', 'warn', 'error']) console[f]('\\x1b[2J' + f);"
            " undefinedName();</SCRIPT>",
            true);
        QVERIFY(switchToHtml());
        QTest::qWait(300);
        qInstallMessageHandler(previous);
        QCOMPARE(logged, QStringList());
    }

    void nothingIsWrittenBesideThePage()
    {
        const QString site = m_dir.filePath("beside");
        QVERIFY(QDir().mkpath(site));
        QImage picture(11, 7, QImage::Format_RGB32);
        picture.fill(Qt::green);
        QVERIFY(picture.save(site + "/a.png"));
        QVERIFY(writeFile(site + "/page.htm", "<IMG SRC=\"a.png\">"));
        CTarnelDoc *doc = m_editor.app->docManager()->OpenDocumentFile(site + "/page.htm");
        QVERIFY(doc);
        doc->firstViewOf<CTarnelView>()->InsertSnippet("<P>unsaved draft</P>", true);
        CMyView *preview = switchToHtml();
        QVERIFY(preview);
        QCOMPARE(evalJs(preview, "document.images[0].naturalWidth").toInt(), 11);
        QVERIFY(bodyText(preview).contains("unsaved draft"));
        QCOMPARE(preview->url().scheme(), QString("tarnel-page"));
        QCOMPARE(QDir(site).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                      QDir::NoDotAndDotDot),
                 QStringList({"a.png", "page.htm"}));
    }

    void toolbarActsOnTheBrowserHistory()
    {
        CTarnelDoc *doc = m_editor.app->docManager()->OnFileNew();
        doc->firstViewOf<CTarnelView>()->InsertSnippet(
            "<P><A ID=\"link\" HREF=\"#two\">to two</A></P><P ID=\"two\">two</P>", true);
        CMyView *preview = switchToHtml();
        QVERIFY(preview);
        CMainFrame *frame = m_editor.frame();
        frame->updateCommandStates();
        for (int id : {ID_PREVIEW_STOP, ID_PREVIEW_BACK, ID_PREVIEW_FORWARD, ID_PREVIEW_REFRESH})
            QVERIFY(frame->action(id)->isEnabled());

        // A click on an anchor of the page makes history.
        QWidget *surface = preview->focusProxy();
        QVERIFY(surface);
        const QVariantList box =
            evalJs(preview, "(r => [r.x + r.width / 2, r.y + r.height / 2])("
                            "document.getElementById('link').getBoundingClientRect())")
                .toList();
        QCOMPARE(box.size(), 2);
        QTest::mouseClick(surface, Qt::LeftButton, {},
                          QPoint(box.at(0).toInt(), box.at(1).toInt()));
        QTRY_COMPARE(preview->url().fragment(), QString("two"));
        frame->action(ID_PREVIEW_BACK)->trigger();
        QTRY_COMPARE(preview->url().fragment(), QString());
        frame->action(ID_PREVIEW_FORWARD)->trigger();
        QTRY_COMPARE(preview->url().fragment(), QString("two"));

        // Refresh shows the text taken at the last switch, not what was typed since.
        doc->firstViewOf<CTarnelView>()->InsertSnippet("<P>typed since</P>", true);
        QSignalSpy loaded(preview, &QWebEngineView::loadFinished);
        frame->action(ID_PREVIEW_REFRESH)->trigger();
        QVERIFY(loaded.wait(kLoadTimeout));
        QVERIFY(!bodyText(preview).contains("typed since"));

        // The source view's buttons are off while the source window is active.
        clickTab(0);
        for (int id : {ID_PREVIEW_STOP, ID_PREVIEW_BACK, ID_PREVIEW_FORWARD, ID_PREVIEW_REFRESH})
            QVERIFY(!frame->action(id)->isEnabled());
    }

    void previewOutlivesItsSourceWindow()
    {
        CTarnelDoc *doc = m_editor.app->docManager()->OnFileNew();
        CChildFrame *source = m_editor.activeSource();
        CMyView *preview = switchToHtml();
        QVERIFY(preview);
        clickTab(0);
        source->sourceView()->InsertSnippet("<P>after close</P>", true);
        QVERIFY(source->close());
        settle();
        auto *frame = activePreviewFrame();
        QVERIFY(frame);
        QCOMPARE(frame->previewView(), preview);
        QCOMPARE(doc->firstViewOf<CTarnelView>(), nullptr);

        // A reload still writes the document's text; saving still saves it.
        QSignalSpy loaded(preview, &QWebEngineView::loadFinished);
        m_editor.frame()->requestPreviewReload();
        frame->onActivated();
        QVERIFY(loaded.wait(kLoadTimeout));
        QVERIFY(bodyText(preview).contains("after close"));
        const QString saved = m_dir.filePath("outlived.htm");
        m_editor.app->docManager()->chooseSavePath = [saved](CTarnelDoc *) { return saved; };
        m_editor.frame()->action(ID_FILE_SAVE)->trigger();
        m_editor.app->docManager()->chooseSavePath = nullptr;
        QCOMPARE(readFile(saved), QByteArray::fromStdString(doc->text()));
        QVERIFY(readFile(saved).contains("after close"));

        // Saved at last, the page is shown under its file's name.
        m_editor.frame()->requestPreviewReload();
        frame->onActivated();
        QVERIFY(loaded.wait(kLoadTimeout));
        QCOMPARE(preview->url().fileName(), QString("outlived.htm"));
        QVERIFY(bodyText(preview).contains("after close"));
    }

    // Not a check: with TARNEL_PREVIEW_SHOT set (under xvfb-run), saves a picture of the
    // editor showing the HTML View of a page with a picture, a table and coloured text.
    void screenshot()
    {
        const QString target = qEnvironmentVariable("TARNEL_PREVIEW_SHOT");
        if (target.isEmpty())
            QSKIP("TARNEL_PREVIEW_SHOT not set");
        const QString site = m_dir.filePath("shot");
        QVERIFY(QDir().mkpath(site + "/pics"));
        QImage picture(160, 100, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixelColor(x, y, QColor::fromHsv((x * 2 + y) % 360, 200, 230));
        QVERIFY(picture.save(site + "/pics/a.png"));
        QVERIFY(writeFile(
            site + "/page.htm",
            "<HTML><HEAD><TITLE>My Home Page</TITLE></HEAD><BODY>\r\n"
            "<H2>Preview</H2>\r\n<IMG SRC=\"pics/a.png\" WIDTH=\"160\" HEIGHT=\"100\">\r\n"
            "<P><FONT COLOR=\"#c03020\">Coloured text in red</FONT> and "
            "<FONT COLOR=\"#2050c0\">in blue</FONT>.</P>\r\n"
            "<TABLE BORDER=\"1\" CELLPADDING=\"4\"><TR><TH>Name</TH><TH>Count</TH></TR>"
            "<TR><TD>Apples</TD><TD>3</TD></TR><TR><TD>Pears</TD><TD>5</TD></TR></TABLE>\r\n"
            "</BODY></HTML>\r\n"));
        // Under a bare X server nothing maximises the window: it takes the whole screen.
        m_editor.frame()->setGeometry(m_editor.frame()->screen()->availableGeometry());
        QVERIFY(m_editor.app->docManager()->OpenDocumentFile(site + "/page.htm"));
        CMyView *preview = switchToHtml();
        QVERIFY(preview);
        QTRY_COMPARE(
            evalJs(preview, "document.images[0].complete && document.images[0].naturalWidth")
                .toInt(),
            160);
        QTest::qWait(1500);
        const QPixmap shot = m_editor.frame()->screen()->grabWindow(0);
        QVERIFY(shot.save(target));
    }

private:
    void clickTab(int index)
    {
        QTabBar *tabs = m_editor.frame()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
        settle();
    }

    CMyFrame *activePreviewFrame() const
    {
        return qobject_cast<CMyFrame *>(m_editor.frame()->mdiArea()->activeSubWindow());
    }

    // Clicks "HTML View" and (unless told not to) waits until the page has loaded.
    CMyView *switchToHtml(bool waitForLoad = true)
    {
        QTabBar *tabs = m_editor.frame()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        CMyFrame *frame = activePreviewFrame();
        if (!frame)
            return nullptr;
        // The load was only started: nothing has finished before the event loop runs.
        QSignalSpy loaded(frame->previewView(), &QWebEngineView::loadFinished);
        if (waitForLoad && !loaded.wait(kLoadTimeout))
            return nullptr;
        return frame->previewView();
    }

    QTemporaryDir m_dir;
    Editor m_editor;
    UrlCatcher m_browser;
};

int main(int argc, char **argv)
{
    prepareWebEngine(argc, argv);
    QApplication application(argc, argv);
    TestPreview test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_preview.moc"
