// `tarnel --check` as a build script or an editor runs it: the real binary, no display, on a
// real folder whose name has a space and a letter beyond ASCII.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

} // namespace

class TestCheckCommand : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_site = m_dir.filePath(QStringLiteral("a folder \u00e9"));
        QVERIFY(QDir().mkpath(m_site));
        write("pic.gif", "GIF89a");
        write("bad.htm", "<!DOCTYPE html>\n"
                         "<html><head><title>t</title></head><body>\n"
                         "<img src=\"missing.gif\" alt=\"m\">\n"
                         "<img src=\"pic.gif\">\n"
                         "<a href=\"#nowhere\">x</a>\n"
                         "<img src=\"PIC.GIF\" alt=\"c\">\n"
                         "<table><tr><td>x\n"
                         "</body></html>\n");
        write("good.htm", "<!DOCTYPE html>\n"
                          "<html><head><title>t</title></head><body>\n"
                          "<img src=\"pic.gif\" alt=\"a picture\">\n"
                          "<a href=\"#here\">x</a><p id=\"here\">y</p>\n"
                          "<a href=\"bad.htm?x=1#top\">z</a>\n"
                          "<table><tr><td>x</td></tr></table>\n"
                          "</body></html>\n");
    }

    void reportsEachFindingAtItsLineAndFailsOnErrors()
    {
        const Run run = check({"bad.htm", "good.htm"});
        QCOMPARE(run.out,
                 QString("bad.htm:3:11: error: missing file \"missing.gif\"\n"
                         "bad.htm:4:2: warning: IMG without ALT: give a text alternative (ALT=\"\" "
                         "for decoration)\n"
                         "bad.htm:5:10: error: no element has the ID or NAME \"nowhere\"\n"
                         "bad.htm:6:11: error: \"PIC.GIF\" is written \"pic.gif\" on disk; a web "
                         "server tells letter case apart\n"
                         "bad.htm:7:1: warning: missing </table>\n"));
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 1);
    }

    void aCorrectPageGivesNothingAndSucceeds()
    {
        const Run run = check({"good.htm"});
        QCOMPARE(run.out, QString());
        QCOMPARE(run.status, 0);
    }

    // Tidy's advice on writing is printed only when asked for, and fails nothing.
    void adviceOnlyWithItsOption()
    {
        write("plain.htm", "<!DOCTYPE html>\n<title>t</title>\n<p>a<span></span></p>\n");
        QCOMPARE(check({"plain.htm"}).out, QString());
        const Run run = check({"--advice", "plain.htm"});
        QCOMPARE(run.out, QString("plain.htm:3:1: warning: inserting implicit <body>\n"
                                  "plain.htm:3:5: warning: trimming empty <span>\n"));
        QCOMPARE(run.status, 0);
        QCOMPARE(check({"--advice"}).status, 2);
    }

    void anUnreadableFileGivesItsReason()
    {
        const Run run = check({"good.htm", "gone.htm"});
        QCOMPARE(run.err, QString("tarnel: cannot read gone.htm: No such file or directory\n"));
        QCOMPARE(run.status, 2);
    }

    // No wait for a writer that never comes: a pipe is refused as the window refuses it.
    void aPipeIsRefusedAtOnce()
    {
        const QByteArray pipe = QFile::encodeName(QDir(m_site).filePath("pipe.htm"));
        QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
        const Run run = check({"pipe.htm", "good.htm"}, 20000);
        QCOMPARE(run.err, QString("tarnel: cannot read pipe.htm: It is not a regular file.\n"));
        QCOMPARE(run.out, QString());
        QCOMPARE(run.status, 2);
    }

    // A line break in a name would forge a finding of its own.
    void aNameThatDoesNotPrintIsQuoted()
    {
        write("two\nlines.htm", "<img src=\"pic.gif\">");
        const Run run = check({"two\nlines.htm", "gone\x1b[2J.htm"});
        QStringList lines = run.out.split('\n');
        QCOMPARE(lines.takeLast(), QString());
        QVERIFY(lines.contains("\"two\\nlines.htm\":1:2: warning: IMG without ALT: give a text "
                               "alternative (ALT=\"\" for decoration)"));
        for (const QString &line : std::as_const(lines))
            QVERIFY2(line.startsWith("\"two\\nlines.htm\":1:"), qPrintable(line));
        QCOMPARE(run.err, QString("tarnel: cannot read \"gone\\033[2J.htm\": No such file or "
                                  "directory\n"));
    }

private:
    void write(const char *name, const QByteArray &bytes)
    {
        QFile file(QDir(m_site).filePath(QString::fromUtf8(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    Run check(const QStringList &pages, int timeoutMs = 60000)
    {
        QProcess process;
        process.setWorkingDirectory(m_site);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        process.setProcessEnvironment(environment);
        process.start(TARNEL_BINARY, QStringList{"--check"} + pages);
        Run run;
        if (!process.waitForFinished(timeoutMs))
            return run;
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    QTemporaryDir m_dir;
    QString m_site;
};

QTEST_GUILESS_MAIN(TestCheckCommand)
#include "tst_checkcommand.moc"
