// The image, background, sound, applet and link forms on their own: fill the real widgets,
// confirm or cancel them as a user would, and check what the form hands to the core.
#include "AppletDlg.h"
#include "BackColorDlg.h"
#include "ImgDlg.h"
#include "LinkDlg.h"
#include "SoundDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

template <typename T> T *child(QWidget *form, const char *name)
{
    T *widget = form->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

QPushButton *button(QWidget *form, const QString &caption)
{
    for (QPushButton *b : form->findChildren<QPushButton *>())
        if (b->text() == caption)
            return b;
    qFatal("no button %s", qPrintable(caption));
}

void type(QWidget *form, const char *name, const QString &text)
{
    auto *edit = child<QLineEdit>(form, name);
    edit->clear();
    QTest::keyClicks(edit, text);
}

void pick(QWidget *form, const char *name, const QString &entry)
{
    auto *list = child<QComboBox>(form, name);
    const int index = list->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    list->setCurrentIndex(index);
}

// Runs `act` and answers the message box it raises; returns the box's text, or an empty
// string when none came up.
template <typename Act> QString catchMessage(Act act)
{
    QString message;
    QObject guard;
    QTimer::singleShot(0, &guard, [&message] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    act();
    return message;
}

QString clickOk(QDialog &form)
{
    return catchMessage([&form] { QTest::mouseClick(button(&form, "OK"), Qt::LeftButton); });
}

// Answers the next file chooser with `path`, or cancels it when `path` is empty.
void answerChooser(const QString &path, QObject *guard)
{
    QTimer::singleShot(0, guard, [path] {
        auto *chooser = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!chooser)
            return;
        if (path.isEmpty()) {
            chooser->reject();
        } else {
            chooser->selectFile(path);
            QMetaObject::invokeMethod(chooser, "accept");
        }
    });
}

QStringList entries(QComboBox *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    // An optional list's empty first entry is checked with every form's lists.
    if (!list->isEditable() && out.value(0).isEmpty())
        out.removeFirst();
    return out;
}

const QStringList kSortedAlign = {"ABSBOTTOM", "ABSMIDDLE", "BASELINE", "BOTTOM", "LEFT",
                                  "MIDDLE",    "RIGHT",     "TEXTTOP",  "TOP"};

} // namespace

class TestInsertFormsBasic : public QObject
{
    Q_OBJECT

private slots:
    void imageFormBuildsTheTag();
    void imageFormVideoToggling();
    void imageFormRefusesMissingSource_data();
    void imageFormRefusesMissingSource();
    void prefilledAlignShowsTheValueAsItStands_data();
    void prefilledAlignShowsTheValueAsItStands();
    void formsCloseAsCancelled_data();
    void formsCloseAsCancelled();
    void browsingAPictureFillsItsSize();
    void cancelledChooserKeepsTheField();
    void pictureSizeFollowsTheLastChosenFile();
    void backgroundRadioSteering();
    void backgroundForm();
    void soundForm();
    void appletForm();
    void linkLayouts_data();
    void linkLayouts();
    void linkValidation_data();
    void linkValidation();
    void linkTextKeepsLineBreaks();
    void screenshots();
};

void TestInsertFormsBasic::imageFormBuildsTheTag()
{
    CImgDlg form;
    form.show();
    QCOMPARE(entries(child<QComboBox>(&form, "align")), kSortedAlign);
    QCOMPARE(child<QComboBox>(&form, "align")->currentText(), QString());

    type(&form, "imageSource", "pics/logo.gif");
    type(&form, "width", "120");
    type(&form, "height", "40");
    type(&form, "border", "0");
    type(&form, "comment", "Logo");
    pick(&form, "align", "LEFT");
    QCOMPARE(clickOk(form), QString());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(!form.cancelled);
    QCOMPARE(tarnel::BuildImageTag(form.fields()),
             std::string("<IMG  SRC=\"pics/logo.gif\" ALIGN=\"LEFT\" BORDER=\"0\" HEIGHT=\"40\" "
                         "WIDTH=\"120\" ALT=\"Logo\">\n"));
}

