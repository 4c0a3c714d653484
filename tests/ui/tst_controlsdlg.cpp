// The form-controls form on its own: rows by type, collecting controls, refusals, Cancel.
#include "ControlsDlg.h"
#include "FormTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace formtest;

namespace {

template <typename Button> Button *button(QWidget *form, const QString &caption)
{
    return withText<Button>(form, caption);
}

bool rowShown(QWidget *form, const QString &caption)
{
    QLineEdit *edit = field(form, caption);
    QLabel *label = withText<QLabel>(form, caption);
    return edit && !edit->isHidden() && label && !label->isHidden();
}

void chooseType(QWidget *form, const QString &caption)
{
    // click() rather than a mouse click at the centre: a short caption in a wide radio button
    // leaves the centre outside the button's hit area.
    button<QRadioButton>(form, caption)->click();
}

// Answers the next modal message box with OK and hands back its text.
void answerMessageBox(QString *seen)
{
    QTimer::singleShot(0, [seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        *seen = box->text();
        box->accept();
    });
}

} // namespace

class TestControlsDlg : public QObject
{
    Q_OBJECT
private slots:
    void startsAsButtonWithTheTypeRowsHidden();
    void rowsFollowTheType();
    void readOnlyDisablesMaxLengthUnderEdit();
    void listsOfferTheirEntriesWithoutTrailingBlanks();
    void addNewControlCollectsAndClears();
    void anEmptyNameIsRefusedAndTheFormStaysOpen();
    void cancelAfterAddsMarksTheFormCancelled();
    void aCancelledChooserKeepsTheField();
};

void TestControlsDlg::startsAsButtonWithTheTypeRowsHidden()
{
    CControlsDlg form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Controls"));

    QStringList types;
    for (QRadioButton *radio : form.findChildren<QRadioButton *>())
        types << radio->text();
    QCOMPARE(types, QStringList({"Button", "Check Box", "File", "Hidden", "Image", "Password",
                                 "Radio", "Reset", "Submit", "Edit"}));
    QVERIFY(button<QRadioButton>(&form, "Button")->isChecked());

    QStringList captions;
    for (QLabel *label : form.findChildren<QLabel *>())
        captions << label->text();
    QCOMPARE(captions,
             QStringList({"Access Key", "Name", "Label", "Language", "DynSrc", "Position", "Alt",
                          "Tab Index", "Source", "Title", "Size", "MaxLength", "LowSource:"}));
    QVERIFY(!rowShown(&form, "Size"));
    QVERIFY(!rowShown(&form, "MaxLength"));
    QVERIFY(!rowShown(&form, "LowSource:"));
    QVERIFY(!button<QCheckBox>(&form, "ReadOnly")->isChecked());
    QVERIFY(!button<QCheckBox>(&form, "Disabled")->isChecked());

    form.show();
    QList<QPushButton *> buttons;
    int browseButtons = 0;
    for (QPushButton *b : form.findChildren<QPushButton *>()) {
        if (b->text() == "...")
            ++browseButtons;
        else
            buttons << b;
    }
    std::sort(buttons.begin(), buttons.end(),
              [](QPushButton *a, QPushButton *b) { return a->x() < b->x(); });
    QStringList order;
    for (QPushButton *b : buttons)
        order << b->text();
    QCOMPARE(order, QStringList({"OK", "Add New Control", "Cancel"}));
    QVERIFY(buttons.front()->isDefault());
    QCOMPARE(browseButtons, 3);
    QCOMPARE(form.focusWidget(), field(&form, "Access Key"));

    if (const QString shots = qEnvironmentVariable("TARNEL_SHOTS"); !shots.isEmpty()) {
        chooseType(&form, "Image");
        field(&form, "Name")->setText("pic");
        field(&form, "Source")->setText("a.gif");
        field(&form, "LowSource:")->setText("low.gif");
        QTest::qWait(50);
        form.grab().save(shots + "/controlsdlg.png");
    }
}

void TestControlsDlg::rowsFollowTheType()
{
    CControlsDlg form;
    const struct
    {
        const char *type;
        bool size, maxLength, lowSource;
    } steps[] = {
        {"Check Box", false, false, false}, {"Image", true, false, true},
        {"Button", true, false, false},     {"Edit", true, true, false},
        {"Hidden", true, false, false},     {"Password", true, true, false},
        {"Submit", true, false, false},
    };
    for (const auto &step : steps) {
        chooseType(&form, step.type);
        QVERIFY2(rowShown(&form, "Size") == step.size, step.type);
        QVERIFY2(rowShown(&form, "MaxLength") == step.maxLength, step.type);
        QVERIFY2(rowShown(&form, "LowSource:") == step.lowSource, step.type);
    }
    // Only the LowSource row has a browse button that comes and goes with it.
    chooseType(&form, "Image");
    int shownBrowseButtons = 0;
    for (QPushButton *b : form.findChildren<QPushButton *>())
        shownBrowseButtons += b->text() == "..." && !b->isHidden();
    QCOMPARE(shownBrowseButtons, 3);
}

void TestControlsDlg::readOnlyDisablesMaxLengthUnderEdit()
{
    CControlsDlg form;
    QCheckBox *readOnly = button<QCheckBox>(&form, "ReadOnly");
    QLineEdit *maxLength = field(&form, "MaxLength");
    chooseType(&form, "Edit");
    readOnly->click();
    QVERIFY(!maxLength->isEnabled());
    chooseType(&form, "Edit");
    QVERIFY(maxLength->isEnabled());
    readOnly->click(); // cleared
    QVERIFY(maxLength->isEnabled());
    readOnly->click(); // ticked
    QVERIFY(!maxLength->isEnabled());
    chooseType(&form, "Password");
    QVERIFY(maxLength->isEnabled());
    QVERIFY(!maxLength->isReadOnly());

    // With ReadOnly remembered from the last press, Password makes MaxLength read-only.
    field(&form, "Name")->setText("p");
    QTest::mouseClick(button<QPushButton>(&form, "Add New Control"), Qt::LeftButton);
    chooseType(&form, "Password");
    QVERIFY(maxLength->isReadOnly());
    chooseType(&form, "Edit");
    QVERIFY(maxLength->isReadOnly());
}

