// The marquee, meta, frame, table and list forms on their own: filled through their widgets,
// confirmed, refused and cancelled, with their lists as the user sees them.
#include "FramesDlg.h"
#include "ListDlg1.h"
#include "MarqueeDlg.h"
#include "MetaDlg.h"
#include "TableDlg.h"
#include "UListDlg.h"

#include "FormFillSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

using namespace formtest;

namespace {

struct FormKind
{
    const char *name;
    std::function<std::unique_ptr<CFormDlg>()> make;
    std::function<std::string(const CFormDlg &)> build;
};

template <typename Form, typename Build> FormKind kind(const char *name, Build build)
{
    return {
        name, [] { return std::make_unique<Form>(); },
        [build](const CFormDlg &form) { return build(static_cast<const Form &>(form).fields()); }};
}

const FormKind &formKind(const QString &name)
{
    static const FormKind kinds[] = {
        kind<CMarqueeDlg>("marquee", tarnel::BuildMarquee),
        kind<CMetaDlg>("meta", tarnel::BuildMetaTag),
        kind<CFramesDlg>("frames", tarnel::BuildFrameTag),
        kind<CTableDlg>("tables", tarnel::BuildTable),
        kind<CListDlg1>("ordered", tarnel::BuildOrderedList),
        kind<CUListDlg>("unordered", tarnel::BuildUnorderedList),
    };
    for (const auto &k : kinds)
        if (name == QLatin1String(k.name))
            return k;
    qFatal("no form %s", qPrintable(name));
}

// Clicks OK and answers the message box, if one comes; returns its text.
QString clickOk(QWidget *form)
{
    QString message;
    QTimer::singleShot(0, form, [&message] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            message = box->text();
            box->accept();
        }
    });
    QTest::mouseClick(buttonNamed(form, QStringLiteral("OK")), Qt::LeftButton);
    QCoreApplication::processEvents();
    return message;
}

} // namespace

class TestLayoutForms : public QObject
{
    Q_OBJECT

private slots:
    void captions_data();
    void captions();
    void confirm_data();
    void confirm();
    void refuse_data();
    void refuse();
    void cancel_data();
    void cancel();
    void lists_data();
    void lists();
    void browseRelativeToPage();
    void cancelledChooserKeepsField();
    void screenshots();
};

void TestLayoutForms::captions_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("marquee") << "marquee"
                             << "MARQUEE"
                             << "Marquee Attributes"
                             << QStringList{"Behaviour",    "Data Format", "Direction",
                                            "Height",       "Width",       "Loop",
                                            "Scroll Delay", "HSpace",      "VSpace"};
    QTest::newRow("meta") << "meta"
                          << "META"
                          << "Meta Attributes"
                          << QStringList{"Name", "Title", "Content", "Url ", "Http-Equiv"};
    QTest::newRow("frames") << "frames"
                            << "Frames"
                            << "Frames Attributes"
                            << QStringList{"Height",       "Width",         "Source",
                                           "Title",        "Margin Height", "Margin Width",
                                           "Border Color", "Frame Border",  "Scrolling",
                                           "Resizing",     "WindowName"};
    QTest::newRow("tables") << "tables"
                            << "Tables"
                            << "Table Properties:" << QStringList{"Back Ground",
                                                                  "Style",
                                                                  "Border",
                                                                  "Height",
                                                                  "Width",
                                                                  "Title",
                                                                  "Cell Padding",
                                                                  "Cell Spacing",
                                                                  "Columns",
                                                                  "Page Size",
                                                                  "Border Color",
                                                                  "Border Color Dark",
                                                                  "Border Color Light",
                                                                  "BGColor",
                                                                  "Align",
                                                                  "Rules",
                                                                  "Frames"};
    QTest::newRow("ordered") << "ordered"
                             << "Ordered List"
                             << "Ordered List Attributes"
                             << QStringList{"Dingbat", "Type", "Value", "Start Position", "Skip"};
    QTest::newRow("unordered") << "unordered"
                               << "Unordered List"
                               << "Unordered List Attributes" << QStringList{"Type:", "Dingbat:"};
}

