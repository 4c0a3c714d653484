// The image, background, sound, link and applet commands through the running editor: the
// accelerator opens the form over the page, and what the form confirms lands at the caret.
#include "UiTestSupport.h"

#include "FormDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace uitest;

namespace {

using Fill = std::function<void(QWidget *form)>;

void type(QWidget *form, const char *name, const QString &text)
{
    auto *edit = form->findChild<QLineEdit *>(QLatin1String(name));
    QVERIFY2(edit, name);
    QTest::keyClicks(edit, text);
}

void click(QWidget *form, const char *name)
{
    auto *button = form->findChild<QAbstractButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

QPushButton *button(QWidget *form, const QString &caption)
{
    for (QPushButton *b : form->findChildren<QPushButton *>())
        if (b->text() == caption)
            return b;
    return nullptr;
}

struct Command
{
    Qt::Key key;
    Fill fill;         // fills the form so that it is accepted
    QByteArray output; // what it inserts, with the page's line breaks
    Fill partial;      // fills an optional input only, so that OK is refused
    const char *partialInput;
    QString refusal;
};

Command command(const QString &name)
{
    if (name == "image")
        return {Qt::Key_I,
                [](QWidget *f) {
                    type(f, "imageSource", "pics/logo.gif");
                    type(f, "width", "120");
                    type(f, "height", "40");
                    type(f, "border", "0");
                    type(f, "comment", "Logo");
                    auto *align = f->findChild<QComboBox *>("align");
                    align->setCurrentIndex(align->findText("LEFT"));
                },
                "<IMG  SRC=\"pics/logo.gif\" ALIGN=\"LEFT\" BORDER=\"0\" HEIGHT=\"40\" "
                "WIDTH=\"120\" ALT=\"Logo\">\r\n",
                [](QWidget *f) { type(f, "width", "12"); },
                "width",
                "You must enter Image source!!"};
    if (name == "background")
        return {Qt::Key_B,
                [](QWidget *f) {
                    click(f, "bothChoice");
                    type(f, "image", "bg.gif");
                    QTest::keyClicks(f->findChild<QComboBox *>("colour"), "Teal");
                },
                "<BODY  BACKGROUND=\"bg.gif\" BGCOLOR=\"Teal\">\r\n",
                [](QWidget *) {},
                nullptr,
                "You must enter Image source or Colour!!"};
    if (name == "sound")
        return {Qt::Key_D,
                [](QWidget *f) {
                    type(f, "source", "music.mid");
                    type(f, "loop", "-1");
                    type(f, "balance", "0");
                    type(f, "volume", "-200");
                },
                "<BGSOUND SRC=\"music.mid\" LOOP=\"-1\" VOLUME=\"-200\" BALANCE=\"0\" >\r\n",
                [](QWidget *f) { type(f, "loop", "-1"); },
                "loop",
                "You must enter Sound source!!"};
    if (name == "link")
        return {Qt::Key_K,
                [](QWidget *f) {
                    type(f, "url", "page2.htm");
                    click(f, "textKind");
                    QTest::keyClicks(f->findChild<QPlainTextEdit *>("linkText"), "Next page");
                },
                "<A HREF=\"page2.htm\">Next page</A>\r\n",
                [](QWidget *f) { type(f, "imageSource", "b.gif"); },
                "imageSource",
                "You must enter a Link!!"};
    return {Qt::Key_E,
            [](QWidget *f) {
                type(f, "fileName", "Clock.class");
                type(f, "className", "clock");
                type(f, "name", "clk");
            },
            "<APPLET  CODE=\"Clock.class\" CLASS=\"clock\" NAME=\"clk\">\r\n",
            [](QWidget *f) { type(f, "className", "clock"); },
            "className",
            "You must enter an Applet File Name!!"};
}

// Presses the command's accelerator in the view and runs `handle` on the form it opens. A
// form the handler left open is cancelled, so a failing check cannot hang the test.
bool runCommand(CTarnelView *view, Qt::Key key, Fill handle)
{
    bool opened = false;
    QObject guard; // stops the watch when the command has returned
    auto *watch = new QTimer(&guard);
    QObject::connect(watch, &QTimer::timeout, &guard, [watch, &opened, handle] {
        auto *form = qobject_cast<CFormDlg *>(QApplication::activeModalWidget());
        if (!form || !form->isVisible())
            return;
        watch->stop();
        opened = true;
        handle(form);
        if (form->isVisible())
            form->reject();
    });
    watch->start(20);
    QTest::keyClick(view, key, Qt::ControlModifier);
    settle();
    return opened;
}

struct Page
{
    Editor editor;
    CTarnelView *view = nullptr;
    QByteArray before;

    bool open()
    {
        if (!editor.start())
            return false;
        editor.frame()->activateWindow();
        if (!QTest::qWaitForWindowActive(editor.frame()))
            return false;
        view = editor.view();
        view->setFocus();
        before = viewBytes(view);
        return true;
    }
};

void addCommandRows()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"image", "background", "sound", "link", "applet"})
        QTest::newRow(name) << QString(name);
}

} // namespace