void TestControlsDlg::listsOfferTheirEntriesWithoutTrailingBlanks()
{
    CControlsDlg form;
    const auto entries = [](QComboBox *box) {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    };
    QCOMPARE(entries(list(&form, "Language")),
             QStringList({"", "JAVASCRIPT", "JSCRIPT", "VBS", "VBSCRIPT"}));
    QCOMPARE(entries(list(&form, "Position")), QStringList({"", "LEFT", "NONE(CENTER)", "RIGHT"}));
    QCOMPARE(list(&form, "Language")->currentText(), QString());

    chooseType(&form, "Check Box");
    field(&form, "Name")->setText("c1");
    field(&form, "Tab Index")->setText("3");
    list(&form, "Position")->setCurrentText("NONE(CENTER)");
    list(&form, "Language")->setCurrentText("JSCRIPT");
    QTest::mouseClick(button<QPushButton>(&form, "OK"), Qt::LeftButton);
    QCOMPARE(form.resultText(), std::string("<INPUT  STYLE=\"Float:none\"  LANGUAGE=\"JSCRIPT\" "
                                            "TABINDEX=3 NAME=\"c1\"  TYPE= CHECKBOX  >\n"));
}

void TestControlsDlg::addNewControlCollectsAndClears()
{
    CControlsDlg form;
    form.show();
    chooseType(&form, "Edit");
    QTest::keyClicks(field(&form, "Name"), "user");
    QTest::keyClicks(field(&form, "Size"), "20");
    QTest::keyClicks(field(&form, "Title"), "t");
    list(&form, "Position")->setCurrentText("LEFT");
    QTest::mouseClick(button<QCheckBox>(&form, "Disabled"), Qt::LeftButton);
    QTest::mouseClick(button<QPushButton>(&form, "Add New Control"), Qt::LeftButton);

    QVERIFY(form.isVisible());
    QVERIFY(button<QRadioButton>(&form, "Edit")->isChecked());
    for (const char *caption : {"Access Key", "Name", "Label", "DynSrc", "Alt", "Tab Index",
                                "Source", "Title", "Size", "MaxLength", "LowSource:"})
        QVERIFY2(field(&form, caption)->text().isEmpty(), caption);
    QCOMPARE(list(&form, "Position")->currentText(), QString());
    QVERIFY(!button<QCheckBox>(&form, "Disabled")->isChecked());
    QVERIFY(!rowShown(&form, "Size"));
    QVERIFY(!rowShown(&form, "MaxLength"));

    chooseType(&form, "Submit");
    QTest::keyClicks(field(&form, "Name"), "go");
    QTest::keyClicks(field(&form, "Label"), "Send");
    QTest::mouseClick(button<QPushButton>(&form, "OK"), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(!form.cancelled);
    QCOMPARE(form.resultText(),
             std::string("<INPUT  STYLE=\"Float:LEFT\"  TITLE=\"t\" DISABLED  NAME=\"user\"  "
                         "TYPE= TEXT SIZE=20 >\n"
                         "<INPUT  VALUE=\"Send\" NAME=\"go\" TYPE= SUBMIT >\n"));
}

void TestControlsDlg::anEmptyNameIsRefusedAndTheFormStaysOpen()
{
    CControlsDlg form;
    form.show();
    field(&form, "Name")->setText("a");
    QTest::mouseClick(button<QPushButton>(&form, "Add New Control"), Qt::LeftButton);

    field(&form, "Label")->setText("kept");
    for (const char *press : {"Add New Control", "OK"}) {
        QString message;
        answerMessageBox(&message);
        QTest::mouseClick(button<QPushButton>(&form, press), Qt::LeftButton);
        QCOMPARE(message, QStringLiteral("You must enter the control name!!"));
        QVERIFY(form.isVisible());
        QCOMPARE(field(&form, "Label")->text(), QStringLiteral("kept"));
    }
    QCOMPARE(form.resultText(), std::string("<INPUT  NAME=\"a\" TYPE= BUTTON >\n"));
}

void TestControlsDlg::cancelAfterAddsMarksTheFormCancelled()
{
    CControlsDlg form;
    form.show();
    field(&form, "Name")->setText("a");
    QTest::mouseClick(button<QPushButton>(&form, "Add New Control"), Qt::LeftButton);
    QTest::mouseClick(button<QPushButton>(&form, "Cancel"), Qt::LeftButton);
    QVERIFY(form.cancelled);
    QVERIFY(!form.isVisible());
}

void TestControlsDlg::aCancelledChooserKeepsTheField()
{
    CControlsDlg form;
    form.show();
    QLineEdit *source = field(&form, "Source");
    source->setText("a.gif");
    QPushButton *browse = nullptr;
    for (QPushButton *b : form.findChildren<QPushButton *>())
        if (b->text() == "..." && b->geometry().center().y() > source->geometry().top() &&
            b->geometry().center().y() < source->geometry().bottom())
            browse = b;
    QVERIFY(browse);
    QTimer::singleShot(0, [] {
        if (QWidget *chooser = QApplication::activeModalWidget())
            chooser->close();
    });
    QTest::mouseClick(browse, Qt::LeftButton);
    QCOMPARE(source->text(), QStringLiteral("a.gif"));
}

QTEST_MAIN(TestControlsDlg)
#include "tst_controlsdlg.moc"