void TestInsertFormsBasic::imageFormVideoToggling()
{
    CImgDlg form;
    form.show();
    auto *imageSource = child<QLineEdit>(&form, "imageSource");
    auto *videoSource = child<QLineEdit>(&form, "videoSource");
    auto *imageBrowse = child<QPushButton>(&form, "imageBrowse");
    auto *videoBrowse = child<QPushButton>(&form, "videoBrowse");
    QVERIFY(!imageSource->isReadOnly());
    QVERIFY(videoSource->isReadOnly());
    QVERIFY(!imageBrowse->isChecked());
    QVERIFY(videoBrowse->isChecked());

    type(&form, "imageSource", "typed.gif");
    QTest::mouseClick(child<QCheckBox>(&form, "video"), Qt::LeftButton);
    QCOMPARE(imageSource->text(), QString());
    QVERIFY(imageSource->isReadOnly());
    QVERIFY(!videoSource->isReadOnly());
    QVERIFY(imageBrowse->isChecked());
    QVERIFY(!videoBrowse->isChecked());
    QVERIFY(imageBrowse->isEnabled() && videoBrowse->isEnabled());
    {
        // Using a browse button does not change which one is shown highlighted.
        QObject guard;
        answerChooser(QString(), &guard);
        QTest::mouseClick(imageBrowse, Qt::LeftButton);
        QVERIFY(imageBrowse->isChecked());
    }

    QCOMPARE(clickOk(form), QString("You must enter Video source!!"));
    QVERIFY(form.isVisible());
    type(&form, "videoSource", "intro.avi");

    // Clearing Video again empties the video source; the image source is required again.
    QTest::mouseClick(child<QCheckBox>(&form, "video"), Qt::LeftButton);
    QCOMPARE(videoSource->text(), QString());
    QVERIFY(!imageSource->isReadOnly());
    QCOMPARE(clickOk(form), QString("You must enter Image source!!"));

    QTest::mouseClick(child<QCheckBox>(&form, "video"), Qt::LeftButton);
    type(&form, "videoSource", "intro.avi");
    QCOMPARE(clickOk(form), QString());
    QCOMPARE(tarnel::BuildImageTag(form.fields()), std::string("<IMG  DYNSRC=\"intro.avi\">\n"));
}

void TestInsertFormsBasic::imageFormRefusesMissingSource_data()
{
    QTest::addColumn<bool>("video");
    QTest::newRow("image") << false;
    QTest::newRow("video") << true;
}

void TestInsertFormsBasic::imageFormRefusesMissingSource()
{
    QFETCH(bool, video);
    CImgDlg form;
    form.show();
    if (video)
        QTest::mouseClick(child<QCheckBox>(&form, "video"), Qt::LeftButton);
    type(&form, "width", "abc");
    pick(&form, "align", "TOP");
    QCOMPARE(clickOk(form), video ? QString("You must enter Video source!!")
                                  : QString("You must enter Image source!!"));
    QVERIFY(form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(child<QLineEdit>(&form, "width")->text(), QString("abc"));
    QCOMPARE(child<QComboBox>(&form, "align")->currentText(), QString("TOP"));
    QCOMPARE(child<QCheckBox>(&form, "video")->isChecked(), video);
}

void TestInsertFormsBasic::prefilledAlignShowsTheValueAsItStands_data()
{
    QTest::addColumn<QString>("align");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("an entry") << "LEFT" << kSortedAlign;
    QTest::newRow("an entry in another case") << "left" << QStringList{"left"} + kSortedAlign;
    QTest::newRow("no entry") << "justify" << QStringList{"justify"} + kSortedAlign;
    QTest::newRow("a prefix of an entry") << "Righ" << QStringList{"Righ"} + kSortedAlign;
}

void TestInsertFormsBasic::prefilledAlignShowsTheValueAsItStands()
{
    QFETCH(QString, align);
    QFETCH(QStringList, listed);
    CImgDlg form;
    tarnel::ImageFields fields;
    fields.imageSource = "a.gif";
    fields.align = align.toStdString();
    form.setFields(fields);
    form.show();
    QCOMPARE(child<QComboBox>(&form, "align")->currentText(), align);
    QCOMPARE(entries(child<QComboBox>(&form, "align")), listed);
    QCOMPARE(clickOk(form), QString());
    QCOMPARE(form.fields().align, align.toStdString());
}

void TestInsertFormsBasic::formsCloseAsCancelled_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("how");
    for (const char *form : {"image", "background", "sound", "applet", "link"})
        for (const char *how : {"Cancel", "Escape", "close box"})
            QTest::addRow("%s, %s", form, how) << QString(form) << QString(how);
}

void TestInsertFormsBasic::formsCloseAsCancelled()
{
    QFETCH(QString, form);
    QFETCH(QString, how);
    std::unique_ptr<CFormDlg> dialog;
    if (form == "image")
        dialog = std::make_unique<CImgDlg>();
    else if (form == "background")
        dialog = std::make_unique<CBackColorDlg>();
    else if (form == "sound")
        dialog = std::make_unique<CSoundDlg>();
    else if (form == "applet")
        dialog = std::make_unique<CAppletDlg>();
    else
        dialog = std::make_unique<CLinkDlg>();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QVERIFY(!dialog->cancelled);
    if (how == "Cancel")
        QTest::mouseClick(button(dialog.get(), "Cancel"), Qt::LeftButton);
    else if (how == "Escape")
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
    else
        dialog->close();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QVERIFY(dialog->cancelled);
}

