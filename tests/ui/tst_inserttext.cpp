// Insert > Controls and Insert > Text through the running editor: the forms open over the
// page, and what they build lands at the caret.

#include "UiTestSupport.h"

#include "ControlsDlg.h"
#include "FontDlg.h"
#include "FormTestSupport.h"
#include "SiteTree.h"
#include "commandids.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace uitest;
using namespace formtest;

namespace {

// The page with `inserted` (line feeds as the page's CR LF) put in at byte `at`.
QByteArray withInsertion(const QByteArray &page, std::size_t at, QByteArray inserted)
{
    inserted.replace("\n", "\r\n");
    return page.left(qsizetype(at)) + inserted + page.mid(qsizetype(at));
}

void describeControl(QWidget *form, const char *type, const char *name, const char *label = "")
{
    withText<QRadioButton>(form, type)->click();
    QTest::keyClicks(field(form, "Name"), name);
    QTest::keyClicks(field(form, "Label"), label);
}

void press(QWidget *form, const char *button)
{
    QTest::mouseClick(withText<QPushButton>(form, button), Qt::LeftButton);
}

int outlineImages(const Editor &editor)
{
    return editor.activeSource()->outline()->entryCount(CSiteTree::Images);
}

} // namespace

class TestInsertText : public QObject
{
    Q_OBJECT
private slots:
    void severalControlsThenOkGiveOneFormBlockInOrder();
    void cancelAfterAddsInsertsNothingButRescans();
    void formattedTextLandsAtTheCaretExactly();
    void cancelledFormattedTextInsertsNothing();
};

void TestInsertText::severalControlsThenOkGiveOneFormBlockInOrder()
{
    Editor editor;
    QVERIFY(editor.start());
    CTarnelView *view = editor.view();
    const QByteArray before = viewBytes(view);
    const std::size_t caret = view->CharIndexAtCaret();

    bool ran = false;
    whenModal([&ran](QWidget *w) {
        auto *form = qobject_cast<CControlsDlg *>(w);
        if (!form) {
            w->close();
            return;
        }
        ran = true;
        describeControl(form, "Edit", "user");
        QTest::keyClicks(field(form, "Size"), "20");
        press(form, "Add New Control");
        describeControl(form, "Check Box", "c1");
        withText<QCheckBox>(form, "ReadOnly")->click();
        press(form, "Add New Control");
        describeControl(form, "Submit", "go", "Send");
        press(form, "OK");
    });
    view->commands().run(tarnel::ID_INSERT_CONTROLS);
    QVERIFY(ran);

    QCOMPARE(viewBytes(view), withInsertion(before, caret,
                                            "<FORM>\n"
                                            "<INPUT  NAME=\"user\" TYPE= TEXT SIZE=20 >\n"
                                            "<INPUT  NAME=\"c1\"  READONLY  TYPE= CHECKBOX   >\n"
                                            "<INPUT  VALUE=\"Send\" NAME=\"go\" TYPE= SUBMIT >\n"
                                            "</FORM>\n\n"));
    QVERIFY(editor.doc()->isModified());
}

void TestInsertText::cancelAfterAddsInsertsNothingButRescans()
{
    Editor editor;
    QVERIFY(editor.start());
    CTarnelView *view = editor.view();
    view->insertAt(QStringLiteral("<IMG SRC=\"a.gif\">"), 7, 0);
    view->rescanOutline();
    QCOMPARE(outlineImages(editor), 1);
    // A second image the outline has not been told about: only a rescan finds it.
    view->insertAt(QStringLiteral("<IMG SRC=\"b.gif\">"), 7, 0);
    QCOMPARE(outlineImages(editor), 1);
    const QByteArray before = viewBytes(view);
    const bool modified = editor.doc()->isModified();

    whenModal([](QWidget *w) {
        auto *form = qobject_cast<CControlsDlg *>(w);
        if (!form) {
            w->close();
            return;
        }
        describeControl(form, "Reset", "r");
        press(form, "Add New Control");
        describeControl(form, "Reset", "s");
        press(form, "Add New Control");
        press(form, "Cancel");
    });
    view->commands().run(tarnel::ID_INSERT_CONTROLS);

    QCOMPARE(viewBytes(view), before);
    QCOMPARE(editor.doc()->isModified(), modified);
    QCOMPARE(outlineImages(editor), 2);
}

void TestInsertText::formattedTextLandsAtTheCaretExactly()
{
    Editor editor;
    QVERIFY(editor.start());
    CTarnelView *view = editor.view();
    const QByteArray before = viewBytes(view);
    const std::size_t caret = view->CharIndexAtCaret();

    QString face;
    whenModal([&face](QWidget *w) {
        auto *form = qobject_cast<CFontDlg *>(w);
        if (!form) {
            w->close();
            return;
        }
        auto *faces = form->findChild<CFontCombo *>();
        pick(faces, 0);
        face = faces->itemText(0);
        pick(sizeList(form), 4);  // "4 (14pt)"
        pick(styleList(form), 3); // Bold-Italic
        chooseColour(form, "FontColor", QColor(0, 128, 15));
        chooseColour(form, "Background Color", QColor(255, 255, 16));
        withText<QCheckBox>(form, "Underline")->click();
        withText<QRadioButton>(form, "Center")->click();
        auto *text = form->findChild<QPlainTextEdit *>();
        QTest::keyClicks(text, "Hello");
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, "world");
        QTest::mouseClick(withText<QPushButton>(form, "OK"), Qt::LeftButton);
    });
    view->commands().run(tarnel::ID_INSERT_TEXT);
    QVERIFY(!face.isEmpty());

    const QByteArray fragment =
        "<span style=\"background-color: #ffff10\"><CENTER><U><I><B><FONT  FACE = \"" +
        face.toUtf8() +
        "\" SIZE = \"4\" COLOR = \"#00800f\"> Hello<BR>world<BR> </FONT></B></I></U></CENTER>"
        "</span>";
    QCOMPARE(viewBytes(view), withInsertion(before, caret, fragment));
}

void TestInsertText::cancelledFormattedTextInsertsNothing()
{
    Editor editor;
    QVERIFY(editor.start());
    CTarnelView *view = editor.view();
    const QByteArray before = viewBytes(view);

    whenModal([](QWidget *w) {
        if (auto *text = w->findChild<QPlainTextEdit *>())
            QTest::keyClicks(text, "x");
        QTest::keyClick(w, Qt::Key_Escape);
    });
    view->commands().run(tarnel::ID_INSERT_TEXT);

    QCOMPARE(viewBytes(view), before);
    QVERIFY(!editor.doc()->isModified());
}

QTEST_MAIN(TestInsertText)
#include "tst_inserttext.moc"