void TestLayoutForms::captions()
{
    QFETCH(QString, form);
    QFETCH(QString, caption);
    QFETCH(QString, group);
    QFETCH(QStringList, labels);
    const auto dialog = formKind(form).make();
    QCOMPARE(dialog->windowTitle(), caption);
    QCOMPARE(dialog->findChild<QGroupBox *>()->title(), group);
    QStringList shown;
    for (auto *label : dialog->findChildren<QLabel *>())
        shown << label->text();
    QCOMPARE(shown, labels);
    QVERIFY(buttonNamed(dialog.get(), QStringLiteral("Cancel")));
}

void TestLayoutForms::confirm_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<QString>("expected");

    QTest::newRow("marquee worked example")
        << "marquee"
        << Inputs{{"behaviour", "SCROLL"},
                  {"dataFormat", "TEXT"},
                  {"direction", "LEFT"},
                  {"loop", "3"},
                  {"scrollDelay", "100"}}
        << "<MARQUEE  BEHAVIOR=\"SCROLL\" DATAFORMAT=\"TEXT\" DIRECTION =\"LEFT\" LOOP=\"3\" "
           "SCROLLDELAY=\"100\"></MARQUEE>\n";
    QTest::newRow("marquee, every text field")
        << "marquee" << Inputs{{"behaviour", "SLIDE"}, {"direction", "UP"}, {"height", "1"},
                               {"width", "2"},         {"hspace", "3"},     {"vspace", "4"}}
        << "<MARQUEE  BEHAVIOR=\"SLIDE\" DIRECTION =\"UP\" HEIGHT=\"1\" WIDTH=\"2\" "
           "HSPACE=\"3\" VSPACE=\"4\"></MARQUEE>\n";
    QTest::newRow("meta worked example")
        << "meta" << Inputs{{"url", "next.htm"}, {"httpEquiv", "REFRESH"}, {"content", "5"}}
        << "<META CONTENT=\"5; URL=next.htm\" HTTP-EQUIV=\"REFRESH\" >\n";
    QTest::newRow("meta, name and title")
        << "meta" << Inputs{{"name", "n"}, {"title", "say \"hi\""}, {"url", "x.htm"}}
        << "<META TITLE=\"say &quot;hi&quot;\" NAME=\"n\" URL=\"x.htm\" >\n";
    QTest::newRow("frame worked example")
        << "frames" << Inputs{{"height", "100"},   {"width", "200"},         {"source", "top.htm"},
                              {"scrolling", "NO"}, {"resizing", "NORESIZE"}, {"marginHeight", "5"}}
        << "<FRAME SCROLLING=\"NO\" SRC=\"top.htm\" HEIGHT=\"100\" WIDTH=\"200\" "
           "MARGINHEIGHT=\"5\" NORESIZE=\"NORESIZE\" >\n";
    QTest::newRow("frame, typed window name, RESIZE")
        << "frames"
        << Inputs{{"height", "50%"},      {"width", "*"},           {"windowName", "main"},
                  {"resizing", "RESIZE"}, {"borderColour", "grey"}, {"frameBorder", "0"},
                  {"title", "t"},         {"marginWidth", "2"}}
        << "<FRAME BORDERCOLOR=\"grey\" FRAMEBORDER=\"0\" WINDOWNAME=\"main\" TITLE=\"t\" "
           "HEIGHT=\"50%\" WIDTH=\"*\" MARGINWIDTH=\"2\" >\n";
    QTest::newRow("table worked example")
        << "tables"
        << Inputs{{"columns", "3"}, {"border", "1"}, {"width", "100%"}, {"align", "CENTER"}}
        << "<TABLE ALIGN=\"CENTER\" COLS=\"3\" BORDER=\"1\" WIDTH=\"100%\">\n<TR>\n<TD>\n</TD>\n"
           "<TD>\n</TD>\n<TD>\n</TD>\n</TR>\n</TABLE>";
    QTest::newRow("table, colours typed and picked")
        << "tables"
        << Inputs{{"columns", "x"},
                  {"background", "bg.gif"},
                  {"backgroundColour", "navy"},
                  {"borderColour", "#FC0"},
                  {"darkBorderColour", "black"},
                  {"lightBorderColour", "white"},
                  {"rules", "ALL"},
                  {"frame", "VOID"},
                  {"style", "s"},
                  {"title", "t"},
                  {"cellPadding", "2"},
                  {"cellSpacing", "3"},
                  {"pageSize", "4"},
                  {"height", "5"}}
        << "<TABLE BACKGROUND=\"bg.gif\" BGCOLOR=\"navy\" BORDERCOLORDARK=\"black\" "
           "BORDERCOLORLIGHT=\"white\" BORDERCOLOR=\"#FC0\" COLS=\"x\" RULES=\"ALL\" STYLE=\"s\" "
           "FRAME=\"VOID\" TITLE=\"t\" CELLPADDING=\"2\" CELLSPACING=\"3\" DATAPAGESIZE=\"4\" "
           "HEIGHT=\"5\">\n<TR>\n<TD>\n</TD>\n</TR>\n</TABLE>";
    QTest::newRow("ordered worked example")
        << "ordered"
        << Inputs{{"type", "A"}, {"start", "3"}, {"dingbat", "\"Home\""}, {"value", "5"}}
        << "<OL TYPE=\"A\" START=\"3\"><LH><!Enter the list heading here>\n"
           "<LI DINGBAT=\"Home\" VALUE=\"5\">\n</OL>\n";
    QTest::newRow("ordered, lower-case type is its own entry")
        << "ordered" << Inputs{{"type", "a"}, {"skip", "2"}}
        << "<OL TYPE=\"a\"><LH><!Enter the list heading here>\n<LI SKIP=\"2\">\n</OL>\n";
    QTest::newRow("unordered with a dingbat")
        << "unordered" << Inputs{{"type", "SQUARE"}, {"dingbat", "\"Next\""}}
        << "<UL TYPE=\"SQUARE\">\n<LH><!Enter the list heading here>\n<LI DINGBAT=\"Next\">\n"
           "</UL>\n";
    QTest::newRow("unordered without")
        << "unordered" << Inputs{{"type", "DISC"}}
        << "<UL TYPE=\"DISC\">\n<LH><!Enter the list heading here>\n</UL>\n";
}

