// The keys through the real widgets: what an unbound Ctrl key does in the source, moving between
// pages, Find Previous, the keys' help page and rebinding a command in Preferences.

#include "UiTestSupport.h"

#include "Commands.h"
#include "KeysPage.h"
#include "PreferencesDlg.h"
#include "commandids.h"

#include <QAction>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>

using namespace uitest;
using namespace tarnel;

namespace {

CTarnelView *pageWithText(Editor &editor, const std::string &text)
{
    CTarnelView *view = editor.view();
    view->replaceBytes(0, editor.doc()->textLength(), text);
    editor.frame()->show();
    QApplication::setActiveWindow(editor.frame());
    view->setFocus();
    return view;
}

// Answers Preferences on its Keys tab with `change`, then OK.
void onKeysTab(std::function<void(CKeysPage *)> change)
{
    whenModal([change](QWidget *modal) {
        auto *dialog = qobject_cast<CPreferencesDlg *>(modal);
        dialog->tabs()->setCurrentWidget(dialog->keysPage());
        change(dialog->keysPage());
        dialog->accept();
    });
}

} // namespace

class TestKeys : public QObject
{
    Q_OBJECT
private slots:
    void ctrlKeysTypeNothingButTheirBindingsRun_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("zoom");
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        QTest::newRow("Ctrl+0") << int(Qt::Key_0) << ctrl << QByteArray("abc def") << 7 << 0;
        QTest::newRow("Ctrl+9") << int(Qt::Key_9) << ctrl << QByteArray("abc def") << 7 << 0;
        QTest::newRow("Ctrl+,") << int(Qt::Key_Comma) << ctrl << QByteArray("abc def") << 7 << 0;
        QTest::newRow("Ctrl+;") << int(Qt::Key_Semicolon) << ctrl << QByteArray("abc def") << 7
                                << 0;
        QTest::newRow("Ctrl+Shift+!")
            << int(Qt::Key_Exclam) << (ctrl | Qt::ShiftModifier) << QByteArray("abc def") << 7 << 0;
        QTest::newRow("Ctrl+Left") << int(Qt::Key_Left) << ctrl << QByteArray("abc def") << 4 << 0;
        QTest::newRow("Ctrl+Backspace")
            << int(Qt::Key_Backspace) << ctrl << QByteArray("abc ") << 4 << 0;
        QTest::newRow("Ctrl+keypad +")
            << int(Qt::Key_Plus) << (ctrl | Qt::KeypadModifier) << QByteArray("abc def") << 7 << 1;
        QTest::newRow("Ctrl+/ toggles the comment")
            << int(Qt::Key_Slash) << ctrl << QByteArray("<!-- abc def -->") << -1 << 0;
        // AltGr arrives as Ctrl+Alt on some layouts: its character still types.
        QTest::newRow("AltGr+Q") << int(Qt::Key_At) << (ctrl | Qt::AltModifier)
                                 << QByteArray("abc def@") << 8 << 0;
    }

    void ctrlKeysTypeNothingButTheirBindingsRun()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QByteArray, text);
        QFETCH(int, caret);
        QFETCH(int, zoom);
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = pageWithText(editor, "abc def");
        QTest::keyClick(view, Qt::Key(key), modifiers);
        QCOMPARE(viewBytes(view), text);
        if (caret >= 0)
            QCOMPARE(int(view->CharIndexAtCaret()), caret);
        QCOMPARE(int(view->SendScintilla(QsciScintillaBase::SCI_GETZOOM)), zoom);
    }

    void ctrlPageKeysGoRoundThePages()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelDoc *first = editor.doc();
        CTarnelDoc *second = editor.app->docManager()->OnFileNew();
        CTarnelDoc *third = editor.app->docManager()->OnFileNew();
        pageWithText(editor, "third");
        const auto press = [&](Qt::Key key) {
            QTest::keyClick(editor.view(), key, Qt::ControlModifier);
            return editor.doc();
        };
        QCOMPARE(press(Qt::Key_PageDown), first);
        QCOMPARE(press(Qt::Key_PageDown), second);
        QCOMPARE(press(Qt::Key_PageUp), first);
        QCOMPARE(press(Qt::Key_PageUp), third);
        QCOMPARE(viewBytes(editor.view()), QByteArray("third"));
    }

    void findPreviousGoesBackWithTheLastFind()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = pageWithText(editor, "Needle needle NEEDLE");
        CFindService::lastOptions().what = "needle";
        CFindService::lastOptions().matchCase = true;
        QTest::keyClick(view, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(view->selectedBytes().begin, std::size_t(7));
        QTest::keyClick(view, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(view->selectedBytes().begin, std::size_t(7));
        QVERIFY(editor.frame()->statusBar()->currentMessage().contains("Cannot find"));
        CFindService::lastOptions() = {};
    }

    void ctrlQBecomesExitAndStaysSo()
    {
        {
            Editor editor;
            QVERIFY(editor.start());
            QString said;
            onKeysTab([&said](CKeysPage *keys) {
                keys->selectCommand(ID_APP_EXIT);
                // Return would no longer break lines; the key pressed next counts.
                QTest::keyClick(keys->keyField(), Qt::Key_Return);
                if (!QTest::qWaitFor([keys] { return keys->message()->text().contains("typing"); },
                                     3000))
                    return;
                QTest::keyClick(keys->keyField(), Qt::Key_Q, Qt::ControlModifier);
                (void)QTest::qWaitFor([keys] { return keys->message()->text().contains("was"); },
                                      3000);
                said = keys->message()->text();
            });
            editor.frame()->action(ID_EDIT_PREFERENCES)->trigger();
            QCOMPARE(said, QString("Ctrl+Q was Marquee's key; Marquee now has none."));
            QAction *exit = editor.frame()->action(ID_APP_EXIT);
            QCOMPARE(exit->shortcut(), QKeySequence("Ctrl+Q"));
            QCOMPARE(exit->text(), QString("E&xit\tCtrl+Q"));
            QCOMPARE(editor.frame()->action(ID_INSERT_MARQUEE)->text(), QString("Mar&quee"));
            QCOMPARE(QSettings().value("Keys/57665").toString(), QString("Ctrl+Q"));
            QCOMPARE(QSettings().value("Keys/32778").toString(), QString(""));
            // The key reaches Exit from the source, and the help page lists it.
            QObject::disconnect(exit, &QAction::triggered, editor.frame(), nullptr);
            QSignalSpy exits(exit, &QAction::triggered);
            CTarnelView *view = pageWithText(editor, "");
            QTest::keyClick(view, Qt::Key_Q, Qt::ControlModifier);
            QCOMPARE(exits.count(), 1);
            QCOMPARE(viewBytes(view), QByteArray());
            QTest::keyClick(view, Qt::Key_F1);
            QTextBrowser *help = editor.frame()->keysHelp();
            QVERIFY(help && help->isVisible());
            const QString listed = help->toPlainText();
            const QString blanks = QStringLiteral("[\\s\\x{00A0}]+");
            QVERIFY(listed.contains(QRegularExpression("Exit" + blanks + "Ctrl\\+Q")));
            QVERIFY(!listed.contains(QRegularExpression("Marquee" + blanks + "Ctrl")));
            QVERIFY(
                listed.contains(QRegularExpression("Save As..." + blanks + "Ctrl\\+Shift\\+S")));
        }
        // The next start reads the keys from the profile; Reset gives the table's back.
        Editor editor;
        QVERIFY(editor.start());
        QCOMPARE(editor.frame()->action(ID_APP_EXIT)->shortcut(), QKeySequence("Ctrl+Q"));
        onKeysTab([](CKeysPage *keys) { keys->resetButton()->click(); });
        editor.frame()->action(ID_EDIT_PREFERENCES)->trigger();
        QCOMPARE(editor.frame()->action(ID_INSERT_MARQUEE)->shortcut(), QKeySequence("Ctrl+Q"));
        QCOMPARE(editor.frame()->action(ID_INSERT_MARQUEE)->text(), QString("Mar&quee\t...Ctl+Q"));
        QSettings profile;
        profile.beginGroup("Keys");
        QVERIFY(profile.childKeys().isEmpty());
    }
};

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