void TestInsertFormsBasic::browsingAPictureFillsItsSize()
{
    QTemporaryDir site;
    QVERIFY(QDir(site.path()).mkpath("pics"));
    const QString picture = site.filePath("pics/logo.bmp");
    QImage image(120, 40, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(picture));

    for (const bool linkForm : {false, true}) {
        std::unique_ptr<CFormDlg> form;
        if (linkForm)
            form = std::make_unique<CLinkDlg>();
        else
            form = std::make_unique<CImgDlg>();
        form->setPagePath(site.filePath("index.htm"));
        form->show();
        QObject guard;
        answerChooser(picture, &guard);
        auto *source = child<QLineEdit>(form.get(), "imageSource");
        // The browse button sits in the source's row, right of it.
        QPushButton *browse = nullptr;
        for (QPushButton *b : form->findChildren<QPushButton *>())
            if (b->text() == "..." && b->parentWidget() == source->parentWidget() &&
                qAbs(b->y() - source->y()) < source->height() && !browse)
                browse = b;
        QVERIFY(browse);
        QTest::mouseClick(browse, Qt::LeftButton);
        QCOMPARE(source->text(), QString("pics/logo.bmp"));
        QCOMPARE(child<QLineEdit>(form.get(), "width")->text(), QString("120"));
        QCOMPARE(child<QLineEdit>(form.get(), "height")->text(), QString("40"));
    }
}

void TestInsertFormsBasic::cancelledChooserKeepsTheField()
{
    CSoundDlg form;
    form.show();
    type(&form, "source", "keep.wav");
    QObject guard;
    answerChooser(QString(), &guard);
    QTest::mouseClick(button(&form, "..."), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(&form, "source")->text(), QString("keep.wav"));
}

// Width and Height follow the last chosen file: a second picture's size replaces the first
// one's, and a video, whose size is unknown, leaves them empty.
void TestInsertFormsBasic::pictureSizeFollowsTheLastChosenFile()
{
    QTemporaryDir dir;
    const QString first = dir.filePath("first.bmp");
    const QString second = dir.filePath("second.bmp");
    QVERIFY(QImage(30, 20, QImage::Format_RGB32).save(first));
    QVERIFY(QImage(7, 5, QImage::Format_RGB32).save(second));
    const QString video = dir.filePath("clip.avi");
    QFile file(video);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();

    CImgDlg form;
    form.show();
    const struct
    {
        const char *browse;
        QString path, width, height;
    } choices[] = {
        {"imageBrowse", first, "30", "20"},
        {"imageBrowse", second, "7", "5"},
        {"videoBrowse", video, "", ""},
        {"imageBrowse", first, "30", "20"},
    };
    for (const auto &c : choices) {
        QObject guard;
        answerChooser(c.path, &guard);
        QTest::mouseClick(child<QPushButton>(&form, c.browse), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(&form, "width")->text(), c.width);
        QCOMPARE(child<QLineEdit>(&form, "height")->text(), c.height);
    }
}

void TestInsertFormsBasic::backgroundRadioSteering()
{
    CBackColorDlg form;
    form.show();
    auto *image = child<QLineEdit>(&form, "image");
    auto *colour = child<QComboBox>(&form, "colour");
    QVERIFY(child<QRadioButton>(&form, "imageChoice")->isChecked());
    QVERIFY(!image->isReadOnly());
    QVERIFY(!colour->isEnabled());

    QTest::mouseClick(child<QRadioButton>(&form, "colourChoice"), Qt::LeftButton);
    QVERIFY(image->isReadOnly());
    QVERIFY(colour->isEnabled());
    pick(&form, "colour", "Teal");

    QTest::mouseClick(child<QRadioButton>(&form, "bothChoice"), Qt::LeftButton);
    QVERIFY(!image->isReadOnly());
    QVERIFY(colour->isEnabled());
    type(&form, "image", "bg.gif");

    // Back on "Image" the colour chosen earlier stays and is written.
    QTest::mouseClick(child<QRadioButton>(&form, "imageChoice"), Qt::LeftButton);
    QVERIFY(!colour->isEnabled());
    QCOMPARE(clickOk(form), QString());
    QCOMPARE(tarnel::BuildBackgroundTag(form.fields()),
             std::string("<BODY  BACKGROUND=\"bg.gif\" BGCOLOR=\"Teal\">\n"));
}