void TestLayoutForms::confirm()
{
    QFETCH(QString, form);
    QFETCH(Inputs, inputs);
    QFETCH(QString, expected);
    const FormKind &k = formKind(form);
    const auto dialog = k.make();
    dialog->show();
    QVERIFY(fill(dialog.get(), inputs));
    QCOMPARE(clickOk(dialog.get()), QString());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QVERIFY(!dialog->cancelled);
    QCOMPARE(QString::fromStdString(k.build(*dialog)), expected);
}

void TestLayoutForms::refuse_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<QString>("message");
    const QString marquee = "You must enter Behaviour & Direction !!";
    QTest::newRow("marquee without direction")
        << "marquee" << Inputs{{"behaviour", "SCROLL"}, {"loop", "3"}} << marquee;
    QTest::newRow("marquee without behaviour")
        << "marquee" << Inputs{{"direction", "UP"}} << marquee;
    QTest::newRow("frame without width")
        << "frames" << Inputs{{"height", "100"}, {"source", "a.htm"}}
        << "You must enter Height & Width!!";
    QTest::newRow("frame without height")
        << "frames" << Inputs{{"width", "100"}} << "You must enter Height & Width!!";
    QTest::newRow("table without columns")
        << "tables" << Inputs{{"border", "1"}, {"backgroundColour", "red"}}
        << "You must enter Column number!!";
    QTest::newRow("ordered without type")
        << "ordered" << Inputs{{"dingbat", "\"Home\""}, {"value", "1"}}
        << "You must enter the Type!!";
    QTest::newRow("unordered without type")
        << "unordered" << Inputs{{"dingbat", "\"Folder\""}} << "You must enter the Type!!";
}

