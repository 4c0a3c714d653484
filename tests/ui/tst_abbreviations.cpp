// Emmet abbreviations through the running editor: Tab after an abbreviation puts its expansion
// in, in the page's letter case and indentation, the caret at its first field, and one Undo
// gives the abbreviation back; Tab after prose or where no abbreviation belongs types a tab;
// Edit > Expand Abbreviation expands any abbreviation and says so when there is none.

#include "UiTestSupport.h"

#include "commandids.h"

#include <QSignalSpy>

using namespace uitest;

class TestAbbreviations : public QObject
{
    Q_OBJECT
private slots:
    void tabExpandsAnAbbreviationAndNothingElse_data()
    {
        QTest::addColumn<QByteArray>("page"); // "|" marks the caret
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("asked");          // the command instead of Tab
        QTest::addColumn<QByteArray>("expanded"); // or the tab typed
        QTest::addColumn<int>("caret");
        QTest::addColumn<bool>("expands");
        QTest::newRow("a list on an empty page")
            << QByteArray("|") << "ul>li*3" << false
            << QByteArray("<UL>\r\n\t<LI></LI>\r\n\t<LI></LI>\r\n\t<LI></LI>\r\n</UL>") << 11
            << true;
        QTest::newRow("a page in lower case, indented by blanks")
            << QByteArray("<ul>\n  |\n</ul>") << "li.x" << false
            << QByteArray("<ul>\r\n  <li class=\"x\"></li>\r\n</ul>") << 22 << true;
        QTest::newRow("a property in a style sheet")
            << QByteArray("<STYLE>\nP {\n  |\n}\n</STYLE>") << "m10" << false
            << QByteArray("<STYLE>\r\nP {\r\n  margin: 10px;\r\n}\r\n</STYLE>") << 29 << true;
        QTest::newRow("prose") << QByteArray("|") << "say hello" << false
                               << QByteArray("say hello\t") << 10 << false;
        QTest::newRow("in a comment") << QByteArray("<!-- | -->") << "ul>li" << false
                                      << QByteArray("<!-- ul>li\t -->") << 11 << false;
        QTest::newRow("any word when asked")
            << QByteArray("|") << "hello" << true << QByteArray("<HELLO></HELLO>") << 7 << true;
    }

    void tabExpandsAnAbbreviationAndNothingElse()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, keys);
        QFETCH(bool, asked);
        QFETCH(QByteArray, expanded);
        QFETCH(int, caret);
        QFETCH(bool, expands);
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        view->selectAll();
        const int at = int(page.indexOf('|'));
        view->InsertSnippet(page.replace("|", "").toStdString(), false);
        const int lineBreaks = int(page.left(at).count('\n'));
        view->selectBytes(at + lineBreaks, at + lineBreaks);
        view->setFocus();
        typeText(view, keys);
        const QByteArray typed = viewBytes(view);
        if (asked)
            view->commands().run(tarnel::ID_EDIT_EXPAND_ABBREVIATION);
        else
            QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(viewBytes(view), expanded);
        QCOMPARE(int(view->CharIndexAtCaret()), caret);
        // A tab typed goes on with the typing's undo step, as it always did.
        if (!expands)
            return;
        view->commands().run(tarnel::ID_EDIT_UNDO);
        QCOMPARE(viewBytes(view), typed);
    }

    // Nothing to expand, or an abbreviation Emmet refuses: the text stays, the status bar says.
    void askingWhereNoneExpandsSaysSo_data()
    {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("said");
        QTest::newRow("after a blank") << QByteArray("say ") << "no abbreviation";
        QTest::newRow("Emmet refuses it") << QByteArray("*3") << "cannot be expanded";
    }

    void askingWhereNoneExpandsSaysSo()
    {
        QFETCH(QByteArray, page);
        QFETCH(QString, said);
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        view->selectAll();
        view->InsertSnippet(page.toStdString(), false);
        QSignalSpy messages(view, &CTarnelView::statusMessage);
        view->commands().run(tarnel::ID_EDIT_EXPAND_ABBREVIATION);
        QCOMPARE(viewBytes(view), page);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.at(0).at(0).toString().contains(said),
                 qPrintable(messages.at(0).at(0).toString()));
    }
};

QTEST_MAIN(TestAbbreviations)
#include "tst_abbreviations.moc"
