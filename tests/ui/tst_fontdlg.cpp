// The formatted-text form on its own: what counts as picked, the colour choosers, the sample
// box and the fragment built by OK.
#include "FontCombo.h"
#include "FontDlg.h"
#include "FontPreview.h"
#include "FormTestSupport.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

using namespace formtest;

namespace {

void pressOk(CFontDlg &form)
{
    QTest::mouseClick(withText<QPushButton>(&form, "OK"), Qt::LeftButton);
}

} // namespace

class TestFontDlg : public QObject
{
    Q_OBJECT
private slots:
    void startsWithNothingPicked();
    void faceListHoldsEachInstalledFamilyOnceInOrder();
    void okWithNothingPickedGivesTheBareFragment();
    void everyChoiceReachesTheFragment();
    void aTypedFaceCountsOnlyWhenItNamesAnEntry();
    void aChosenBackgroundStaysAfterACancelledChooser();
    void sampleShowsTheChosenFaceAndColours();
    void cancelBuildsNothing();
};

void TestFontDlg::startsWithNothingPicked()
{
    CFontDlg form;
    form.show();
    QCOMPARE(form.windowTitle(), QStringLiteral("Dialog"));
    QVERIFY(withText<QLabel>(&form, "Font Names"));
    QVERIFY(withText<QPushButton>(&form, "FontColor"));
    QVERIFY(withText<QPushButton>(&form, "Background Color"));
    QCOMPARE(sizeList(&form)->currentText(), QStringLiteral("Normal"));
    QCOMPARE(sizeList(&form)->count(), 10);
    QCOMPARE(sizeList(&form)->itemText(1), QStringLiteral("1 ( 8 pt)"));
    QCOMPARE(styleList(&form)->currentText(), QStringLiteral("Normal"));
    QCOMPARE(styleList(&form)->itemText(3), QStringLiteral("Bold-Italic"));
    QVERIFY(withText<QRadioButton>(&form, "Left")->isChecked());
    QVERIFY(!withText<QCheckBox>(&form, "Underline")->isChecked());
    QCOMPARE(form.focusWidget(), form.findChild<CFontCombo *>());

    const tarnel::FormattedTextFields &fields = form.fields();
    QVERIFY(fields.face.empty());
    QVERIFY(fields.size.empty());
    QCOMPARE(fields.style, -1);
    QVERIFY(!fields.backgroundChosen);
}

void TestFontDlg::faceListHoldsEachInstalledFamilyOnceInOrder()
{
    CFontDlg form;
    auto *faces = form.findChild<CFontCombo *>();
    QVERIFY(faces->isEditable());
    QVERIFY(faces->count() > 0);
    QCOMPARE(faces->currentIndex(), -1);
    QStringList shown;
    for (int i = 0; i < faces->count(); ++i)
        shown << faces->itemText(i);
    QStringList sorted = shown;
    sorted.removeDuplicates();
    sorted.sort(Qt::CaseInsensitive);
    QCOMPARE(shown, sorted);
    for (const QString &name : shown)
        QVERIFY2(!name.endsWith(']'), qPrintable(name)); // no "[foundry]" in a face name
    for (const QString &reported : faces->names())
        QVERIFY2(shown.contains(reported.section(" [", 0, 0)), qPrintable(reported));
}