void TestLayoutForms::refuse()
{
    QFETCH(QString, form);
    QFETCH(Inputs, inputs);
    QFETCH(QString, message);
    const auto dialog = formKind(form).make();
    dialog->show();
    QVERIFY(fill(dialog.get(), inputs));
    QCOMPARE(clickOk(dialog.get()), message);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->cancelled);
    for (const auto &[name, value] : inputs)
        QCOMPARE(inputText(dialog.get(), name), value);
}

void TestLayoutForms::cancel_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<QString>("how");
    QTest::newRow("marquee, Cancel")
        << "marquee" << Inputs{{"behaviour", "SCROLL"}, {"direction", "UP"}} << "button";
    QTest::newRow("meta, Escape") << "meta" << Inputs{{"url", "a.htm"}} << "escape";
    QTest::newRow("frames, close box")
        << "frames" << Inputs{{"height", "1"}, {"width", "1"}} << "close";
    QTest::newRow("tables, Cancel") << "tables" << Inputs{{"columns", "2"}} << "button";
    QTest::newRow("ordered, Escape") << "ordered" << Inputs{{"type", "1"}} << "escape";
    QTest::newRow("unordered, Cancel") << "unordered" << Inputs{{"type", "DISC"}} << "button";
}

void TestLayoutForms::cancel()
{
    QFETCH(QString, form);
    QFETCH(Inputs, inputs);
    QFETCH(QString, how);
    const FormKind &k = formKind(form);
    const auto dialog = k.make();
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QVERIFY(fill(dialog.get(), inputs));
    if (how == "button")
        QTest::mouseClick(buttonNamed(dialog.get(), QStringLiteral("Cancel")), Qt::LeftButton);
    else if (how == "escape")
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
    else
        dialog->close();
    QVERIFY(!dialog->isVisible());
    QVERIFY(dialog->cancelled);
    // The inputs were never copied into the fields: nothing to insert.
    QCOMPARE(k.build(*dialog), std::string());
}

void TestLayoutForms::lists_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<QStringList>("entries");

    const QStringList dingbats = {"",           "\"Audio\"",    "\"Disk Drive\"",
                                  "\"Folder\"", "\"form\"",     "\"Home\"",
                                  "\"Next\"",   "\"Previous\"", "\"Text\""};
    const QStringList tableColours = {"aqua",   "black",  "blue",  "fuchsia", "gray",   "green",
                                      "lime",   "maroon", "navy",  "olive",   "purple", "red",
                                      "silver", "teal",   "white", "yellow"};
    const QStringList frameColours = {"aqua",   "black",  "blue",  "fuchsia", "green",  "grey",
                                      "lime",   "maroon", "navy",  "olive",   "purple", "red",
                                      "silver", "teal",   "white", "yellow"};

    QTest::newRow("marquee behaviour")
        << "marquee"
        << "behaviour" << false << QStringList{"ALTERNATE", "SCROLL", "SLIDE"};
    QTest::newRow("marquee data format") << "marquee"
                                         << "dataFormat" << false << QStringList{"HTML", "TEXT"};
    QTest::newRow("marquee direction")
        << "marquee"
        << "direction" << false << QStringList{"DOWN", "LEFT", "RIGHT", "UP"};
    QTest::newRow("meta http-equiv")
        << "meta"
        << "httpEquiv" << false << QStringList{"Content-Type", "REFRESH"};
    QTest::newRow("frame border colour") << "frames"
                                         << "borderColour" << false << frameColours;
    QTest::newRow("frame border") << "frames"
                                  << "frameBorder" << false << QStringList{"0", "1", "NO", "YES"};
    QTest::newRow("frame window name")
        << "frames"
        << "windowName" << true << QStringList{"_blank", "_parent", "_self", "_top"};
    QTest::newRow("frame scrolling") << "frames"
                                     << "scrolling" << false << QStringList{"AUTO", "NO", "YES"};
    QTest::newRow("frame resizing") << "frames"
                                    << "resizing" << false << QStringList{"NORESIZE", "RESIZE"};
    QTest::newRow("table align") << "tables"
                                 << "align" << false << QStringList{"CENTER", "LEFT", "RIGHT"};
    for (const char *colour :
         {"backgroundColour", "borderColour", "darkBorderColour", "lightBorderColour"})
        QTest::newRow(qPrintable(QStringLiteral("table %1").arg(colour)))
            << "tables" << colour << true << tableColours;
    QTest::newRow("table rules") << "tables"
                                 << "rules" << false
                                 << QStringList{"ALL", "COLS", "GROUPS", "NONE", "ROWS"};
    QTest::newRow("table frame") << "tables"
                                 << "frame" << false
                                 << QStringList{"ABOVE", "BELOW", "BORDER", "BOX",   "INSIDES",
                                                "LHS",   "RHS",   "VOID",   "VSIDES"};
    QTest::newRow("ordered dingbat") << "ordered"
                                     << "dingbat" << false << dingbats;
    QTest::newRow("ordered type") << "ordered"
                                  << "type" << false << QStringList{"1", "A", "a", "i", "I"};
    QTest::newRow("unordered dingbat") << "unordered"
                                       << "dingbat" << false << dingbats;
    QTest::newRow("unordered type") << "unordered"
                                    << "type" << false << QStringList{"CIRCLE", "DISC", "SQUARE"};
}

