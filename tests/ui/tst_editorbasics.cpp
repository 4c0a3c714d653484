// The source editor's basics through the running editor: typing a tag at speed arrives whole,
// an opening tag gets its closing tag (undone first), a renamed tag renames its partner in
// the same undo step, the selection goes inside a new element, the caret's line and column
// are shown, an element over lines folds, the Find dialog moves off the match it selects, and
// the preferences apply at once to every window.

#include "UiTestSupport.h"

#include "FindReplaceDlg.h"
#include "FindService.h"
#include "PreferencesDlg.h"

#include "commandids.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

using namespace uitest;
using tarnel::ID_EDIT_UNDO;

namespace {

CTarnelView *emptyPage(Editor &editor)
{
    CTarnelView *view = editor.view();
    view->selectAll();
    view->InsertSnippet(std::string(), false);
    view->setFocus();
    return view;
}

void undo(CTarnelView *view)
{
    view->commands().run(ID_EDIT_UNDO);
}

} // namespace

class TestEditorBasics : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // A profile of its own: the preferences chosen here stay here.
        QVERIFY(m_profile.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_profile.path()));
    }

    void aTagTypedQuicklyArrivesWhole()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = emptyPage(editor);
        typeText(view, "<img src=\"a.png\" alt=\"x\">");
        QCOMPARE(viewBytes(view), QByteArray("<IMG SRC=\"a.png\" ALT=\"x\">"));
    }

    void anOpeningTagGetsItsClosingTag_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QByteArray>("afterUndo");
        QTest::newRow("paragraph") << "<p>" << QByteArray("<P></P>") << 3 << QByteArray("<P>");
        QTest::newRow("with attributes") << "<div class=x>" << QByteArray("<DIV CLASS=x></DIV>")
                                         << 13 << QByteArray("<DIV CLASS=x>");
        QTest::newRow("void element") << "<br>" << QByteArray("<BR>") << 4 << QByteArray();
        QTest::newRow("closing tag typed") << "x</b>" << QByteArray("x</B>") << 5 << QByteArray();
    }

    void anOpeningTagGetsItsClosingTag()
    {
        QFETCH(QString, keys);
        QFETCH(QByteArray, page);
        QFETCH(int, caret);
        QFETCH(QByteArray, afterUndo);
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = emptyPage(editor);
        typeText(view, keys);
        QCOMPARE(viewBytes(view), page);
        QCOMPARE(int(view->CharIndexAtCaret()), caret);
        undo(view);
        QCOMPARE(viewBytes(view), afterUndo);
    }

    // Whole lines as a person types them, closing tags included: the page holds exactly the
    // keys typed (names aside, in the list's spelling), whatever the line holds.
    void aLineTypedWholeIsWhatWasTyped_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QByteArray>("page");
        QTest::newRow("a paragraph with its closing tags")
            << "<p>Hello <b>world</b>, see <a href=\"x.htm\">this</a>.</p>"
            << QByteArray("<P>Hello <B>world</B>, see <A HREF=\"x.htm\">this</A>.</P>");
        QTest::newRow("a list over lines, indented by Enter")
            << "<ul>\n<li>one</li>\n<li>two</li>\n</ul>"
            << QByteArray("<UL>\r\n\t<LI>one</LI>\r\n\t<LI>two</LI>\r\n</UL>");
        QTest::newRow("a blank line in an indented block")
            << "  <div>\n<p>a</p>\n\n<p>b</p>\n</div>"
            << QByteArray("  <DIV>\r\n    <P>a</P>\r\n\r\n    <P>b</P>\r\n  </DIV>");
        QTest::newRow("lines of a text area as typed")
            << "  <textarea>a\n b\n</textarea>" << QByteArray("  <TEXTAREA>a\r\n b\r\n</TEXTAREA>");
        QTest::newRow("lines of preformatted text as typed")
            << "  <pre>\na\n b\n</pre>" << QByteArray("  <PRE>\r\na\r\n b\r\n</PRE>");
        QTest::newRow("a script with < and >")
            << "<script>if (count<limit && limit>0) x = a<b;</script>"
            << QByteArray("<SCRIPT>if (count<limit && limit>0) x = a<b;</SCRIPT>");
        QTest::newRow("a line break after a<b in a script")
            << "<script>a<b\nc</script>" << QByteArray("<SCRIPT>a<b\r\nc</SCRIPT>");
        QTest::newRow("a style sheet") << "<style>p > b { color: red }</style>"
                                       << QByteArray("<STYLE>p > b { color: red }</STYLE>");
        QTest::newRow("a comment")
            << "<!-- add a <p> here -->" << QByteArray("<!-- add a <p> here -->");
        QTest::newRow("a value") << "<img alt=\"table <p>\">"
                                 << QByteArray("<IMG ALT=\"table <p>\">");
        QTest::newRow("a title") << "<title>a <b>bold</b></title>"
                                 << QByteArray("<TITLE>a <b>bold</b></TITLE>");
        QTest::newRow("a text area")
            << "<textarea>x <i>y</i></textarea>" << QByteArray("<TEXTAREA>x <i>y</i></TEXTAREA>");
    }

    void aLineTypedWholeIsWhatWasTyped()
    {
        QFETCH(QString, keys);
        QFETCH(QByteArray, page);
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = emptyPage(editor);
        typeText(view, keys, 25);
        QCOMPARE(viewBytes(view), page);
        QCOMPARE(int(view->CharIndexAtCaret()), int(page.size()));
    }

    // Only typing is rewritten in the list's spelling: pasted text and indented lines keep
    // their letters.
    void pastedAndIndentedTextKeepsItsLetters()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = emptyPage(editor);
        const QByteArray lines = "<p>lower <b>case</b></p>\r\n<p>two</p>";
        QGuiApplication::clipboard()->setText(QString::fromLatin1(lines));
        view->commands().run(tarnel::ID_EDIT_PASTE);
        QCOMPARE(viewBytes(view), lines);
        view->selectAll();
        QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(viewBytes(view), "\t" + QByteArray(lines).replace("\n", "\n\t"));
        QTest::keyClick(view, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(viewBytes(view), lines);
    }

    // A name in a script is no tag: typing after "a<b" there renames no "</b>" of the page.
    void aNameInAScriptHasNoPartner()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = emptyPage(editor);
        const QByteArray page = "<SCRIPT>if (a<b) x();</SCRIPT>bold</B>";
        view->InsertSnippet(page.toStdString(), false);
        const int name = int(page.indexOf("<b")) + 2;
        view->selectBytes(name, name);
        typeText(view, "r");
        QCOMPARE(viewBytes(view), QByteArray(page).insert(name, 'r'));
    }

    // An opened page takes the first keys before its closing BODY tag, never inside the tag
    // before it.
    void anOpenedPageIsTypedIntoBeforeItsBodyEnds()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("hello.htm");
        QVERIFY(writeFile(path, "<html><body><p>Hello</p></body></html>"));
        Editor editor;
        QVERIFY(editor.start({path}));
        editor.view()->setFocus();
        typeText(editor.view(), "World", 25);
        QCOMPARE(viewBytes(editor.view()),
                 QByteArray("<html><body><p>Hello</p>World</body></html>"));
        // Far along a minified page's one line, the caret is brought into view.
        const QString minified = dir.filePath("minified.htm");
        QVERIFY(writeFile(minified, "<body>" + QByteArray(100000, 'x') + "</body>"));
        QVERIFY(editor.app->docManager()->OpenDocumentFile(minified));
        QTRY_VERIFY(editor.view()->SendScintilla(QsciScintillaBase::SCI_GETXOFFSET) > 0);
    }

    // By default names are spelled as the page writes its own: a page in lower case gets lower
    // case from typing, the list, the forms and Wrap in Tag.
    void aLowerCasePageGetsLowerCaseNames()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("lower.htm");
        QVERIFY(writeFile(path, "<p>x</p>"));
        Editor editor;
        QVERIFY(editor.start({path}));
        CTarnelView *view = editor.view();
        view->setFocus();
        view->selectBytes(0, 0);
        typeText(view, "<IMG ");
        QTest::keyClick(view, Qt::Key_Escape);
        typeText(view, "Align=m");
        QTest::keyClick(view, Qt::Key_Tab);
        typeText(view, "><b>");
        QCOMPARE(viewBytes(view), QByteArray("<img align=middle><b></b><p>x</p>"));

        view->selectBytes(0, 0);
        whenModal([](QWidget *form) {
            form->findChild<QLineEdit *>("imageSource")->insert("A.gif");
            for (auto *button : form->findChildren<QPushButton *>())
                if (button->text() == "OK")
                    QTest::mouseClick(button, Qt::LeftButton);
        });
        view->commands().run(tarnel::ID_INSERT_IMAGE);
        QVERIFY(viewBytes(view).startsWith("<img  src=\"A.gif\">"));

        const int x = int(viewBytes(view).indexOf("x</p>"));
        view->selectBytes(x, x + 1);
        whenModal([](QWidget *modal) { qobject_cast<QInputDialog *>(modal)->accept(); });
        view->commands().run(tarnel::ID_EDIT_WRAP_IN_TAG);
        QVERIFY(viewBytes(view).endsWith("<p><div>x</div></p>"));
    }

    void renamingATagRenamesItsPartner_data()
    {
        QTest::addColumn<bool>("closing");     // the closing tag is renamed, not the opening
        QTest::addColumn<bool>("deleteFirst"); // the name deleted, then typed anew
        QTest::newRow("opening tag") << false << false;
        QTest::newRow("closing tag") << true << false;
        QTest::newRow("opening tag deleted first") << false << true;
    }

    void renamingATagRenamesItsPartner()
    {
        QFETCH(bool, closing);
        QFETCH(bool, deleteFirst);
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = emptyPage(editor);
        const QByteArray page = "<P>a <B>b</B> <P>c</P></P>";
        view->InsertSnippet(page.toStdString(), false);
        // The outer P: its closing tag is the last.
        const int name = closing ? int(page.lastIndexOf("</P>")) + 2 : 1;
        if (deleteFirst) {
            view->selectBytes(name + 1, name + 1);
            QTest::keyClick(view, Qt::Key_Backspace);
        } else {
            view->selectBytes(name, name + 1);
        }
        typeText(view, "div");
        QCOMPARE(viewBytes(view), QByteArray("<DIV>a <B>b</B> <P>c</P></DIV>"));
        // Each key renamed both at once, and the run of keys is one undo step, renames and
        // the name's rewrite in the list's spelling included.
        undo(view);
        QCOMPARE(viewBytes(view), deleteFirst ? QByteArray(page).remove(name, 1) : page);
    }

    void aBlankEndsTheRename()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = emptyPage(editor);
        view->InsertSnippet("<B>x</B>", false);
        view->selectBytes(2, 2);
        typeText(view, " id");
        QCOMPARE(viewBytes(view), QByteArray("<B ID>x</B>"));
    }

    void wrapInTagPutsTheSelectionInsideAnElement()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = emptyPage(editor);
        view->InsertSnippet("one two", false);
        view->selectBytes(4, 7);
        whenModal([](QWidget *modal) {
            auto *dialog = qobject_cast<QInputDialog *>(modal);
            dialog->setTextValue("EM");
            dialog->accept();
        });
        view->commands().run(tarnel::ID_EDIT_WRAP_IN_TAG);
        QCOMPARE(viewBytes(view), QByteArray("one <EM>two</EM>"));
        undo(view);
        QCOMPARE(viewBytes(view), QByteArray("one two"));
    }

    // Toggle Comment comments the caret's line in its own language and takes the comment
    // away again; each is one undo step.
    void toggleCommentWorksInTheCaretsLanguage()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = emptyPage(editor);
        const QByteArray page = "<UL>\r\n  <LI>a</LI>\r\n</UL>\r\n<SCRIPT>\r\n  go();\r\n</SCRIPT>";
        view->InsertSnippet(QByteArray(page).replace("\r", "").toStdString(), false);
        const struct
        {
            const char *line;
            QByteArray commented;
        } lines[] = {{"<LI>", "  <!-- <LI>a</LI> -->"}, {"go", "  // go();"}};
        for (const auto &line : lines) {
            const int at = int(page.indexOf(line.line)) + 2;
            view->selectBytes(at, at);
            view->commands().run(tarnel::ID_EDIT_TOGGLE_COMMENT);
            QVERIFY2(viewBytes(view).contains("\r\n" + line.commented + "\r\n"), line.line);
            view->commands().run(tarnel::ID_EDIT_TOGGLE_COMMENT);
            QCOMPARE(viewBytes(view), page);
            view->commands().run(tarnel::ID_EDIT_TOGGLE_COMMENT);
            undo(view);
            QCOMPARE(viewBytes(view), page);
        }
    }

    void reindentChangesOnlyLeadingBlanksInOneStep()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = emptyPage(editor);
        const QByteArray page = "<UL>\r\n    <LI>a</LI>\r\n<LI>b</LI>\r\n</UL>";
        view->InsertSnippet(QByteArray(page).replace("\r", "").toStdString(), false);
        view->commands().run(tarnel::ID_EDIT_REINDENT);
        QCOMPARE(viewBytes(view), QByteArray("<UL>\r\n    <LI>a</LI>\r\n    <LI>b</LI>\r\n</UL>"));
        undo(view);
        QCOMPARE(viewBytes(view), page);
    }

    // Alt+Shift+Down makes a column of carets, Ctrl+click adds one; what is typed goes in at
    // each exactly as typed, with no closing tag or re-casing at one of them alone, and the
    // run of characters is one undo step.
    void aColumnOfCaretsTypesTheSameAtEach()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = emptyPage(editor);
        view->InsertSnippet("<P>a\n<P>b\n<P>c", false);
        view->selectBytes(0, 0);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(view, Qt::Key_Right);
        QTest::keyClick(view, Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier);
        const auto pointAt = [view](long position) {
            return QPoint(
                int(view->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, position)),
                int(view->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, position)) +
                    2);
        };
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, pointAt(15));
        typeText(view, "<b>x</b>");
        QCOMPARE(viewBytes(view), QByteArray("<P><b>x</b>a\r\n<P><b>x</b>b\r\n<P><b>x</b>c"));
        undo(view);
        QCOMPARE(viewBytes(view), QByteArray("<P>a\r\n<P>b\r\n<P>c"));
    }

    void statusBarShowsTheCaretsLineAndColumn()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = emptyPage(editor);
        typeText(view, "ab\ncd");
        QCoreApplication::processEvents();
        const QList<QLabel *> labels = editor.frame()->statusBar()->findChildren<QLabel *>();
        QVERIFY(std::any_of(labels.begin(), labels.end(),
                            [](QLabel *label) { return label->text() == "Ln 2, Col 3"; }));
    }

    void aTableOverLinesFoldsByAClickInTheMargin()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = emptyPage(editor);
        view->InsertSnippet("<P>x</P>\n<TABLE>\n<TR><TD>a</TD></TR>\n</TABLE>\n", false);
        CTextSurface surface(view);
        QTRY_VERIFY(surface.isFoldHead(1));
        QVERIFY(!surface.isFoldHead(0));
        const QPoint table = surface.pointOf(surface.lineStart(1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, table + QPoint(-7, 2));
        QVERIFY(!surface.isLineShown(2));
        QVERIFY(!surface.isLineShown(3));
        QVERIFY(surface.isLineShown(4));
        typeText(view, "<b>");
        QVERIFY(viewBytes(view).endsWith("</TABLE>\r\n<B></B>"));
        QTRY_VERIFY(surface.isFoldHead(1));
        QVERIFY(!surface.isLineShown(2));
    }

    void theFindDialogMovesOffTheMatchItSelects()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = emptyPage(editor);
        view->InsertSnippet("one\ntwo\nthree needle\nfour\n", false);
        view->selectBytes(0, 0);
        view->commands().run(tarnel::ID_EDIT_FIND);
        auto *dialog = view->findChild<CFindReplaceDlg *>();
        QVERIFY(dialog);
        dialog->findField()->setText("ne+dle"); // as a regular expression
        dialog->findChild<QCheckBox *>("regex")->setChecked(true);
        const std::size_t at = viewBytes(view).indexOf("needle");
        const QRect match = CTextSurface(view).screenRectOf(at, at + 6);
        dialog->move(match.topLeft() - QPoint(20, 20));
        QTRY_VERIFY(dialog->frameGeometry().intersects(match));
        QTest::keyClick(dialog->findField(), Qt::Key_Return);
        QCOMPARE(view->selectedBytes().begin, at);
        QTRY_VERIFY(!dialog->frameGeometry().intersects(match));
        QCOMPARE(view->selectedBytes().end, at + 6);
        CFindService::lastOptions() = {};
    }

    void lineNumbersGetRoomForAMillionLines()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = emptyPage(editor);
        const int sixDigits = view->marginWidth(0);
        QVERIFY(sixDigits > 0);
        view->InsertSnippet(std::string(1000000, '\n'), false);
        QVERIFY(view->marginWidth(0) > sixDigits);
        view->commands().run(tarnel::ID_EDIT_UNDO);
        QCOMPARE(view->marginWidth(0), sixDigits);
    }

    void preferencesApplyAtOnceToEveryWindow()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *first = emptyPage(editor);
        editor.frame()->action(tarnel::ID_WINDOW_NEW)->trigger();
        CTarnelView *second = editor.view();
        QVERIFY(second != first);
        whenModal([](QWidget *modal) {
            auto *dialog = qobject_cast<CPreferencesDlg *>(modal);
            dialog->nameCaseField()->setCurrentIndex(int(tarnel::NameCase::Lower));
            dialog->autoCloseField()->setChecked(false);
            dialog->lineNumbersField()->setChecked(false);
            dialog->accept();
        });
        editor.frame()->action(tarnel::ID_EDIT_PREFERENCES)->trigger();
        for (CTarnelView *view : {first, second})
            QCOMPARE(view->marginWidth(0), 0);
        first->setFocus();
        typeText(first, "<P>");
        QCOMPARE(viewBytes(second), QByteArray("<p>"));
        QCOMPARE(EditorSettings::load().nameCase, tarnel::NameCase::Lower);
        EditorSettings::setCurrent({}); // the next test starts from the defaults
    }

private:
    QTemporaryDir m_profile;
};

QTEST_MAIN(TestEditorBasics)
#include "tst_editorbasics.moc"