void TestInsertFormsBasic::backgroundForm()
{
    CBackColorDlg form;
    form.show();
    auto *colour = child<QComboBox>(&form, "colour");
    const QStringList listed = entries(colour);
    QCOMPARE(listed.size(), 17);
    QCOMPARE(listed.first(), QString());
    QCOMPARE(listed.mid(1, 4), QStringList({"Aqua", "Black", "Blue", "Fuchsia"}));
    QCOMPARE(colour->currentText(), QString());
    QVERIFY(colour->isEditable());

    QCOMPARE(clickOk(form), QString("You must enter Image source or Colour!!"));
    QVERIFY(form.isVisible());

    // A typed colour is written exactly as typed, whatever entry it resembles.
    QTest::mouseClick(child<QRadioButton>(&form, "colourChoice"), Qt::LeftButton);
    QTest::keyClicks(colour, "teal");
    QCOMPARE(clickOk(form), QString());
    QCOMPARE(form.fields().colour, std::string("teal"));
    QCOMPARE(entries(colour).size(), 17);
}

void TestInsertFormsBasic::soundForm()
{
    CSoundDlg form;
    form.show();
    type(&form, "loop", "-1");
    QCOMPARE(clickOk(form), QString("You must enter Sound source!!"));
    QVERIFY(form.isVisible());
    QCOMPARE(child<QLineEdit>(&form, "loop")->text(), QString("-1"));

    type(&form, "source", "music.mid");
    type(&form, "balance", "0");
    type(&form, "volume", "-200");
    QCOMPARE(clickOk(form), QString());
    QCOMPARE(
        tarnel::BuildSoundTag(form.fields()),
        std::string("<BGSOUND SRC=\"music.mid\" LOOP=\"-1\" VOLUME=\"-200\" BALANCE=\"0\" >\n"));
}

void TestInsertFormsBasic::appletForm()
{
    CAppletDlg form;
    form.show();
    QCOMPARE(entries(child<QComboBox>(&form, "align")), kSortedAlign);
    QCOMPARE(child<QComboBox>(&form, "align")->currentText(), QString());
    type(&form, "className", "clock");
    QCOMPARE(clickOk(form), QString("You must enter an Applet File Name!!"));
    QVERIFY(form.isVisible());
    QCOMPARE(child<QLineEdit>(&form, "className")->text(), QString("clock"));

    type(&form, "fileName", "Clock.class");
    type(&form, "width", "150");
    type(&form, "height", "60");
    type(&form, "name", "clk");
    type(&form, "comment", "Clock");
    pick(&form, "align", "LEFT");
    QCOMPARE(clickOk(form), QString());
    QCOMPARE(tarnel::BuildAppletTag(form.fields()),
             std::string("<APPLET  CODE=\"Clock.class\" ALIGN=\"LEFT\" ALT=\"Clock\" "
                         "CLASS=\"clock\" HEIGHT=\"60\" WIDTH=\"150\" NAME=\"clk\">\n"));
}

void TestInsertFormsBasic::linkLayouts_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("image");
    QTest::addColumn<bool>("applet");
    QTest::addColumn<bool>("sizeAndAlign");
    QTest::addColumn<bool>("text");
    QTest::newRow("Image") << "imageKind" << int(tarnel::LinkKind::Image) << true << false << true
                           << false;
    QTest::newRow("Text") << "textKind" << int(tarnel::LinkKind::Text) << false << false << false
                          << true;
    QTest::newRow("Applet") << "appletKind" << int(tarnel::LinkKind::Applet) << false << true
                            << true << false;
}

void TestInsertFormsBasic::linkLayouts()
{
    QFETCH(QString, radio);
    QFETCH(int, kind);
    QFETCH(bool, image);
    QFETCH(bool, applet);
    QFETCH(bool, sizeAndAlign);
    QFETCH(bool, text);
    CLinkDlg form;
    form.show();
    // Whatever was shown before, a kind always shows the same layout.
    for (const char *before : {"appletKind", "textKind", "imageKind"}) {
        QTest::mouseClick(child<QRadioButton>(&form, before), Qt::LeftButton);
        QTest::mouseClick(child<QRadioButton>(&form, radio.toLatin1().constData()), Qt::LeftButton);
        QCOMPARE(int(form.fields().kind), kind);
        QCOMPARE(child<QWidget>(&form, "imageGroup")->isVisible(), image);
        QCOMPARE(child<QWidget>(&form, "appletGroup")->isVisible(), applet);
        QCOMPARE(child<QWidget>(&form, "sizeAndAlign")->isVisible(), sizeAndAlign);
        QCOMPARE(child<QWidget>(&form, "textGroup")->isVisible(), text);
        QVERIFY(child<QLineEdit>(&form, "url")->isVisible());
    }
}