void TestFontDlg::okWithNothingPickedGivesTheBareFragment()
{
    CFontDlg form;
    form.show();
    pressOk(form);
    QCOMPARE(form.result(),
             std::string(R"(<FONT  FACE = "" SIZE = "" COLOR = "#000000">  </FONT>)"));
    QVERIFY(!form.cancelled);
}

void TestFontDlg::everyChoiceReachesTheFragment()
{
    CFontDlg form;
    form.show();
    auto *faces = form.findChild<CFontCombo *>();
    pick(faces, 0);
    const std::string face = faces->itemText(0).toStdString();
    pick(sizeList(&form), 2);
    pick(styleList(&form), 1);
    chooseColour(&form, "FontColor", QColor(255, 0, 0));
    chooseColour(&form, "Background Color", QColor(15, 16, 255));
    withText<QCheckBox>(&form, "Underline")->click();
    withText<QRadioButton>(&form, "Right")->click();
    QTest::keyClicks(form.findChild<QPlainTextEdit *>(), "a");
    QTest::keyClick(form.findChild<QPlainTextEdit *>(), Qt::Key_Return);
    QTest::keyClicks(form.findChild<QPlainTextEdit *>(), "b");
    QVERIFY(form.isVisible()); // Enter in the text starts a line, it does not press OK
    pressOk(form);
    QCOMPARE(form.result(), R"(<span style="background-color: #0f10ff"><DIV ALIGN="RIGHT"><U><B>)"
                            R"(<FONT  FACE = ")" +
                                face +
                                R"(" SIZE = "2" COLOR = "#ff0000"> a<BR>b<BR> </FONT>)"
                                R"(</B></U></DIV></span>)");
}

void TestFontDlg::aTypedFaceCountsOnlyWhenItNamesAnEntry()
{
    CFontDlg form;
    form.show();
    auto *faces = form.findChild<CFontCombo *>();
    const int entries = faces->count();
    QTest::keyClicks(faces->lineEdit(), "No Such Face");
    QTest::keyClick(faces->lineEdit(), Qt::Key_Return);
    QVERIFY(form.fields().face.empty());
    QCOMPARE(faces->count(), entries);

    const QString real = faces->itemText(faces->count() - 1);
    faces->lineEdit()->clear();
    QTest::keyClicks(faces->lineEdit(), real);
    QVERIFY(form.fields().face.empty());
    QTest::keyClick(faces->lineEdit(), Qt::Key_Return);
    QCOMPARE(form.fields().face, real.toStdString());
}

void TestFontDlg::aChosenBackgroundStaysAfterACancelledChooser()
{
    CFontDlg form;
    form.show();
    chooseColour(&form, "Background Color", QColor(255, 255, 0));
    chooseColour(&form, "Background Color", QColor());
    chooseColour(&form, "FontColor", QColor());
    pressOk(form);
    QCOMPARE(form.result(), std::string(R"(<span style="background-color: #ffff00">)"
                                        R"(<FONT  FACE = "" SIZE = "" COLOR = "#000000">  </FONT>)"
                                        R"(</span>)"));
}

void TestFontDlg::sampleShowsTheChosenFaceAndColours()
{
    CFontDlg form;
    form.show();
    auto *faces = form.findChild<CFontCombo *>();
    pick(faces, faces->count() - 1);
    chooseColour(&form, "FontColor", QColor(0, 0, 255));
    chooseColour(&form, "Background Color", QColor(255, 255, 0));
    auto *sample = form.findChild<CFontPreview *>();
    QCOMPARE(sample->face(), faces->itemText(faces->count() - 1));
    QCOMPARE(sample->textColour(), QColor(0, 0, 255));
    QCOMPARE(sample->backgroundColour(), QColor(255, 255, 0));

    // The sample paints both colours.
    const QImage image = sample->grab().toImage();
    bool sawText = false, sawBackground = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            sawText |= pixel == QColor(0, 0, 255);
            sawBackground |= pixel == QColor(255, 255, 0);
        }
    QVERIFY(sawText);
    QVERIFY(sawBackground);

    if (const QString shots = qEnvironmentVariable("TARNEL_SHOTS"); !shots.isEmpty()) {
        auto *text = form.findChild<QPlainTextEdit *>();
        QTest::keyClicks(text, "Hello");
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, "world");
        withText<QRadioButton>(&form, "Center")->click();
        QTest::qWait(50);
        form.grab().save(shots + "/fontdlg.png");
    }
}

void TestFontDlg::cancelBuildsNothing()
{
    CFontDlg form;
    form.show();
    QTest::keyClicks(form.findChild<QPlainTextEdit *>(), "x");
    QTest::mouseClick(withText<QPushButton>(&form, "Cancel"), Qt::LeftButton);
    QVERIFY(form.cancelled);
    QVERIFY(form.result().empty());
}

QTEST_MAIN(TestFontDlg)
#include "tst_fontdlg.moc"