class TestInsertBasicView : public QObject
{
    Q_OBJECT
private slots:
    void confirmedFormInsertsAtTheCaret_data();
    void confirmedFormInsertsAtTheCaret();
    void cancelLeavesThePageAlone_data() { addCommandRows(); }
    void cancelLeavesThePageAlone();
    void typedStraightAway();
    void refusedFormStaysOpen_data() { addCommandRows(); }
    void refusedFormStaysOpen();
};

void TestInsertBasicView::confirmedFormInsertsAtTheCaret_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    for (const char *name : {"image", "background", "sound", "link", "applet"}) {
        QTest::addRow("%s at the caret", name) << QString(name) << 8 << 8;
        QTest::addRow("%s over a selection", name) << QString(name) << 0 << 6;
    }
}

void TestInsertBasicView::confirmedFormInsertsAtTheCaret()
{
    QFETCH(QString, name);
    QFETCH(int, from);
    QFETCH(int, to);
    Page page;
    QVERIFY(page.open());
    const Command cmd = command(name);
    page.view->selectBytes(from, to);

    QVERIFY(runCommand(page.view, cmd.key, [&cmd](QWidget *form) {
        cmd.fill(form);
        QTest::mouseClick(button(form, "OK"), Qt::LeftButton);
        QVERIFY(!form->isVisible());
    }));
    QByteArray expected = page.before;
    expected.replace(from, to - from, cmd.output);
    QCOMPARE(viewBytes(page.view), expected);
    QCOMPARE(int(page.view->CharIndexAtCaret()), from + int(cmd.output.size()));
    QVERIFY(page.editor.doc()->isModified());

    page.view->undo();
    QCOMPARE(viewBytes(page.view), page.before);
    QVERIFY(!page.editor.doc()->isModified());
}

void TestInsertBasicView::cancelLeavesThePageAlone()
{
    QFETCH(QString, name);
    Page page;
    QVERIFY(page.open());
    const Command cmd = command(name);
    page.view->selectBytes(0, 6);

    QVERIFY(runCommand(page.view, cmd.key, [&cmd](QWidget *form) {
        cmd.fill(form);
        QTest::mouseClick(button(form, "Cancel"), Qt::LeftButton);
    }));
    QCOMPARE(viewBytes(page.view), page.before);
    QVERIFY(!page.editor.doc()->isModified());
    // Only the image form lets go of the selection when cancelled.
    QCOMPARE(page.view->hasSelectedText(), name != "image");
}

// The form opens with the focus in its first field: what is typed goes there, Enter confirms,
// and a choice of Align can be taken back.
void TestInsertBasicView::typedStraightAway()
{
    Page page;
    QVERIFY(page.open());
    page.view->selectBytes(0, 0);
    QVERIFY(runCommand(page.view, Qt::Key_I, [](QWidget *form) {
        QWidget *first = QApplication::focusWidget();
        QCOMPARE(first->objectName(), QString("imageSource"));
        QTest::keyClicks(first, "a.gif");
        auto *align = form->findChild<QComboBox *>("align");
        QTest::keyClick(align, Qt::Key_Down);
        QCOMPARE(align->currentText(), QString("ABSBOTTOM"));
        QTest::keyClick(align, Qt::Key_Up);
        QCOMPARE(align->currentText(), QString());
        QTest::keyClick(first, Qt::Key_Return);
        QVERIFY(!form->isVisible());
    }));
    QVERIFY(viewBytes(page.view).startsWith("<IMG  SRC=\"a.gif\">\r\n"));
}

void TestInsertBasicView::refusedFormStaysOpen()
{
    QFETCH(QString, name);
    Page page;
    QVERIFY(page.open());
    const Command cmd = command(name);

    QString refusal;
    bool stayedOpen = false;
    QString kept;
    QVERIFY(runCommand(page.view, cmd.key, [&](QWidget *form) {
        cmd.partial(form);
        answerMessageBox(QMessageBox::Ok, &refusal);
        QTest::mouseClick(button(form, "OK"), Qt::LeftButton);
        stayedOpen = form->isVisible();
        if (cmd.partialInput)
            kept = form->findChild<QLineEdit *>(cmd.partialInput)->text();
        QTest::mouseClick(button(form, "Cancel"), Qt::LeftButton);
    }));
    QCOMPARE(refusal, cmd.refusal);
    QVERIFY(stayedOpen);
    if (cmd.partialInput)
        QVERIFY(!kept.isEmpty());
    QCOMPARE(viewBytes(page.view), page.before);
    QVERIFY(!page.editor.doc()->isModified());
}

QTEST_MAIN(TestInsertBasicView)
#include "tst_insertbasicview.moc"
