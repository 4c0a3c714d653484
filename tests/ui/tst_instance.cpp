// One editor per session, through the real program: a later start hands its pages over and
// ends, two starts at once make one editor, and a socket a dead editor left is taken over.

#include "UiTestSupport.h"

#include "InstanceChannel.h"

#include <QProcess>
#include <QSignalSpy>
#include <QUrl>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

using namespace uitest;

namespace {

QStringList pathsOf(const QList<CTarnelDoc *> &documents)
{
    QStringList paths;
    for (const CTarnelDoc *doc : documents)
        paths.append(doc->path());
    return paths;
}

} // namespace

class TestInstance : public QObject
{
    Q_OBJECT
private slots:
    void laterStartsHandTheirPagesOver()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("a.htm"), "<P>a</P>"));
        QVERIFY(writeFile(dir.filePath("b c.htm"), "<P>b</P>"));
        Editor editor;
        QVERIFY(editor.start());
        CInstanceChannel channel;
        QCOMPARE(channel.claim({}), CInstanceChannel::Claim::Serving);
        connect(&channel, &CInstanceChannel::pagesHandedOver, editor.app.get(),
                &CTarnelApp::answerLaterStart);
        channel.startAnswering();
        CDocManager *documents = editor.app->docManager();

        // A path relative to the later start's own folder, a URL, and a name not on disk yet.
        const QString url =
            QUrl::fromLocalFile(dir.filePath("b c.htm")).toString(QUrl::FullyEncoded);
        QVERIFY(startLater(dir.path(), {"a.htm", url, "new.htm"}));
        QTRY_COMPARE(documents->documents().size(), 4);
        QCOMPARE(
            pathsOf(documents->documents()).mid(1),
            (QStringList{dir.filePath("a.htm"), dir.filePath("b c.htm"), dir.filePath("new.htm")}));
        CTarnelDoc *named = documents->documents().last();
        QCOMPARE(named->title(), QString("new.htm"));
        QVERIFY(!QFile::exists(named->path()));
        bool asked = false;
        documents->chooseSavePath = [&asked](CTarnelDoc *) {
            asked = true;
            return QString();
        };
        QVERIFY(documents->SaveDocument(named, false));
        QVERIFY(!asked);
        QCOMPARE(readFile(named->path()), QByteArray::fromStdString(named->text()));

        // A page already open gets its window to the front, not a second document.
        QVERIFY(startLater(dir.path(), {"a.htm"}));
        QTRY_COMPARE(editor.doc()->path(), dir.filePath("a.htm"));
        QCOMPARE(documents->documents().size(), 4);
    }

    void twoStartsAtOnceMakeOneEditor()
    {
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", home.filePath("config"));
        env.insert("XDG_DATA_HOME", home.filePath("data"));
        QProcess first, second;
        for (QProcess *start : {&first, &second}) {
            start->setProcessEnvironment(env);
            start->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        }
        first.start(TARNEL_BINARY, {home.filePath("one.htm")});
        second.start(TARNEL_BINARY, {home.filePath("two.htm")});
        QTRY_VERIFY_WITH_TIMEOUT(
            first.state() == QProcess::NotRunning || second.state() == QProcess::NotRunning, 30000);
        QProcess &ended = first.state() == QProcess::NotRunning ? first : second;
        QProcess &running = &ended == &first ? second : first;
        QCOMPARE(ended.exitStatus(), QProcess::NormalExit);
        QCOMPARE(ended.exitCode(), 0);
        // The one left serves the next start.
        CInstanceChannel next;
        QCOMPARE(next.claim({home.filePath("three.htm")}), CInstanceChannel::Claim::HandedOver);
        QCOMPARE(running.state(), QProcess::Running);
        running.terminate();
        QVERIFY(running.waitForFinished(30000));
    }

    void aSocketLeftBehindIsTakenOver()
    {
        // Bound and never served: what an editor that was killed leaves behind.
        const QByteArray path = QFile::encodeName(CInstanceChannel::serverName());
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(std::size_t(path.size()) < sizeof address.sun_path);
        std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        ::close(socket);
        QVERIFY(QFile::exists(path));

        CInstanceChannel channel;
        QCOMPARE(channel.claim({}), CInstanceChannel::Claim::Serving);
    }

private:
    // Starts the program in `folder` with `arguments` and waits, answering it meanwhile, for
    // it to end with status 0.
    bool startLater(const QString &folder, const QStringList &arguments)
    {
        QProcess later;
        later.setWorkingDirectory(folder);
        later.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QSignalSpy finished(&later, &QProcess::finished);
        later.start(TARNEL_BINARY, arguments);
        // Less than the hand-off's own time-out: a start that had to go on alone would fail.
        if (!finished.wait(8000))
            return false;
        return later.exitStatus() == QProcess::NormalExit && later.exitCode() == 0;
    }
};

QTEST_MAIN(TestInstance)
#include "tst_instance.moc"