void TestLayoutForms::lists()
{
    QFETCH(QString, form);
    QFETCH(QString, list);
    QFETCH(bool, editable);
    QFETCH(QStringList, entries);
    const auto dialog = formKind(form).make();
    auto *combo = dialog->findChild<QComboBox *>(list);
    QVERIFY(combo);
    QCOMPARE(combo->isEditable(), editable);
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    // The empty entry of an optional list is the forms' own, checked with the other forms.
    if (!editable && !entries.contains(QString()) && shown.value(0).isEmpty())
        shown.removeFirst();
    QCOMPARE(shown, entries);
    QCOMPARE(combo->currentText(), QString()); // opens showing nothing
}

// A browsed file below the saved page's folder is written relative to the page.
void TestLayoutForms::browseRelativeToPage()
{
    QTemporaryDir site;
    QVERIFY(QDir(site.path()).mkpath("pages"));
    QFile target(site.filePath("pages/next.htm"));
    QVERIFY(target.open(QIODevice::WriteOnly));
    target.close();

    CMetaDlg dialog;
    dialog.setPagePath(site.filePath("index.htm"));
    dialog.show();
    QTimer::singleShot(0, &dialog, [&] {
        auto *chooser = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        chooser->selectFile(site.filePath("pages/next.htm"));
        static_cast<QDialog *>(chooser)->accept();
    });
    QTest::mouseClick(buttonNamed(&dialog, QStringLiteral("...")), Qt::LeftButton);
    QCOMPARE(dialog.findChild<QLineEdit *>("url")->text(), QStringLiteral("pages/next.htm"));
}

void TestLayoutForms::cancelledChooserKeepsField()
{
    CTableDlg dialog;
    dialog.show();
    auto *background = dialog.findChild<QLineEdit *>("background");
    QTest::keyClicks(background, "old.gif");
    QTimer::singleShot(0, &dialog, [] {
        auto *chooser = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        chooser->reject();
    });
    QTest::mouseClick(buttonNamed(&dialog, QStringLiteral("...")), Qt::LeftButton);
    QCOMPARE(background->text(), QStringLiteral("old.gif"));
}

// With TARNEL_SHOTS set to a folder, saves a picture of each form as it opens.
void TestLayoutForms::screenshots()
{
    const QString folder = qEnvironmentVariable("TARNEL_SHOTS");
    if (folder.isEmpty())
        QSKIP("TARNEL_SHOTS not set");
    for (const char *name : {"marquee", "meta", "frames", "tables", "ordered", "unordered"}) {
        const auto dialog = formKind(name).make();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QVERIFY(dialog->grab().save(QDir(folder).filePath(QStringLiteral("%1.png").arg(name))));
    }
}

QTEST_MAIN(TestLayoutForms)
#include "tst_layoutforms.moc"
