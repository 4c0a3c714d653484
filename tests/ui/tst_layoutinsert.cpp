// The marquee, meta, frame, table, list, media, picture and section commands through the real
// editor: the command
// opens its form over the page, and a confirmed form's element replaces the selection in one
// undoable step; a cancelled or refused form leaves the page alone.
#include "UiTestSupport.h"

#include "FormFillSupport.h"
#include "commandids.h"

#include <QAction>

using namespace uitest;
using namespace formtest;

namespace {

// Runs a command the way the user does: by its accelerator when it has one, else its menu
// entry.
void runCommand(Editor &editor, int id, const QKeySequence &accelerator)
{
    if (accelerator.isEmpty()) {
        editor.frame()->action(id)->trigger();
        return;
    }
    // Shortcuts only reach an active window.
    editor.frame()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor.frame()));
    const QKeyCombination key = accelerator[0];
    QTest::keyClick(editor.view(), key.key(), key.keyboardModifiers());
}

QByteArray withCrLf(QByteArray snippet)
{
    return snippet.replace("\n", "\r\n");
}

} // namespace

class TestLayoutInsert : public QObject
{
    Q_OBJECT

private slots:
    void confirm_data();
    void confirm();
    void cancel_data();
    void cancel();
    void definitionList();
    void sections();
};

void TestLayoutInsert::confirm_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QKeySequence>("accelerator");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<bool>("overSelection");
    QTest::addColumn<QByteArray>("snippet");

    const QKeySequence none;
    QTest::newRow("Ctrl+Q marquee at the caret")
        << int(tarnel::ID_INSERT_MARQUEE) << QKeySequence(Qt::CTRL | Qt::Key_Q) << "MARQUEE"
        << Inputs{{"behaviour", "SCROLL"},
                  {"dataFormat", "TEXT"},
                  {"direction", "LEFT"},
                  {"loop", "3"},
                  {"scrollDelay", "100"}}
        << false
        << QByteArray("<MARQUEE  BEHAVIOR=\"SCROLL\" DATAFORMAT=\"TEXT\" DIRECTION =\"LEFT\" "
                      "LOOP=\"3\" SCROLLDELAY=\"100\"></MARQUEE>\n");
    QTest::newRow("Ctrl+M meta over a selection")
        << int(tarnel::ID_INSERT_META) << QKeySequence(Qt::CTRL | Qt::Key_M) << "META"
        << Inputs{{"url", "next.htm"}, {"httpEquiv", "REFRESH"}, {"content", "5"}} << true
        << QByteArray("<META CONTENT=\"5; URL=next.htm\" HTTP-EQUIV=\"REFRESH\" >\n");
    QTest::newRow("Ctrl+J frame")
        << int(tarnel::ID_INSERT_FRAMES) << QKeySequence(Qt::CTRL | Qt::Key_J) << "Frames"
        << Inputs{{"height", "100"},   {"width", "200"},         {"source", "top.htm"},
                  {"scrolling", "NO"}, {"resizing", "NORESIZE"}, {"marginHeight", "5"}}
        << false
        << QByteArray("<FRAME SCROLLING=\"NO\" SRC=\"top.htm\" HEIGHT=\"100\" WIDTH=\"200\" "
                      "MARGINHEIGHT=\"5\" NORESIZE=\"NORESIZE\" >\n");
    QTest::newRow("Ctrl+T table, the text after it stays on its line")
        << int(tarnel::ID_INSERT_TABLES) << QKeySequence(Qt::CTRL | Qt::Key_T) << "Tables"
        << Inputs{{"columns", "3"}, {"border", "1"}, {"width", "100%"}, {"align", "CENTER"}}
        << false
        << QByteArray("<TABLE ALIGN=\"CENTER\" COLS=\"3\" BORDER=\"1\" WIDTH=\"100%\">\n<TR>\n"
                      "<TD>\n</TD>\n<TD>\n</TD>\n<TD>\n</TD>\n</TR>\n</TABLE>");
    QTest::newRow("List > Ordered")
        << int(tarnel::ID_LIST_ORDERED) << none << "Ordered List"
        << Inputs{{"type", "A"}, {"start", "3"}, {"dingbat", "\"Home\""}, {"value", "5"}} << false
        << QByteArray("<OL TYPE=\"A\" START=\"3\"><LH><!Enter the list heading here>\n"
                      "<LI DINGBAT=\"Home\" VALUE=\"5\">\n</OL>\n");
    QTest::newRow("Insert > Media, a video with a poster")
        << int(tarnel::ID_INSERT_MEDIA) << none << "Media"
        << Inputs{{"source", "clip.webm"}, {"source2", "clip.mp4"}, {"poster", "clip.jpg"}} << false
        << QByteArray("<VIDEO POSTER=\"clip.jpg\" CONTROLS>\n"
                      "<SOURCE SRC=\"clip.webm\" TYPE=\"video/webm\">\n"
                      "<SOURCE SRC=\"clip.mp4\" TYPE=\"video/mp4\">\n</VIDEO>\n");
    QTest::newRow("Insert > Picture over a selection")
        << int(tarnel::ID_INSERT_PICTURE) << none << "Picture"
        << Inputs{{"source", "s.jpg"},
                  {"width", "480"},
                  {"source2", "l.jpg"},
                  {"width2", "960"},
                  {"alt", "A cat"}}
        << true
        << QByteArray("<IMG SRC=\"s.jpg\" SRCSET=\"s.jpg 480w, l.jpg 960w\" ALT=\"A cat\" "
                      "WIDTH=\"480\">\n");
    QTest::newRow("List > Unordered over a selection")
        << int(tarnel::ID_LIST_UNORDERED) << none << "Unordered List"
        << Inputs{{"type", "SQUARE"}, {"dingbat", "\"Next\""}} << true
        << QByteArray("<UL TYPE=\"SQUARE\">\n<LH><!Enter the list heading here>\n"
                      "<LI DINGBAT=\"Next\">\n</UL>\n");
}

