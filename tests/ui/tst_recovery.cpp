// Recovery copies of large pages written a slice at a time: the copy that lands is always a
// whole text the page really held, edits while a copy is half written start it over, and
// saving, closing or quitting meanwhile leaves nothing behind. A run ended from outside
// writes its copies at once and leaves them for the next start.

#include "UiTestSupport.h"

#include "RecoveryStore.h"
#include "recoveryfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <optional>

#include <csignal>
#include <signal.h>

using namespace uitest;

namespace {

constexpr qsizetype kSlice = 256 * 1024;
constexpr qsizetype kMB = 1024 * 1024;

QStringList filesIn(const QString &folder, const QString &pattern)
{
    return QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
}

QStringList unfinishedCopies()
{
    return filesIn(CRecoveryStore::defaultFolder(), QStringLiteral("*.tmp*"));
}

std::optional<tarnel::RecoveredPage> readCopy(const QString &path)
{
    const QByteArray bytes = readFile(path);
    return tarnel::ParseRecoveryFile(std::string_view(bytes.constData(), bytes.size()));
}

// Lines of markup adding up to `bytes`.
QByteArray pageOf(qsizetype bytes)
{
    const QByteArray line = "<P>A line of a large page, <B>with</B> some markup.</P>\r\n";
    QByteArray page;
    page.reserve(bytes);
    while (page.size() + line.size() <= bytes)
        page += line;
    page += QByteArray(bytes - page.size(), 'x');
    return page;
}

// Whether process `pid` has a handler of its own for `signalNumber`.
bool catches(qint64 pid, int signalNumber)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signalNumber - 1)) & 1;
    return false;
}