void TestInsertFormsBasic::linkValidation_data()
{
    QTest::addColumn<QString>("radio");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("link");
    QTest::newRow("no URL") << "textKind"
                            << ""
                            << ""
                            << ""
                            << "You must enter a Link!!"
                            << "";
    QTest::newRow("image without source") << "imageKind"
                                          << "a.htm"
                                          << ""
                                          << "x.class"
                                          << "You must enter Image source!!"
                                          << "";
    QTest::newRow("applet without file name") << "appletKind"
                                              << "a.htm"
                                              << "b.gif"
                                              << ""
                                              << "You must enter Applet source!!"
                                              << "";
    QTest::newRow("image") << "imageKind"
                           << "a.htm"
                           << "b.gif"
                           << "x.class"
                           << ""
                           << "<A HREF=\"a.htm\"><IMG SRC=\"b.gif\"></A>\n";
    QTest::newRow("applet") << "appletKind"
                            << "x.htm"
                            << "b.gif"
                            << "A.class"
                            << ""
                            << "<A HREF=\"x.htm\"><APPLET  CODE=\"A.class\"></A>\n";
    QTest::newRow("text needs no source") << "textKind"
                                          << "a.htm"
                                          << ""
                                          << ""
                                          << ""
                                          << "<A HREF=\"a.htm\"></A>\n";
}

void TestInsertFormsBasic::linkValidation()
{
    QFETCH(QString, radio);
    QFETCH(QString, url);
    QFETCH(QString, source);
    QFETCH(QString, fileName);
    QFETCH(QString, message);
    QFETCH(QString, link);
    CLinkDlg form;
    form.show();
    type(&form, "url", url);
    type(&form, "imageSource", source);
    QTest::mouseClick(child<QRadioButton>(&form, "appletKind"), Qt::LeftButton);
    type(&form, "fileName", fileName);
    QTest::mouseClick(child<QRadioButton>(&form, radio.toLatin1().constData()), Qt::LeftButton);
    QCOMPARE(clickOk(form), message);
    QCOMPARE(form.isVisible(), !message.isEmpty());
    if (message.isEmpty())
        QCOMPARE(QString::fromStdString(tarnel::BuildLink(form.fields())), link);
    else
        QCOMPARE(child<QLineEdit>(&form, "url")->text(), url);
}

void TestInsertFormsBasic::linkTextKeepsLineBreaks()
{
    CLinkDlg form;
    form.show();
    QTest::mouseClick(child<QRadioButton>(&form, "textKind"), Qt::LeftButton);
    type(&form, "url", "page2.htm");
    auto *text = child<QPlainTextEdit>(&form, "linkText");
    text->setFocus();
    QTest::keyClicks(text, "Next");
    QTest::keyClick(text, Qt::Key_Return); // a new line, not OK
    QVERIFY(form.isVisible());
    QTest::keyClicks(text, "<B>\"page\"</B>");
    QCOMPARE(clickOk(form), QString());
    QCOMPARE(tarnel::BuildLink(form.fields()),
             std::string("<A HREF=\"page2.htm\">Next\n<B>\"page\"</B></A>\n"));
}

// With TARNEL_SHOTS set to a folder, saves a picture of each form as a user first sees it
// (with a few inputs filled) there.
void TestInsertFormsBasic::screenshots()
{
    const QString folder = qEnvironmentVariable("TARNEL_SHOTS");
    if (folder.isEmpty())
        QSKIP("TARNEL_SHOTS not set");
    const auto shoot = [&folder](QWidget &form, const QString &name) {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.grab().save(folder + "/" + name + ".png"));
    };
    CImgDlg image;
    type(&image, "imageSource", "pics/logo.gif");
    pick(&image, "align", "LEFT");
    shoot(image, "image");
    CBackColorDlg background;
    shoot(background, "background");
    CSoundDlg sound;
    type(&sound, "source", "music.mid");
    shoot(sound, "sound");
    CAppletDlg applet;
    type(&applet, "fileName", "Clock.class");
    shoot(applet, "applet");
    for (const char *kind : {"imageKind", "textKind", "appletKind"}) {
        CLinkDlg link;
        type(&link, "url", "index.htm");
        link.show();
        QTest::mouseClick(child<QRadioButton>(&link, kind), Qt::LeftButton);
        shoot(link, QString("link-") + kind);
    }
}

QTEST_MAIN(TestInsertFormsBasic)
#include "tst_insertformsbasic.moc"