void TestLayoutInsert::confirm()
{
    QFETCH(int, command);
    QFETCH(QKeySequence, accelerator);
    QFETCH(QString, caption);
    QFETCH(Inputs, inputs);
    QFETCH(bool, overSelection);
    QFETCH(QByteArray, snippet);

    Editor editor;
    QVERIFY(editor.start());
    CTarnelView *view = editor.view();
    view->setFocus();
    const QByteArray before = viewBytes(view);
    const int start = overSelection ? before.indexOf("<BODY") : int(view->CharIndexAtCaret());
    const int end = overSelection ? start + int(qstrlen("<BODY")) : start;
    QVERIFY(start >= 0);
    view->selectBytes(start, end);

    QString shown;
    bool filled = false;
    whenModal([&](QWidget *form) {
        shown = form->windowTitle();
        filled = fill(form, inputs);
        QTest::mouseClick(buttonNamed(form, QStringLiteral("OK")), Qt::LeftButton);
    });
    runCommand(editor, command, accelerator);
    settle();

    QCOMPARE(shown, caption);
    QVERIFY(filled);
    const QByteArray inserted = withCrLf(snippet);
    QByteArray expected = before;
    expected.replace(start, end - start, inserted);
    QCOMPARE(viewBytes(view), expected);
    QCOMPARE(int(view->CharIndexAtCaret()), start + int(inserted.size()));
    QVERIFY(!view->hasSelectedText());
    QVERIFY(editor.doc()->isModified());

    view->undo();
    QCOMPARE(viewBytes(view), before);
    QVERIFY(!editor.doc()->isModified());
}

void TestLayoutInsert::cancel_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QKeySequence>("accelerator");
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<QString>("refusal");

    const QKeySequence none;
    QTest::newRow("marquee") << int(tarnel::ID_INSERT_MARQUEE) << QKeySequence(Qt::CTRL | Qt::Key_Q)
                             << Inputs{{"behaviour", "SCROLL"}, {"direction", "UP"}} << QString();
    QTest::newRow("meta") << int(tarnel::ID_INSERT_META) << QKeySequence(Qt::CTRL | Qt::Key_M)
                          << Inputs{{"content", "5"}} << QString();
    QTest::newRow("frames") << int(tarnel::ID_INSERT_FRAMES) << QKeySequence(Qt::CTRL | Qt::Key_J)
                            << Inputs{{"height", "1"}, {"width", "2"}} << QString();
    QTest::newRow("tables refused, then cancelled")
        << int(tarnel::ID_INSERT_TABLES) << QKeySequence(Qt::CTRL | Qt::Key_T)
        << Inputs{{"border", "1"}} << "You must enter Column number!!";
    QTest::newRow("ordered") << int(tarnel::ID_LIST_ORDERED) << none << Inputs{{"type", "1"}}
                             << QString();
    QTest::newRow("unordered refused, then cancelled")
        << int(tarnel::ID_LIST_UNORDERED) << none << Inputs{{"dingbat", "\"Home\""}}
        << "You must enter the Type!!";
}