enum class Edit { Insert, Delete, Overwrite, UndoToSaved };
enum class Action { Save, Close, Quit };

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_data.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
        // A profile of its own, with copies written soon after a change.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_data.filePath("config")));
        writeProfile(m_data.filePath("config"), {{"Recovery/DelayMs", 20}});
        QCoreApplication::setOrganizationName("Local AppWizard-Generated Applications");
        QCoreApplication::setApplicationName("Editor");
    }
    void init() { QVERIFY(m_dir.isValid()); }
    void cleanup()
    {
        m_editor.reset();
        settle();
        QCOMPARE(filesIn(CRecoveryStore::defaultFolder(), "*"), QStringList());
    }

    void slicedCopyIsWholeAndRestorable_data()
    {
        QTest::addColumn<qsizetype>("pageBytes");
        QTest::addColumn<qsizetype>("sliceBytes");
        QTest::addColumn<int>("slices");
        QTest::newRow("3 MB ending on a slice boundary") << 3 * kMB - 1 << kSlice << 12;
        QTest::newRow("one byte past a slice boundary") << 4 * kSlice << kSlice << 5;
        QTest::newRow("a page smaller than a slice goes in one turn")
            << qsizetype(1000) << kSlice << 1;
        QTest::newRow("5 MB in the editor's own slices") << 5 * kMB << qsizetype(0) << 0;
    }

    void slicedCopyIsWholeAndRestorable()
    {
        QFETCH(qsizetype, pageBytes);
        QFETCH(qsizetype, sliceBytes);
        QFETCH(int, slices);
        CTarnelDoc *doc = openModified(pageOf(pageBytes), sliceBytes);
        QVERIFY(doc);
        int turns = 0;
        connect(store(), &CRecoveryStore::sliceWritten, this,
                [&](CTarnelDoc *, qsizetype written, qsizetype total) {
                    ++turns;
                    QCOMPARE(total, pageBytes + 1);
                    if (written < total)
                        QVERIFY2(!QFile::exists(copy()), "a copy lands only when whole");
                });
        QTRY_VERIFY(QFile::exists(copy()));
        store()->disconnect(this);
        if (slices)
            QCOMPARE(turns, slices);
        else
            QVERIFY(turns > 1);
        const auto page = readCopy(copy());
        QVERIFY(page);
        QCOMPARE(page->text, doc->text());
        QCOMPARE(unfinishedCopies(), QStringList());

        // Left as a run that ended would leave it, the next start restores it.
        const QString left = QDir(CRecoveryStore::defaultFolder()).filePath("9-9-1.recovery");
        QVERIFY(QFile::copy(copy(), left));
        const std::string typed = doc->text();
        const QString path = doc->path();
        CTarnelDoc *restored = restartRestoring(path);
        QVERIFY(restored);
        QVERIFY(!QFile::exists(left));
        QVERIFY(restored->text() == typed);
    }

    void editDuringSlicedCopyStartsItOver_data()
    {
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<bool>("earlierCopy");
        QTest::newRow("typing over no copy yet") << Edit::Insert << false;
        QTest::newRow("typing over an earlier copy") << Edit::Insert << true;
        QTest::newRow("deleting over an earlier copy") << Edit::Delete << true;
        QTest::newRow("overwriting, the length kept") << Edit::Overwrite << false;
        QTest::newRow("undoing back to the saved text") << Edit::UndoToSaved << false;
    }

    void editDuringSlicedCopyStartsItOver()
    {
        QFETCH(Edit, edit);
        QFETCH(bool, earlierCopy);
        CTarnelDoc *doc = openModified(pageOf(3 * kMB), kSlice);
        QVERIFY(doc);
        CTarnelView *view = m_editor->view();
        // The texts a copy may hold: each one the page really had when its copy started.
        std::vector<std::string> held;
        if (earlierCopy) {
            QTRY_VERIFY(QFile::exists(copy()));
            held.push_back(doc->text());
            QTest::keyClicks(view, "y");
        }
        held.push_back(doc->text());
        bool edited = false;
        int checks = 0;
        connect(store(), &CRecoveryStore::sliceWritten, this,
                [&](CTarnelDoc *, qsizetype written, qsizetype total) {
                    if (QFile::exists(copy())) {
                        const auto page = readCopy(copy());
                        QVERIFY2(page, "the copy is whole at every moment");
                        QVERIFY(std::find(held.begin(), held.end(), page->text) != held.end());
                        ++checks;
                    }
                    if (edited || written * 4 > total)
                        return;
                    edited = true;
                    // In the part already written, where a copy carried on would mix texts.
                    const unsigned long at = 100;
                    switch (edit) {
                    case Edit::Insert:
                        view->SendScintilla(QsciScintillaBase::SCI_INSERTTEXT, at, "new");
                        break;
                    case Edit::Delete:
                        view->SendScintilla(QsciScintillaBase::SCI_DELETERANGE, at, 5L);
                        break;
                    case Edit::Overwrite:
                        view->SendScintilla(QsciScintillaBase::SCI_SETTARGETRANGE, at,
                                            long(at + 3));
                        view->SendScintilla(QsciScintillaBase::SCI_REPLACETARGET, 3UL, "new");
                        break;
                    case Edit::UndoToSaved:
                        view->undo();
                        break;
                    }
                    held.push_back(doc->text());
                    QCOMPARE(unfinishedCopies(), QStringList());
                });
        if (edit == Edit::UndoToSaved) {
            QTRY_VERIFY(edited);
            QVERIFY(!doc->isModified());
        } else {
            QTRY_VERIFY(edited);
            QTRY_COMPARE(readCopy(copy()).value_or(tarnel::RecoveredPage{}).text, doc->text());
        }
        store()->disconnect(this);
        if (earlierCopy)
            QVERIFY(checks > 0);
        store()->waitForWrites();
        QCOMPARE(QFile::exists(copy()), edit != Edit::UndoToSaved);
        if (QFile::exists(copy()))
            QCOMPARE(readCopy(copy())->text, doc->text());
        QCOMPARE(unfinishedCopies(), QStringList());
    }

    void savingClosingOrQuittingDuringSlicedCopyLeavesNothing_data()
    {
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("afterLastSlice");
        QTest::newRow("save, half written") << Action::Save << false;
        QTest::newRow("save, while the copy is synced") << Action::Save << true;
        QTest::newRow("close unsaved, half written") << Action::Close << false;
        QTest::newRow("close unsaved, while the copy is synced") << Action::Close << true;
        QTest::newRow("quit, half written") << Action::Quit << false;
        QTest::newRow("quit, while the copy is synced") << Action::Quit << true;
    }

    void savingClosingOrQuittingDuringSlicedCopyLeavesNothing()
    {
        QFETCH(Action, action);
        QFETCH(bool, afterLastSlice);
        CTarnelDoc *doc = openModified(pageOf(3 * kMB), kSlice);
        QVERIFY(doc);
        const QString copyPath = copy();
        QPointer<CTarnelDoc> alive(doc);
        bool done = false;
        connect(store(), &CRecoveryStore::sliceWritten, this,
                [&](CTarnelDoc *, qsizetype written, qsizetype total) {
                    if (done || (afterLastSlice ? written < total : written * 2 > total))
                        return;
                    done = true;
                    switch (action) {
                    case Action::Save:
                        QVERIFY(m_editor->app->docManager()->SaveDocument(doc, false));
                        break;
                    case Action::Close:
                        m_editor->app->docManager()->CloseDocument(doc);
                        break;
                    case Action::Quit:
                        // As the window's close does: from an event of its own.
                        QTimer::singleShot(0, this, [this] { m_editor.reset(); });
                        break;
                    }
                });
        QTRY_VERIFY(done);
        if (action == Action::Quit)
            QTRY_VERIFY(!m_editor);
        settle();
        if (action == Action::Close)
            QTRY_VERIFY(!alive);
        if (m_editor)
            store()->waitForWrites();
        QVERIFY2(!QFile::exists(copyPath), "no copy lands after it was removed");
        QCOMPARE(unfinishedCopies(), QStringList());
    }

    void endedFromOutsideKeepsTheUnsavedText_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM, a shutdown") << int(SIGTERM);
        QTest::newRow("SIGHUP, the session ends") << int(SIGHUP);
    }

    // The real editor holds unsaved text whose copy is not written yet when it is told to
    // end: it writes the copy, exits, and the next start brings the text back. (Nothing can
    // be typed into a run without a display: its unsaved text is a restored copy, and the
    // copy it writes of it at once is removed to stand for one the delay has not written.)
    void endedFromOutsideKeepsTheUnsavedText()
    {
        QFETCH(int, signalNumber);
        const QString path = QFileInfo(m_dir.filePath("ended.htm")).absoluteFilePath();
        QVERIFY(writeFile(path, "<P>on disk</P>\n"));
        const std::string unsaved = "<P>unsaved</P>\r\n";
        const QString folder = CRecoveryStore::defaultFolder();
        QVERIFY(QDir().mkpath(folder));
        const QString planted = QDir(folder).filePath("1-1-1.recovery");
        QVERIFY(writeFile(planted, QByteArray::fromStdString(tarnel::RecoveryFileText(
                                       {path.toStdString(), "ended.htm", unsaved}))));

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // The child restores without asking and writes no copy of its own by the clock.
        writeProfile(m_data.filePath("child"),
                     {{"Recovery/DelayMs", 600000}, {"Recovery/RestoreWithoutAsking", true}});
        env.insert("XDG_CONFIG_HOME", m_data.filePath("child"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(TARNEL_BINARY, {});
        QVERIFY(child.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(catches(child.processId(), signalNumber), 60000);
        QVERIFY(!QFile::exists(planted));
        const QStringList copies = filesIn(folder, "*.recovery");
        QCOMPARE(copies.size(), 1);
        const QString copyPath = QDir(folder).filePath(copies.first());
        QVERIFY(QFile::remove(copyPath));

        ::kill(pid_t(child.processId()), signalNumber);
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QVERIFY(QFile::exists(copyPath));
        // The next start opens the page again even once its text is saved.
        const QSettings childProfile(m_data.filePath("child") +
                                         "/Local AppWizard-Generated Applications/Editor.conf",
                                     QSettings::IniFormat);
        QCOMPARE(childProfile.value("Session/Pages/1/Path").toString(), path);

        CTarnelDoc *restored = restartRestoring(path);
        QVERIFY(restored);
        QVERIFY(!QFile::exists(copyPath));
        QCOMPARE(restored->text(), unsaved);
        QVERIFY(restored->isModified());
    }

    // A run that ended in the middle of a copy leaves a temporary file: the next start
    // clears it, and never one of a run still going.
    void unfinishedCopiesOfEndedRunsAreCleared()
    {
        const QString folder = CRecoveryStore::defaultFolder();
        QVERIFY(QDir().mkpath(folder));
        const QString ended = QDir(folder).filePath("7-7-1.recovery.tmp1");
        QVERIFY(writeFile(ended, "TARNEL RECOVERY 1\npath 0\n"));
        CRecoveryStore first(folder);
        QVERIFY(!QFile::exists(ended));
        CTarnelDoc doc;
        first.watch(&doc);
        const QString running = first.copyPathOf(&doc) + ".tmp1";
        QVERIFY(writeFile(running, "half"));
        {
            const CRecoveryStore second(folder);
        }
        QVERIFY2(QFile::exists(running), "the first store's run is still going");
        QVERIFY(QFile::remove(running));
    }

private:
    CRecoveryStore *store() const { return m_editor->app->docManager()->recovery(); }
    QString copy() const { return store()->copyPathOf(m_editor->doc()); }

    // Opens `page` and types one character at its start: the page is modified and the copy's
    // delay runs.
    CTarnelDoc *openModified(const QByteArray &page, qsizetype sliceBytes)
    {
        const QString path = m_dir.filePath("big.htm");
        if (!writeFile(path, page))
            return nullptr;
        m_editor = std::make_unique<Editor>();
        m_editor->app->docManager()->askSaveChanges = [](CTarnelDoc *) {
            return int(QMessageBox::No);
        };
        if (!m_editor->start({path}))
            return nullptr;
        if (sliceBytes)
            store()->setSliceBytes(sliceBytes);
        CTarnelView *view = m_editor->view();
        view->setFocus();
        QTest::keyClicks(view, "Q");
        return m_editor->doc()->isModified() ? m_editor->doc() : nullptr;
    }

    // A new editor that restores every copy it finds; the document of `path` it restored, or
    // nullptr.
    CTarnelDoc *restartRestoring(const QString &path)
    {
        m_editor = std::make_unique<Editor>();
        CDocManager *docs = m_editor->app->docManager();
        docs->askSaveChanges = [](CTarnelDoc *) { return int(QMessageBox::No); };
        if (!m_editor->start())
            return nullptr;
        docs->askRestore = [](const QString &) { return true; };
        docs->offerRecovery();
        for (CTarnelDoc *doc : docs->documents())
            if (doc->path() == path)
                return doc;
        return nullptr;
    }

    QTemporaryDir m_dir;
    QTemporaryDir m_data;
    std::unique_ptr<Editor> m_editor;
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
