// The editor's base through the real windows: the first fill, editing and the modified
// flag, InsertSnippet and undo, opening and saving files byte for byte, temporary copies.

#include "UiTestSupport.h"

#include "SiteTree.h"
#include "commandids.h"
#include "pagetext.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sys/stat.h>

using namespace uitest;

class TestFoundation : public QObject
{
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void newPageShowsTheStartingText()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        QVERIFY(view);
        const QByteArray expected = QByteArray::fromStdString(
            tarnel::WithLineBreaks(tarnel::StartingPageText(), tarnel::LineBreak::CrLf));
        QCOMPARE(viewBytes(view), expected);
        QCOMPARE(view->lines(), 9);
        QCOMPARE(caretLine(view), 6);
        QCOMPARE(view->text(6), QString("\r\n"));
        QVERIFY(!editor.doc()->isModified());
        QCOMPARE(editor.frame()->mdiArea()->subWindowList().size(), 1);
        QVERIFY(editor.activeSource()->isMaximized());
        // The outline shows its root with its empty categories.
        CSiteTree *outline = editor.activeSource()->outline();
        const QAbstractItemModel *rows = outline->model();
        QCOMPARE(rows->rowCount(), 1);
        const QModelIndex page = outline->pageIndex();
        QCOMPARE(page.data().toString(), QString("Web Page"));
        const char *categories[] = {"Applets", "Hyperlinks", "Images",
                                    "Media",   "Headings",   "Scripts & Styles"};
        QCOMPARE(rows->rowCount(page), 6);
        for (int row = 0; row < 6; ++row) {
            QCOMPARE(rows->index(row, 0, page).data().toString(), QString(categories[row]));
            QCOMPARE(rows->rowCount(rows->index(row, 0, page)), 0);
        }
        QVERIFY(outline->isExpanded(page));
    }

    void modifiedFlagFollowsTheText()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        view->setFocus();
        const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Shift, Qt::Key_F5, Qt::Key_Down};
        for (int key : keys)
            QTest::keyClick(view, Qt::Key(key));
        QVERIFY2(!editor.doc()->isModified(), "keys that change nothing leave the flag alone");
        QTest::keyClicks(view, "x");
        QVERIFY(editor.doc()->isModified());
        view->undo();
        QVERIFY2(!editor.doc()->isModified(), "undoing back to the saved state clears it");
        view->redo();
        QVERIFY(editor.doc()->isModified());
    }

    void insertSnippetReplacesSelectionInOneUndoStep_data()
    {
        QTest::addColumn<int>("selectFrom");
        QTest::addColumn<int>("selectTo");
        QTest::addColumn<QByteArray>("snippet");
        QTest::addColumn<QByteArray>("inserted");
        QTest::newRow("at the caret, line feeds become CR LF")
            << 0 << 0 << QByteArray("<UL>\n<LI>\n</UL>\n")
            << QByteArray("<UL>\r\n<LI>\r\n</UL>\r\n");
        QTest::newRow("over a selection") << 1 << 6 << QByteArray("<B>") << QByteArray("<B>");
        QTest::newRow("empty snippet removes the selection")
            << 0 << 7 << QByteArray() << QByteArray();
    }

    void insertSnippetReplacesSelectionInOneUndoStep()
    {
        QFETCH(int, selectFrom);
        QFETCH(int, selectTo);
        QFETCH(QByteArray, snippet);
        QFETCH(QByteArray, inserted);
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        const QByteArray before = viewBytes(view);
        view->selectBytes(selectFrom, selectTo);
        view->InsertSnippet(snippet.toStdString(), false);
        QByteArray expected = before;
        expected.replace(selectFrom, selectTo - selectFrom, inserted);
        QCOMPARE(viewBytes(view), expected);
        QCOMPARE(int(view->CharIndexAtCaret()), selectFrom + int(inserted.size()));
        QCOMPARE(editor.doc()->isModified(), before != expected);
        view->undo();
        QCOMPARE(viewBytes(view), before);
        QVERIFY(!editor.doc()->isModified());
    }

    void openedFileKeepsItsTextAndPutsTheCaretBeforeTheBodyEnd_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("caret");
        QTest::newRow("lower-case body end, LF") << QByteArray("<body>\nhi\n</body>\n") << 9;
        QTest::newRow("first of two in any case") << QByteArray("a\r\n</BoDy>\r\n</BODY>") << 1;
        QTest::newRow("no body end") << QByteArray("<P>plain</P>") << 0;
        QTest::newRow("body end at the start") << QByteArray("</BODY>x") << 0;
        QTest::newRow("empty file") << QByteArray() << 0;
    }

    void openedFileKeepsItsTextAndPutsTheCaretBeforeTheBodyEnd()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, caret);
        const QString path = m_dir.filePath("page.htm");
        QVERIFY(writeFile(path, content));
        Editor editor;
        QVERIFY(editor.start({path}));
        QCOMPARE(editor.app->docManager()->documents().size(), 1);
        QCOMPARE(viewBytes(editor.view()), content);
        QCOMPARE(int(editor.view()->CharIndexAtCaret()), caret);
        QVERIFY(!editor.doc()->isModified());
        QCOMPARE(editor.doc()->title(), QString("page.htm"));
    }

    void openAndSaveIsByteIdentical_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("mixed line ends, zero byte, Latin-1")
            << QByteArray("<P>caf\xe9</P>\r\nline two\nline\0three\r\n\r\n\xff\xfe end", 43);
        QTest::newRow("UTF-8 with LF") << QByteArray("<P>caf\xc3\xa9 \xe2\x82\xac</P>\n");
        QTest::newRow("CR only") << QByteArray("a\rb\rc");
        QByteArray binary;
        for (int i = 0; i < 4096; ++i)
            binary.append(char((i * 7919) % 256));
        QTest::newRow("binary bytes") << binary;
    }

    void openAndSaveIsByteIdentical()
    {
        QFETCH(QByteArray, content);
        const QString path = m_dir.filePath("roundtrip.htm");
        QVERIFY(writeFile(path, content));
        Editor editor;
        QVERIFY(editor.start({path}));
        QCOMPARE(viewBytes(editor.view()), content);
        const QString copy = m_dir.filePath("copy.htm");
        editor.app->docManager()->chooseSavePath = [&](CTarnelDoc *) { return copy; };
        QVERIFY(editor.app->docManager()->SaveDocument(editor.doc(), true));
        QCOMPARE(readFile(copy), content);
        QCOMPARE(editor.doc()->path(), QFileInfo(copy).absoluteFilePath());
    }

    void editSaveReopenGivesTheEditedText()
    {
        const QString path = m_dir.filePath("edit.htm");
        QVERIFY(writeFile(path, "<HTML>\n<BODY>\n\n</BODY>\n</HTML>\n"));
        ::chmod(QFile::encodeName(path).constData(), 0640);
        {
            Editor editor;
            QVERIFY(editor.start({path}));
            editor.view()->InsertSnippet("<P>new</P>\n", false);
            QVERIFY(editor.doc()->isModified());
            QVERIFY(editor.app->docManager()->SaveDocument(editor.doc(), false));
            QVERIFY(!editor.doc()->isModified());
        }
        QCOMPARE(readFile(path), QByteArray("<HTML>\n<BODY>\n<P>new</P>\n\n</BODY>\n</HTML>\n"));
        struct stat st
        {
        };
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0640);
        Editor again;
        QVERIFY(again.start({path}));
        QCOMPARE(viewBytes(again.view()), readFile(path));
    }

    // A page read one byte a character cannot hold the euro sign: typed, pasted or from an
    // input method it is saved as its reference, never as "?".
    void charactersThePageCannotHoldAreSavedAsReferences()
    {
        const QString path = m_dir.filePath("latin1.htm");
        QVERIFY(writeFile(path, "<P>caf\xe9 </P>"));
        Editor editor;
        QVERIFY(editor.start({path}));
        CTarnelView *view = editor.view();
        view->setFocus();
        view->selectBytes(8, 8);
        // The key codes X11 gives these keys: their code points.
        for (const char16_t typed : {u'\u20ac', u'\u00e9'}) {
            QKeyEvent press(QEvent::KeyPress, typed, Qt::NoModifier, QString(QChar(typed)));
            QCoreApplication::sendEvent(view, &press);
        }
        QGuiApplication::clipboard()->setText(QString::fromUtf8("[\u20ac\u00e9]"));
        view->commands().run(tarnel::ID_EDIT_PASTE);
        QInputMethodEvent composed;
        composed.setCommitString(QString::fromUtf8("\u20ac"));
        QCoreApplication::sendEvent(view, &composed);
        QVERIFY(editor.app->docManager()->SaveDocument(editor.doc(), false));
        QCOMPARE(readFile(path), QByteArray("<P>caf\xe9 &#8364;\xe9[&#8364;\xe9]&#8364;</P>"));
    }

    void failedSaveReportsAndKeepsEverything_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("a folder that is gone") << "missing/folder/page.htm";
        QTest::newRow("a file where the folder should be") << "plain.txt/page.htm";
    }

    void failedSaveReportsAndKeepsEverything()
    {
        QFETCH(QString, target);
        QVERIFY(writeFile(m_dir.filePath("plain.txt"), "x"));
        Editor editor;
        QVERIFY(editor.start());
        editor.view()->InsertSnippet("<P>work</P>", false);
        const QByteArray text = viewBytes(editor.view());
        target = m_dir.filePath(target);
        editor.app->docManager()->chooseSavePath = [&](CTarnelDoc *) { return target; };
        QString message;
        answerMessageBox(QMessageBox::Ok, &message);
        QVERIFY(!editor.app->docManager()->SaveDocument(editor.doc(), true));
        QVERIFY2(message.contains("page.htm"), qPrintable(message));
        QVERIFY(editor.doc()->isModified());
        QCOMPARE(viewBytes(editor.view()), text);
        QVERIFY(editor.doc()->path().isEmpty());
    }

    void pagesMadeInTheSameSecondHaveTheirOwnCopies()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelDoc *first = editor.doc();
        CTarnelDoc *second = editor.app->docManager()->OnFileNew();
        QVERIFY(second);
        QVERIFY(first->tempPath() != second->tempPath());
        QVERIFY(QFileInfo::exists(first->tempPath()));
        QVERIFY(QFileInfo::exists(second->tempPath()));
        QVERIFY(QFileInfo(first->tempPath()).absolutePath() != QDir::tempPath());
        const QString firstCopy = first->tempPath();
        const QString secondCopy = second->tempPath();
        editor.app->docManager()->CloseDocument(second);
        settle();
        QVERIFY(!QFileInfo::exists(secondCopy));
        QVERIFY2(QFileInfo::exists(firstCopy), "closing one page leaves the other's copy");
        QCOMPARE(editor.app->docManager()->documents().size(), 1);
    }

    void closingAModifiedPageAsks_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Cancel keeps it open") << int(QMessageBox::Cancel) << false << false;
        QTest::newRow("No closes without saving") << int(QMessageBox::No) << true << false;
        QTest::newRow("Yes saves, then closes") << int(QMessageBox::Yes) << true << true;
    }

    void closingAModifiedPageAsks()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        Editor editor;
        QVERIFY(editor.start());
        editor.view()->InsertSnippet("x", false);
        int asked = 0;
        editor.app->docManager()->askSaveChanges = [&](CTarnelDoc *) {
            ++asked;
            return answer;
        };
        const QString target = m_dir.filePath("asked.htm");
        QFile::remove(target);
        editor.app->docManager()->chooseSavePath = [&](CTarnelDoc *) { return target; };
        editor.activeSource()->close();
        settle();
        QCOMPARE(asked, 1);
        QCOMPARE(editor.app->docManager()->documents().isEmpty(), closed);
        QCOMPARE(QFileInfo::exists(target), saved);
    }

    void quittingWithAModifiedPageAsks()
    {
        Editor editor;
        QVERIFY(editor.start());
        editor.view()->InsertSnippet("x", false);
        editor.app->docManager()->askSaveChanges = [](CTarnelDoc *) {
            return int(QMessageBox::Cancel);
        };
        QVERIFY(!editor.frame()->close());
        QCOMPARE(editor.app->docManager()->documents().size(), 1);
        editor.app->docManager()->askSaveChanges = [](CTarnelDoc *) {
            return int(QMessageBox::No);
        };
        QVERIFY(editor.frame()->close());
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("display");
        QTest::newRow("--version") << QStringList{"--version"} << 0 << "Tarnel Version 1.0" << true;
        QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: tarnel" << true;
        QTest::newRow("a page that cannot be opened")
            << QStringList{"/nonexistent/folder/nothing.htm"} << 1 << "nothing.htm" << true;
        QTest::newRow("a folder") << QStringList{"/tmp"} << 1 << "tmp" << true;
        QTest::newRow("an unknown option")
            << QStringList{"a.htm", "--bogus"} << 2 << "unknown option --bogus" << true;
        QTest::newRow("an unknown option without a display")
            << QStringList{"--bogus"} << 2 << "Usage: tarnel" << false;
        QTest::newRow("--version without a display")
            << QStringList{"--version"} << 0 << "Tarnel Version 1.0" << false;
        QTest::newRow("a page without a display")
            << QStringList{"a.htm"} << 1 << "no display" << false;
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(bool, display);
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        if (!display)
            for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                env.remove(name);
        process.setProcessEnvironment(env);
        process.start(TARNEL_BINARY, arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), exitCode);
        const QString all = QString::fromLocal8Bit(process.readAllStandardOutput() +
                                                   process.readAllStandardError());
        QVERIFY2(all.contains(output), qPrintable(all));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestFoundation)
#include "tst_foundation.moc"