// Cancel leaves the text, the selection and the modified flag as they were.
void TestLayoutInsert::cancel()
{
    QFETCH(int, command);
    QFETCH(QKeySequence, accelerator);
    QFETCH(Inputs, inputs);
    QFETCH(QString, refusal);

    Editor editor;
    QVERIFY(editor.start());
    CTarnelView *view = editor.view();
    view->setFocus();
    const QByteArray before = viewBytes(view);
    const int start = before.indexOf("<BODY");
    view->selectBytes(start, start + 5);

    QString message;
    bool filled = false;
    whenModal([&](QWidget *form) {
        filled = fill(form, inputs);
        if (!refusal.isEmpty()) {
            answerMessageBox(QMessageBox::Ok, &message);
            QTest::mouseClick(buttonNamed(form, QStringLiteral("OK")), Qt::LeftButton);
        }
        QTest::mouseClick(buttonNamed(form, QStringLiteral("Cancel")), Qt::LeftButton);
    });
    runCommand(editor, command, accelerator);
    settle();

    QVERIFY(filled);
    QCOMPARE(message, refusal);
    QCOMPARE(viewBytes(view), before);
    QCOMPARE(view->SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART), long(start));
    QCOMPARE(view->SendScintilla(QsciScintilla::SCI_GETSELECTIONEND), long(start + 5));
    QVERIFY(!editor.doc()->isModified());
}

void TestLayoutInsert::definitionList()
{
    Editor editor;
    QVERIFY(editor.start());
    CTarnelView *view = editor.view();
    const QByteArray before = viewBytes(view);
    const int caret = int(view->CharIndexAtCaret());
    runCommand(editor, tarnel::ID_LIST_DEFINING, {});
    const QByteArray inserted =
        withCrLf("<DL>\n<DT><!--Enter your Text here-->\n<DD><!--Enter your Text here-->\n</DL>\n");
    QByteArray expected = before;
    expected.insert(caret, inserted);
    QCOMPARE(viewBytes(view), expected);
    QCOMPARE(int(view->CharIndexAtCaret()), caret + int(inserted.size()));
    QVERIFY(editor.doc()->isModified());
    view->undo();
    QCOMPARE(viewBytes(view), before);
    QVERIFY(!editor.doc()->isModified());
}

// A section wraps the selection in one undo step; without one the caret waits inside.
void TestLayoutInsert::sections()
{
    Editor editor;
    QVERIFY(editor.start());
    CTarnelView *view = editor.view();
    const QByteArray before = viewBytes(view);
    const int caret = int(view->CharIndexAtCaret());
    editor.frame()->action(tarnel::ID_SECTION_NAV)->trigger();
    QByteArray expected = before;
    expected.insert(caret, "<NAV>\r\n\r\n</NAV>\r\n");
    QCOMPARE(viewBytes(view), expected);
    QCOMPARE(int(view->CharIndexAtCaret()), caret + 7);

    view->selectBytes(caret, caret + 5);
    editor.frame()->action(tarnel::ID_SECTION_FIGURE)->trigger();
    expected.replace(caret, 5, "<FIGURE>\r\n<NAV>\r\n<FIGCAPTION></FIGCAPTION>\r\n</FIGURE>\r\n");
    QCOMPARE(viewBytes(view), expected);
    QCOMPARE(int(view->CharIndexAtCaret()), caret + 29);
    view->undo();
    view->undo();
    QCOMPARE(viewBytes(view), before);
}

QTEST_MAIN(TestLayoutInsert)
#include "tst_layoutinsert.moc"
