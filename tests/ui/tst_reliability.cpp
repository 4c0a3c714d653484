// Bad input and failing disks through the real editor: odd files open and save back
// unchanged or are refused with a reason, failed saves keep everything, files changed by
// another program are noticed, and unsaved text survives a crash.

#include "UiTestSupport.h"

#include "RecoveryStore.h"
#include "SiteTree.h"
#include "colouring.h"
#include "recoveryfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QStatusBar>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace uitest;

namespace {

QStringList recoveryFiles()
{
    return QDir(CRecoveryStore::defaultFolder()).entryList(QDir::Files | QDir::Hidden);
}

// Lowers the file size limit of this process for one scope, as a full disk would stop a
// write: writes past it fail with "File too large" instead of raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

// Tells the window it became active, as switching back from another program does.
void activate(QWidget *window)
{
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(window, &event);
}

} // namespace

class TestReliability : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Recovery copies of this run go to a folder of its own.
        QVERIFY(m_data.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
        // A profile of its own, with copies written soon after a change.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_data.filePath("config")));
        writeProfile(m_data.filePath("config"), {{"Recovery/DelayMs", 100}});
        QCoreApplication::setOrganizationName("Local AppWizard-Generated Applications");
        QCoreApplication::setApplicationName("Editor");
    }
    void init() { QVERIFY(m_dir.isValid()); }
    void cleanup() { QCOMPARE(recoveryFiles(), QStringList()); }

    void oddFilesSaveBackByteIdentical_data()
    {
        QTest::addColumn<QByteArray>("content");
        QByteArray random(64 * 1024, Qt::Uninitialized);
        QRandomGenerator generator(20240607);
        for (char &c : random)
            c = char(generator.bounded(256));
        QTest::newRow("random bytes") << random;
        QTest::newRow("zero bytes only") << QByteArray(1000, '\0');
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("lone CRs and a broken UTF-8 sequence")
            << QByteArray("\r\r\n\n\xe2\x82<BODY>\r</BODY>\xc3");
    }

    void oddFilesSaveBackByteIdentical()
    {
        QFETCH(QByteArray, content);
        const QString path = m_dir.filePath("odd.htm");
        QVERIFY(writeFile(path, content));
        Editor editor;
        QVERIFY(editor.start({path}));
        CTarnelView *view = editor.view();
        QCOMPARE(viewBytes(view), content);
        view->setFocus();
        view->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0UL);
        QTest::keyClicks(view, "x");
        QTest::keyClick(view, Qt::Key_Backspace);
        QVERIFY(editor.doc()->isModified());
        QVERIFY(editor.app->docManager()->SaveDocument(editor.doc(), false));
        QCOMPARE(readFile(path), content);
    }

    void unreadableFilesAreRefusedWithTheReason_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a folder") << m_dir.path() << "folder";
        QTest::newRow("a pipe, which would block") << m_dir.filePath("pipe") << "regular file";
        QTest::newRow("a file whose reading fails") << "/proc/self/mem"
                                                    << "error";
        QTest::newRow("a file that is not there") << m_dir.filePath("none.htm") << "No such file";
    }

    void unreadableFilesAreRefusedWithTheReason()
    {
        QFETCH(QString, path);
        QFETCH(QString, reason);
        QFile::remove(m_dir.filePath("pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(m_dir.filePath("pipe")).constData(), 0600), 0);
        Editor editor;
        QVERIFY(editor.start());
        const int open = editor.app->docManager()->documents().size();
        QString message;
        answerMessageBox(QMessageBox::Ok, &message);
        QCOMPARE(editor.app->docManager()->OpenDocumentFile(path), nullptr);
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
        QVERIFY2(message.contains(reason, Qt::CaseInsensitive), qPrintable(message));
        QCOMPARE(editor.app->docManager()->documents().size(), open);
        QVERIFY(
            !editor.app->docManager()->recentFiles().contains(QFileInfo(path).absoluteFilePath()));
    }

    void failedSaveKeepsTheOldFileAndTheText_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("rescue"); // answers the message with its Save As
        QTest::newRow("the folder vanished, the page kept") << "vanished"
                                                            << "No such file" << true;
        QTest::newRow("a folder nobody may write to") << "/sys"
                                                      << "Permission denied" << false;
        QTest::newRow("the disk is full") << "full"
                                          << "File too large" << false;
        QTest::newRow("a read-only page") << "read-only"
                                          << "read-only" << true;
    }

    void failedSaveKeepsTheOldFileAndTheText()
    {
        QFETCH(QString, failure);
        QFETCH(QString, reason);
        QFETCH(bool, rescue);
        QVERIFY(QDir(m_dir.path()).mkpath("folder"));
        const QString path = m_dir.filePath("folder/page.htm");
        const QString rescued = m_dir.filePath("rescued.htm");
        QFile::remove(rescued);
        const QByteArray old = "<HTML>\n<BODY>\n</BODY>\n</HTML>\n";
        QVERIFY(writeFile(path, old));
        Editor editor;
        QVERIFY(editor.start({path}));
        editor.view()->InsertSnippet(std::string(20000, 'w'), false);
        const QByteArray text = viewBytes(editor.view());

        QString target = path;
        if (failure == "vanished") {
            QVERIFY(QDir(m_dir.filePath("folder")).removeRecursively());
            answerMessageBox(QMessageBox::Ignore); // Keep, so that Save writes it there again
            activate(editor.frame());
            QTRY_VERIFY(editor.doc()->fileMissing());
        } else if (failure == "/sys") {
            target = "/sys/tarnel-page.htm";
        } else if (failure == "read-only") {
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
            activate(editor.frame());
            QTRY_VERIFY(editor.activeSource()->windowTitle().startsWith("page.htm [read-only]"));
        }
        int choices = 0;
        editor.app->docManager()->chooseSavePath = [&](CTarnelDoc *) {
            return choices++ == 0 && target != path ? target : rescued;
        };
        QString message, saveAs;
        whenModal([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            message = box->text();
            saveAs = box->button(QMessageBox::Save)->text();
            box->button(rescue ? QMessageBox::Save : QMessageBox::Cancel)->click();
        });
        {
            std::optional<FileSizeLimit> full;
            if (failure == "full")
                full.emplace(4096);
            QCOMPARE(editor.app->docManager()->SaveDocument(editor.doc(), target != path), rescue);
        }
        QVERIFY2(message.contains(QDir::toNativeSeparators(target)), qPrintable(message));
        QVERIFY2(message.contains(reason, Qt::CaseInsensitive), qPrintable(message));
        QCOMPARE(saveAs, QString("Save As..."));
        QCOMPARE(viewBytes(editor.view()), text);
        QCOMPARE(editor.doc()->isModified(), !rescue);
        QCOMPARE(editor.doc()->path(), rescue ? rescued : QFileInfo(path).absoluteFilePath());
        if (rescue)
            QCOMPARE(readFile(rescued), text);
        if (failure != "vanished")
            QCOMPARE(readFile(path), old);
        QCOMPARE(
            QDir(QFileInfo(target).path()).entryList({"*page.htm.*"}, QDir::Files | QDir::Hidden),
            QStringList());
    }

    void removedPageIsReportedOnceOnActivation_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("Save As") << int(QMessageBox::Save);
        QTest::newRow("Keep") << int(QMessageBox::Ignore);
        QTest::newRow("Close") << int(QMessageBox::Close);
    }

    void removedPageIsReportedOnceOnActivation()
    {
        QFETCH(int, answer);
        const QString path = m_dir.filePath("moved.htm");
        const QString elsewhere = m_dir.filePath("elsewhere.htm");
        QFile::remove(elsewhere);
        QFile::remove(m_dir.filePath("moved-away.htm"));
        QVERIFY(writeFile(path, "<P>first</P>\n"));
        Editor editor;
        QVERIFY(editor.start({path}));
        CTarnelDoc *doc = editor.doc();
        const QByteArray text = viewBytes(editor.view());
        editor.app->docManager()->chooseSavePath = [&](CTarnelDoc *) { return elsewhere; };
        QTest::qWait(200); // past the recovery copy's delay after the page's first fill
        QVERIFY(QFile::rename(path, m_dir.filePath("moved-away.htm")));

        QString question;
        answerMessageBox(QMessageBox::StandardButton(answer), &question);
        activate(editor.frame());
        QTRY_VERIFY(!question.isEmpty());
        QVERIFY2(question.contains(QDir::toNativeSeparators(path)), qPrintable(question));
        QVERIFY2(question.contains("deleted or moved"), qPrintable(question));
        settle();
        if (answer == QMessageBox::Close) {
            QVERIFY(!editor.app->docManager()->documents().contains(doc));
            return;
        }
        if (answer == QMessageBox::Save) {
            QCOMPARE(readFile(elsewhere), text);
            QVERIFY(!doc->isModified());
            return;
        }
        // Kept: marked unsaved (a crash would not lose it), never asked again while it stays
        // away, and Save writes it back.
        QVERIFY(doc->isModified());
        QVERIFY(editor.activeSource()->windowTitle().endsWith(" *"));
        QTRY_VERIFY(QFile::exists(editor.app->docManager()->recovery()->copyPathOf(doc)));
        activate(editor.frame());
        QTest::qWait(50);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(editor.app->docManager()->SaveDocument(doc, false));
        QCOMPARE(readFile(path), text);
        QVERIFY(!doc->isModified());
    }

    void closingARemovedPageMayDiscardIt()
    {
        const QString path = m_dir.filePath("discarded.htm");
        QVERIFY(writeFile(path, "<P>first</P>\n"));
        Editor editor;
        QVERIFY(editor.start({path}));
        CTarnelDoc *doc = editor.doc();
        editor.view()->InsertSnippet("<B>mine</B>", false);
        QVERIFY(QFile::remove(path));
        // Save the changes? Yes; then, told the file went, Close: closed now, nothing written.
        editor.app->docManager()->askSaveChanges = [](CTarnelDoc *) { return QMessageBox::Yes; };
        QString question;
        answerMessageBox(QMessageBox::Close, &question);
        editor.app->docManager()->CloseDocument(doc);
        QVERIFY2(question.contains("deleted or moved"), qPrintable(question));
        QVERIFY(!editor.app->docManager()->documents().contains(doc));
        QVERIFY(!QFileInfo::exists(path));
    }

    void saveOfARemovedPageAsksFirst()
    {
        const QString path = m_dir.filePath("removed.htm");
        QVERIFY(writeFile(path, "<P>first</P>\n"));
        Editor editor;
        QVERIFY(editor.start({path}));
        QVERIFY(QFile::remove(path));
        QString question;
        answerMessageBox(QMessageBox::Ignore, &question);
        QVERIFY(!editor.app->docManager()->SaveDocument(editor.doc(), false));
        QVERIFY2(question.contains("deleted or moved"), qPrintable(question));
        QVERIFY2(!QFileInfo::exists(path), "not re-created before the question is answered");
        QVERIFY(editor.doc()->isModified());
    }

    void changedOnDiskAsksBeforeReloading_data()
    {
        QTest::addColumn<bool>("modifiedHere");
        QTest::addColumn<int>("answer");
        QTest::newRow("reload an unmodified page") << false << int(QMessageBox::Yes);
        QTest::newRow("reload over unsaved changes") << true << int(QMessageBox::Yes);
        QTest::newRow("keep the editor's text") << true << int(QMessageBox::No);
    }

    void changedOnDiskAsksBeforeReloading()
    {
        QFETCH(bool, modifiedHere);
        QFETCH(int, answer);
        const QString path = m_dir.filePath("shared.htm");
        QVERIFY(writeFile(path, "<P>first</P>\n"));
        Editor editor;
        QVERIFY(editor.start({path}));
        if (modifiedHere)
            editor.view()->InsertSnippet("<B>mine</B>", false);
        const QByteArray mine = viewBytes(editor.view());

        activate(editor.frame());
        QTest::qWait(50);
        QVERIFY2(!QApplication::activeModalWidget(), "nothing changed: nothing to ask");

        const QByteArray theirs = "<P>changed by <A HREF=\"other.htm\">another</A> program</P>\n";
        QVERIFY(writeFile(path, theirs));
        QString question;
        answerMessageBox(QMessageBox::StandardButton(answer), &question);
        activate(editor.frame());
        QTRY_VERIFY(!question.isEmpty());
        QVERIFY2(question.contains(QDir::toNativeSeparators(path)), qPrintable(question));
        QCOMPARE(question.contains("unsaved changes"), modifiedHere);
        CSiteTree *outline = editor.activeSource()->outline();
        if (answer == QMessageBox::Yes) {
            QCOMPARE(viewBytes(editor.view()), theirs);
            QVERIFY(!editor.doc()->isModified());
            // Read again means coloured and listed again.
            QTRY_COMPARE(
                editor.view()->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT,
                                             static_cast<unsigned long>(theirs.indexOf("HREF"))),
                long(tarnel::Style::Constant));
            QCOMPARE(outline->entryCount(CSiteTree::Hyperlinks), 1);
            QCOMPARE(outline->entryText(CSiteTree::Hyperlinks, 0), QString("other.htm"));
        } else {
            QCOMPARE(outline->entryCount(CSiteTree::Hyperlinks), 0);
            QCOMPARE(viewBytes(editor.view()), mine);
            QCOMPARE(readFile(path), theirs);
            // Asked once: the next activation leaves it be, and Save is the user's choice.
            question.clear();
            activate(editor.frame());
            QTest::qWait(50);
            QVERIFY(!QApplication::activeModalWidget());
            QVERIFY(editor.app->docManager()->SaveDocument(editor.doc(), false));
            QCOMPARE(readFile(path), mine);
        }
    }

    void savingOverAChangedFileAsksFirst()
    {
        const QString path = m_dir.filePath("race.htm");
        QVERIFY(writeFile(path, "<P>first</P>\n"));
        Editor editor;
        QVERIFY(editor.start({path}));
        editor.view()->InsertSnippet("<B>mine</B>", false);
        const QByteArray theirs = "<P>theirs, longer than before</P>\n";
        QVERIFY(writeFile(path, theirs));
        QString question;
        answerMessageBox(QMessageBox::No, &question);
        QVERIFY(!editor.app->docManager()->SaveDocument(editor.doc(), false));
        QVERIFY2(question.contains("changed by another program"), qPrintable(question));
        QCOMPARE(readFile(path), theirs);
        QVERIFY(editor.doc()->isModified());
    }

    void largePagesOpenAndStayEditable_data()
    {
        QTest::addColumn<QByteArray>("content");
        QByteArray lines;
        lines.reserve(101 * 1000 * 1000);
        const QByteArray line = "<P CLASS=\"x\">Some text with <B>bold</B> and a "
                                "<A HREF=\"page.htm\">link</A>.</P>\r\n";
        while (lines.size() < 100 * 1000 * 1000)
            lines += line;
        QTest::newRow("100 MB of lines") << lines;
        QByteArray minified;
        const QByteArray piece = "<div class=\"c\"><img src=\"a.gif\"><b>bold</b> text</div>";
        while (minified.size() < 5 * 1000 * 1000)
            minified += piece;
        QTest::newRow("5 MB on one line") << minified;
    }

    void largePagesOpenAndStayEditable()
    {
        QFETCH(QByteArray, content);
        const QString path = m_dir.filePath("large.htm");
        QVERIFY(writeFile(path, content));
        Editor editor;
        QVERIFY(editor.start());
        QVERIFY(editor.app->docManager()->OpenDocumentFile(path));
        QVERIFY2(editor.frame()->statusBar()->currentMessage().startsWith("Opening large.htm"),
                 "a long open is announced");
        CTarnelView *view = editor.view();
        QCOMPARE(editor.doc()->textView().size(), std::size_t(content.size()));
        const unsigned long middle = static_cast<unsigned long>(content.size() / 2);
        view->setFocus();
        view->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, middle);
        QTest::keyClicks(view, "Zq");
        QCOMPARE(QByteArray(editor.doc()->textView().substr(middle, 2).data(), 2),
                 QByteArray("Zq"));
        QCOMPARE(editor.doc()->textView().size(), std::size_t(content.size()) + 2);
        QVERIFY(editor.doc()->isModified());
        editor.app->docManager()->askSaveChanges = [](CTarnelDoc *) {
            return int(QMessageBox::No);
        };
    }

    void typedTextIsCopiedPrivatelyUntilSavedOrClosed()
    {
        const QString path = m_dir.filePath("copied.htm");
        QVERIFY(writeFile(path, "<P>saved</P>\n"));
        Editor editor;
        QVERIFY(editor.start({path}));
        CTarnelDoc *doc = editor.doc();
        const QString copy = editor.app->docManager()->recovery()->copyPathOf(doc);
        QVERIFY(!copy.isEmpty());
        editor.view()->setFocus();
        QTest::keyClicks(editor.view(), "abc");
        QVERIFY(!QFile::exists(copy));
        QTRY_VERIFY(QFile::exists(copy));
        struct stat st
        {
        };
        QCOMPARE(::stat(QFile::encodeName(copy).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0600);
        const QByteArray bytes = readFile(copy);
        const auto page =
            tarnel::ParseRecoveryFile(std::string_view(bytes.constData(), bytes.size()));
        QVERIFY(page);
        QCOMPARE(QByteArray::fromStdString(page->text), viewBytes(editor.view()));
        QCOMPARE(QString::fromStdString(page->path), QFileInfo(path).absoluteFilePath());

        QVERIFY(editor.app->docManager()->SaveDocument(doc, false));
        QVERIFY2(!QFile::exists(copy), "saving removes the copy");

        QTest::keyClicks(editor.view(), "d");
        QTRY_VERIFY(QFile::exists(copy));
        editor.view()->undo();
        QTRY_VERIFY2(!QFile::exists(copy), "back at the saved text: nothing to recover");

        QTest::keyClicks(editor.view(), "e");
        QTRY_VERIFY(QFile::exists(copy));
        editor.app->docManager()->askSaveChanges = [](CTarnelDoc *) {
            return int(QMessageBox::No);
        };
        editor.app->docManager()->CloseDocument(doc);
        settle();
        QVERIFY2(!QFile::exists(copy), "closing without saving removes the copy");
    }

    void cleanExitLeavesNoCopy()
    {
        {
            Editor editor;
            QVERIFY(editor.start());
            QTest::keyClicks(editor.view(), "unsaved");
            QTRY_VERIFY(
                QFile::exists(editor.app->docManager()->recovery()->copyPathOf(editor.doc())));
            QVERIFY(!recoveryFiles().isEmpty());
            editor.app->docManager()->askSaveChanges = [](CTarnelDoc *) {
                return int(QMessageBox::No);
            };
            editor.frame()->close();
        }
        settle();
        QCOMPARE(recoveryFiles(), QStringList());
    }

    // The real editor, holding unsaved text, is killed; the next start brings the text back.
    // Its unsaved text is itself a restored copy (a run without a display cannot be typed
    // into), so the chain of two unexpected ends is covered.
    void killedEditorsTextIsRestoredAtTheNextStart()
    {
        const QString path = m_dir.filePath("crash.htm");
        const QByteArray onDisk = "<P>on disk</P>\n";
        QVERIFY(writeFile(path, onDisk));
        const std::string unsaved = "<P>typed before the crash \xc3\xa9</P>\r\n";
        const QString folder = CRecoveryStore::defaultFolder();
        QVERIFY(QDir().mkpath(folder));
        const QString planted = QDir(folder).filePath("1-1-1.recovery");
        const std::string copy = tarnel::RecoveryFileText(
            {QFileInfo(path).absoluteFilePath().toStdString(), "crash.htm", unsaved});
        QVERIFY(writeFile(planted, QByteArray::fromStdString(copy)));

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // Nobody is there to answer the child's question.
        writeProfile(m_data.filePath("child"),
                     {{"Recovery/DelayMs", 100}, {"Recovery/RestoreWithoutAsking", true}});
        env.insert("XDG_CONFIG_HOME", m_data.filePath("child"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(TARNEL_BINARY, {});
        QVERIFY(child.waitForStarted());
        // The child took the copy over: the planted one is gone and its own stands.
        QTRY_VERIFY_WITH_TIMEOUT(
            !QFile::exists(planted) && recoveryFiles().filter(".recovery").size() == 1, 60000);
        child.kill();
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(recoveryFiles().filter(".recovery").size(), 1);
        QCOMPARE(readFile(path), onDisk);

        Editor next;
        QVERIFY(next.start());
        next.app->docManager()->askRestore = [](const QString &) { return true; };
        next.app->docManager()->offerRecovery();
        CTarnelDoc *restored = nullptr;
        for (CTarnelDoc *doc : next.app->docManager()->documents())
            if (doc->path() == QFileInfo(path).absoluteFilePath())
                restored = doc;
        QVERIFY(restored);
        QCOMPARE(restored->text(), unsaved);
        QVERIFY(restored->isModified());
        QCOMPARE(readFile(path), onDisk);
        QCOMPARE(recoveryFiles().filter(".recovery").size(), 1); // this run's own copy
        next.app->docManager()->askSaveChanges = [](CTarnelDoc *) { return int(QMessageBox::No); };
    }

    void declinedCopiesAreDiscarded()
    {
        const QString folder = CRecoveryStore::defaultFolder();
        QVERIFY(QDir().mkpath(folder));
        const QString planted = QDir(folder).filePath("2-2-1.recovery");
        QVERIFY(writeFile(planted, QByteArray::fromStdString(
                                       tarnel::RecoveryFileText({"", "Untitled", "<P>x</P>"}))));
        const QString notACopy = QDir(folder).filePath("3-3-1.recovery");
        QVERIFY(writeFile(notACopy, "cut off"));
        Editor editor;
        QVERIFY(editor.start());
        const int open = editor.app->docManager()->documents().size();
        editor.app->docManager()->askRestore = [](const QString &) { return false; };
        editor.app->docManager()->offerRecovery();
        QCOMPARE(editor.app->docManager()->documents().size(), open);
        QVERIFY(!QFile::exists(planted));
        QVERIFY2(QFile::exists(notACopy), "what cannot be read is never deleted");
        QVERIFY(QFile::remove(notACopy));
    }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_data;
};

QTEST_MAIN(TestReliability)
#include "tst_reliability.moc"
