// What forms do to the user's text: a reopened element keeps every byte the user did not
// change, in the page's own encoding and at any length, and what a form writes is in that
// encoding too.

#include "UiTestSupport.h"

#include "SiteTree.h"
#include "commandids.h"

#include <QLineEdit>
#include <QPushButton>

using namespace uitest;

namespace {

QByteArray pageWith(const QByteArray &element)
{
    return "<BODY>\r\n" + element + "\r\n</BODY>\r\n";
}

void clickOk(QWidget *form)
{
    for (auto *button : form->findChildren<QPushButton *>())
        if (button->text() == "OK")
            QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

class TestFormFidelity : public QObject
{
    Q_OBJECT
private slots:
    void reeditWritesOnlyWhatWasTyped_data();
    void reeditWritesOnlyWhatWasTyped();
    void insertWritesThePageEncoding_data();
    void insertWritesThePageEncoding();

private:
    QTemporaryDir m_dir;
};

void TestFormFidelity::reeditWritesOnlyWhatWasTyped_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("field"); // the input typed into; none for OK at once
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("written");
    const QByteArray latinImage = "<IMG  SRC=\"caf\xE9.gif\" ALT=\"caf\xE9\">";
    QTest::newRow("Latin-1 image")
        << int(CSiteTree::Images) << latinImage << QString::fromUtf8("café.gif") << QString()
        << QString() << latinImage;
    QTest::newRow("Latin-1 image, comment typed")
        << int(CSiteTree::Images) << latinImage << QString::fromUtf8("café.gif") << "comment"
        << QString::fromUtf8("señor €")
        << QByteArray("<IMG  SRC=\"caf\xE9.gif\" ALT=\"se\xF1or &#8364;\">");
    const QByteArray latinLink = "<A HREF=\"se\xF1or.htm\">Se\xF1or</A>";
    QTest::newRow("Latin-1 text link")
        << int(CSiteTree::Hyperlinks) << latinLink << QString::fromUtf8("señor.htm") << QString()
        << QString() << latinLink;
    const QByteArray latinApplet =
        "<APPLET  CODE=\"Caf\xE9.class\" ALT=\"caf\xE9\" NAME=\"se\xF1or\">";
    QTest::newRow("Latin-1 applet")
        << int(CSiteTree::Applets) << latinApplet << QString::fromUtf8("Café.class") << QString()
        << QString() << latinApplet;
    const QByteArray dataUri = "data:image/gif;base64," + QByteArray(40000, 'A');
    const QByteArray dataImage = "<IMG  SRC=\"" + dataUri + "\">";
    QTest::newRow("data: address of 40,022 characters, comment typed")
        << int(CSiteTree::Images) << dataImage << QString(dataUri) << "comment"
        << "x"
        << "<IMG  SRC=\"" + dataUri + "\" ALT=\"x\">";
    for (const char *align : {"center", "justify"}) {
        const QByteArray image = "<IMG  SRC=\"a.gif\" ALIGN=\"" + QByteArray(align) + "\">";
        QTest::addRow("ALIGN=%s, which the list lacks", align)
            << int(CSiteTree::Images) << image << QString("a.gif") << QString() << QString()
            << image;
    }
}

void TestFormFidelity::reeditWritesOnlyWhatWasTyped()
{
    QFETCH(int, category);
    QFETCH(QByteArray, element);
    QFETCH(QString, label);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QByteArray, written);
    const QString path = m_dir.filePath("page.htm");
    QVERIFY(writeFile(path, pageWith(element)));
    Editor editor;
    QVERIFY(editor.start({path}));
    CSiteTree *tree = editor.activeSource()->outline();
    const auto kind = CSiteTree::Category(category);
    QCOMPARE(tree->entryCount(kind), 1);
    QCOMPARE(tree->entryText(kind, 0), label);

    bool opened = false;
    whenModal([&](QWidget *form) {
        opened = true;
        if (!field.isEmpty())
            form->findChild<QLineEdit *>(field)->setText(typed);
        clickOk(form);
    });
    emit tree->doubleClicked(tree->entryIndex(kind, 0));
    QVERIFY(opened);
    QCOMPARE(editor.doc()->isModified(), !field.isEmpty());
    QVERIFY(editor.doc()->OnSaveDocument(path));
    QCOMPARE(readFile(path), pageWith(written));
}

void TestFormFidelity::insertWritesThePageEncoding_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("Latin-1 page") << QByteArray("<P>d\xE9j\xE0</P>")
                                  << QByteArray("<IMG  SRC=\"a.gif\" ALT=\"caf\xE9 &#8364;\">");
    QTest::newRow("UTF-8 page") << QByteArray("<P>d\xC3\xA9j\xC3\xA0</P>")
                                << QByteArray(
                                       "<IMG  SRC=\"a.gif\" ALT=\"caf\xC3\xA9 \xE2\x82\xAC\">");
}

void TestFormFidelity::insertWritesThePageEncoding()
{
    QFETCH(QByteArray, page);
    QFETCH(QByteArray, written);
    const QString path = m_dir.filePath("insert.htm");
    QVERIFY(writeFile(path, page));
    Editor editor;
    QVERIFY(editor.start({path}));
    CTarnelView *view = editor.view();
    view->selectBytes(0, 0);

    whenModal([](QWidget *form) {
        form->findChild<QLineEdit *>("imageSource")->insert("a.gif");
        form->findChild<QLineEdit *>("comment")->insert(QString::fromUtf8("café €"));
        clickOk(form);
    });
    view->commands().run(tarnel::ID_INSERT_IMAGE);
    QCOMPARE(viewBytes(view), written + "\r\n" + page);
}

QTEST_MAIN(TestFormFidelity)
#include "tst_formfidelity.moc"
