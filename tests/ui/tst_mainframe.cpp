// The main window through the real widgets: accelerators, the two menu sets, which commands
// are enabled, prompts, New Window, Find Next, printing.

#include "UiTestSupport.h"

#include "Commands.h"
#include "PagePrinter.h"
#include "SplashWnd.h"
#include "commandids.h"
#include "pagetext.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolBar>

using namespace uitest;
using namespace tarnel;

namespace {
QStringList menuTitles(CMainFrame *frame)
{
    QStringList titles;
    for (QAction *a : frame->menuBar()->actions())
        titles << a->text();
    return titles;
}

// A menu's entries as command ids, "-" for a separator, an entry of a submenu after its title.
QStringList menuEntries(QMenu *menu, const QString &prefix = {})
{
    QStringList entries;
    for (QAction *a : menu->actions()) {
        if (a->menu())
            entries << menuEntries(a->menu(), a->text() + ">");
        else
            entries << prefix + (a->isSeparator() ? "-" : QString::number(a->data().toInt()));
    }
    return entries;
}

QStringList idsAndSeparators(std::initializer_list<QVariant> entries)
{
    QStringList out;
    for (const QVariant &e : entries)
        out << (e.typeId() == QMetaType::QString ? e.toString() : QString::number(e.toInt()));
    return out;
}
} // namespace

class TestMainFrame : public QObject
{
    Q_OBJECT
private slots:
    void acceleratorsTriggerTheirCommands_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<int>("command");
        const struct
        {
            QKeySequence keys;
            int id;
        } table[] = {
            {Qt::CTRL | Qt::Key_B, ID_INSERT_BACKGROUND},
            {Qt::CTRL | Qt::Key_C, ID_EDIT_COPY},
            {Qt::CTRL | Qt::Key_Insert, ID_EDIT_COPY},
            {Qt::CTRL | Qt::Key_D, ID_INSERT_SOUND},
            {Qt::CTRL | Qt::Key_E, ID_INSERT_APPLETS},
            {Qt::CTRL | Qt::Key_I, ID_INSERT_IMAGE},
            {Qt::CTRL | Qt::Key_J, ID_INSERT_FRAMES},
            {Qt::CTRL | Qt::Key_K, ID_INSERT_LINK},
            {Qt::CTRL | Qt::Key_L, ID_INSERT_CONTROLS},
            {Qt::CTRL | Qt::Key_M, ID_INSERT_META},
            {Qt::CTRL | Qt::Key_N, ID_FILE_NEW},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_N, ID_FILE_NEW_HTML5},
            {Qt::CTRL | Qt::Key_O, ID_FILE_OPEN},
            {Qt::CTRL | Qt::Key_P, ID_FILE_PRINT},
            {Qt::CTRL | Qt::Key_Q, ID_INSERT_MARQUEE},
            {Qt::CTRL | Qt::Key_S, ID_FILE_SAVE},
            {Qt::CTRL | Qt::Key_T, ID_INSERT_TABLES},
            {Qt::CTRL | Qt::Key_V, ID_EDIT_PASTE},
            {Qt::SHIFT | Qt::Key_Insert, ID_EDIT_PASTE},
            {Qt::CTRL | Qt::Key_X, ID_EDIT_CUT},
            {Qt::SHIFT | Qt::Key_Delete, ID_EDIT_CUT},
            {Qt::CTRL | Qt::Key_Z, ID_EDIT_UNDO},
            {Qt::ALT | Qt::Key_Backspace, ID_EDIT_UNDO},
            {Qt::Key_F6, ID_NEXT_PANE},
            {Qt::SHIFT | Qt::Key_F6, ID_PREV_PANE},
            {Qt::CTRL | Qt::Key_A, ID_EDIT_SELECT_ALL},
            {Qt::CTRL | Qt::Key_F, ID_EDIT_FIND},
            {Qt::CTRL | Qt::Key_H, ID_EDIT_REPLACE},
            {Qt::Key_F3, ID_EDIT_REPEAT},
            {Qt::SHIFT | Qt::Key_F3, ID_EDIT_FIND_PREVIOUS},
            {Qt::CTRL | Qt::SHIFT | Qt::Key_S, ID_FILE_SAVE_AS},
            {Qt::Key_F1, ID_HELP_KEYS},
        };
        for (const auto &row : table)
            QTest::newRow(qPrintable(row.keys.toString())) << row.keys << row.id;
    }

    void acceleratorsTriggerTheirCommands()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(int, command);
        Editor editor;
        QVERIFY(editor.start());
        // Every Edit command has something to do: an edit to undo, a selection, a clipboard.
        QTest::keyClicks(editor.view(), "x");
        editor.view()->selectAll();
        QGuiApplication::clipboard()->setText("clip");
        QAction *action = editor.frame()->action(command);
        QVERIFY(action);
        QTRY_VERIFY(action->isEnabled());
        // Watch the command without running it (some open modal forms).
        QObject::disconnect(action, &QAction::triggered, editor.frame(), nullptr);
        QSignalSpy spy(action, &QAction::triggered);
        editor.view()->setFocus();
        QApplication::setActiveWindow(editor.frame());
        QTest::keySequence(editor.view(), keys);
        QCOMPARE(spy.count(), 1);
    }

    void editCommandsFollowTheText_data()
    {
        // Steps done on a fresh page, then Undo, Cut, Copy, Paste enabled or not.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<bool>>("enabled");
        QTest::newRow("fresh page, empty clipboard")
            << QStringList() << QList{false, false, false, false};
        QTest::newRow("text on the clipboard")
            << QStringList{"clip"} << QList{false, false, false, true};
        QTest::newRow("a selection") << QStringList{"select"} << QList{false, true, true, false};
        QTest::newRow("selection given up")
            << QStringList{"select", "unselect"} << QList{false, false, false, false};
        QTest::newRow("after typing") << QStringList{"type"} << QList{true, false, false, false};
        QTest::newRow("typing undone")
            << QStringList{"type", "undo"} << QList{false, false, false, false};
    }

    void editCommandsFollowTheText()
    {
        QFETCH(QStringList, steps);
        QFETCH(QList<bool>, enabled);
        QGuiApplication::clipboard()->clear();
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        view->setFocus();
        for (const QString &step : steps) {
            if (step == "clip")
                QGuiApplication::clipboard()->setText("clip");
            else if (step == "select")
                QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
            else if (step == "unselect")
                QTest::keyClick(view, Qt::Key_Right);
            else if (step == "type")
                QTest::keyClicks(view, "x");
            else if (step == "undo")
                editor.frame()->action(ID_EDIT_UNDO)->trigger();
        }
        const int ids[] = {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE};
        for (int i = 0; i < 4; ++i)
            QTRY_COMPARE(editor.frame()->action(ids[i])->isEnabled(), enabled.at(i));
    }

    void menusSwapWithTheActiveWindow()
    {
        Editor editor;
        QVERIFY(editor.start());
        QCOMPARE(menuTitles(editor.frame()),
                 QStringList({"&File", "&Edit", "&View", "&Window", "&Insert", "&Help"}));
        QVERIFY(editor.frame()->action(ID_FILE_CLOSE)->isEnabled());
        const QList<QAction *> bar = editor.frame()->menuBar()->actions();
        QCOMPARE(menuEntries(bar.at(0)->menu()).mid(0, 11),
                 idsAndSeparators({ID_FILE_NEW, ID_FILE_NEW_HTML5, ID_FILE_OPEN, ID_FILE_CLOSE,
                                   ID_FILE_SAVE, ID_FILE_SAVE_AS, "-", ID_FILE_PRINT,
                                   ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP, "-"}));
        QCOMPARE(menuEntries(bar.at(0)->menu()).last(2), idsAndSeparators({"-", ID_APP_EXIT}));
        const QString list = "List>", section = "&Section>";
        QCOMPARE(menuEntries(bar.at(4)->menu()),
                 idsAndSeparators({ID_INSERT_IMAGE,
                                   ID_INSERT_BACKGROUND,
                                   ID_INSERT_SOUND,
                                   ID_INSERT_LINK,
                                   ID_INSERT_APPLETS,
                                   ID_INSERT_TABLES,
                                   ID_INSERT_MARQUEE,
                                   ID_INSERT_META,
                                   ID_INSERT_FRAMES,
                                   list + QString::number(ID_LIST_ORDERED),
                                   list + QString::number(ID_LIST_UNORDERED),
                                   list + QString::number(ID_LIST_DEFINING),
                                   ID_INSERT_CONTROLS,
                                   ID_INSERT_TEXT,
                                   "-",
                                   ID_INSERT_MEDIA,
                                   ID_INSERT_PICTURE,
                                   section + QString::number(ID_SECTION_HEADER),
                                   section + QString::number(ID_SECTION_NAV),
                                   section + QString::number(ID_SECTION_MAIN),
                                   section + QString::number(ID_SECTION_ARTICLE),
                                   section + QString::number(ID_SECTION_SECTION),
                                   section + QString::number(ID_SECTION_ASIDE),
                                   section + QString::number(ID_SECTION_FOOTER),
                                   section + QString::number(ID_SECTION_FIGURE)}));
        editor.activeSource()->close();
        settle();
        QCOMPARE(menuTitles(editor.frame()),
                 QStringList({"&File", "&Edit", "&View", "&Help", "&Insert"}));
        // Menu 128 has no Close and no Insert > Text.
        QMenu *file = editor.frame()->menuBar()->actions().at(0)->menu();
        QVERIFY(!file->actions().contains(editor.frame()->action(ID_FILE_CLOSE)));
        QMenu *insert = editor.frame()->menuBar()->actions().at(4)->menu();
        QVERIFY(!insert->actions().contains(editor.frame()->action(ID_INSERT_TEXT)));
    }

    void commandsAreEnabledOnlyWhereTheyAreHandled()
    {
        Editor editor;
        QVERIFY(editor.start());
        const int insertIds[] = {ID_INSERT_IMAGE,    ID_INSERT_BACKGROUND, ID_INSERT_SOUND,
                                 ID_INSERT_LINK,     ID_INSERT_APPLETS,    ID_INSERT_TABLES,
                                 ID_INSERT_MARQUEE,  ID_INSERT_META,       ID_INSERT_FRAMES,
                                 ID_LIST_ORDERED,    ID_LIST_UNORDERED,    ID_LIST_DEFINING,
                                 ID_INSERT_CONTROLS, ID_INSERT_TEXT};
        const int previewIds[] = {ID_PREVIEW_STOP, ID_PREVIEW_BACK, ID_PREVIEW_FORWARD,
                                  ID_PREVIEW_REFRESH};
        for (int id : insertIds)
            QVERIFY2(editor.frame()->action(id)->isEnabled(), qPrintable(QString::number(id)));
        for (int id : previewIds)
            QVERIFY(!editor.frame()->action(id)->isEnabled());
        QVERIFY(editor.frame()->tabBar()->isEnabled());
        editor.activeSource()->close();
        settle();
        for (int id : insertIds)
            QVERIFY(!editor.frame()->action(id)->isEnabled());
        QVERIFY(!editor.frame()->tabBar()->isEnabled());
        QVERIFY(editor.frame()->action(ID_FILE_NEW)->isEnabled());
        QVERIFY(!editor.frame()->action(ID_FILE_SAVE)->isEnabled());
    }

    void promptsGoToStatusBarAndTooltips()
    {
        Editor editor;
        QVERIFY(editor.start());
        QCOMPARE(editor.frame()->action(ID_FILE_NEW)->statusTip(),
                 QString("Create a new document"));
        QCOMPARE(editor.frame()->action(ID_FILE_NEW)->toolTip(), QString("New"));
        QCOMPARE(editor.frame()->action(ID_EDIT_REPEAT)->statusTip(),
                 QString("Repeat the last action"));
        QCOMPARE(editor.frame()->statusBar()->currentMessage(), CMainFrame::idleText());
        // Toolbar buttons in order, with their separators.
        QList<int> ids;
        for (QAction *a : editor.frame()->toolBar()->actions())
            ids << (a->isSeparator() ? 0 : a->data().toInt());
        QCOMPARE(ids, QList<int>({ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT,
                                  ID_EDIT_COPY, ID_EDIT_PASTE, 0, ID_FILE_PRINT, 0, ID_APP_ABOUT,
                                  ID_OPEN_IN_BROWSER, 0, ID_PREVIEW_STOP, ID_PREVIEW_BACK,
                                  ID_PREVIEW_FORWARD, ID_PREVIEW_REFRESH}));
        for (QAction *a : editor.frame()->toolBar()->actions())
            QVERIFY2(a->isSeparator() || !a->icon().isNull(), qPrintable(a->text()));
        QCOMPARE(editor.frame()->tabBar()->tabText(0), QString("Source View"));
        QCOMPARE(editor.frame()->tabBar()->tabText(1), QString("HTML View"));
    }

    void captionsNameTheActivePage()
    {
        Editor editor;
        QVERIFY(editor.start());
        QCOMPARE(editor.activeSource()->windowTitle(), QString("Untitled"));
        editor.view()->InsertSnippet("x", false);
        QCOMPARE(editor.activeSource()->windowTitle(), QString("Untitled *"));
        CTarnelDoc *second = editor.app->docManager()->OnFileNew();
        QVERIFY(second);
        QCOMPARE(editor.activeSource()->windowTitle(), QString("Untitled 2"));
        QVERIFY2(editor.frame()->windowTitle().startsWith("Editor"),
                 qPrintable(editor.frame()->windowTitle()));
        QVERIFY2(editor.frame()->windowTitle().contains("Untitled 2"),
                 qPrintable(editor.frame()->windowTitle()));
    }

    void viewMenuTogglesTheBars()
    {
        Editor editor;
        QVERIFY(editor.start());
        editor.frame()->action(ID_VIEW_TOOLBAR)->trigger();
        QVERIFY(editor.frame()->toolBar()->isHidden());
        editor.frame()->action(ID_VIEW_TOOLBAR)->trigger();
        QVERIFY(!editor.frame()->toolBar()->isHidden());
        editor.frame()->action(ID_VIEW_STATUS_BAR)->trigger();
        QVERIFY(editor.frame()->statusBar()->isHidden());
    }

    void newWindowSharesTheText()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *first = editor.view();
        editor.frame()->action(ID_WINDOW_NEW)->trigger();
        QCOMPARE(editor.frame()->mdiArea()->subWindowList().size(), 2);
        CTarnelView *second = editor.view();
        QVERIFY(second != first);
        QCOMPARE(viewBytes(second), viewBytes(first));
        second->InsertSnippet("<P>shared</P>", false);
        QCOMPARE(viewBytes(first), viewBytes(second));
        QVERIFY(viewBytes(first).contains("<P>shared</P>"));
        // Closing one window of a modified page asks nothing: the other still shows it.
        int asked = 0;
        editor.app->docManager()->askSaveChanges = [&](CTarnelDoc *) {
            return ++asked, int(QMessageBox::No);
        };
        editor.activeSource()->close();
        settle();
        QCOMPARE(asked, 0);
        QCOMPARE(editor.app->docManager()->documents().size(), 1);
        QVERIFY(viewBytes(editor.view()).contains("<P>shared</P>"));
    }

    void newHtml5PageIsSavedAsShown()
    {
        Editor editor;
        QVERIFY(editor.start());
        editor.frame()->action(ID_FILE_NEW_HTML5)->trigger();
        QCOMPARE(editor.app->docManager()->documents().size(), 2);
        const std::string page =
            tarnel::Html5PageText(QLocale::system().uiLanguages().value(0).toStdString());
        const QByteArray expected = QByteArray::fromStdString(page);
        QCOMPARE(viewBytes(editor.view()), expected);
        QCOMPARE(int(editor.view()->CharIndexAtCaret()), expected.indexOf("<body>\n") + 7);
        QVERIFY(!editor.doc()->isModified());

        QTemporaryDir dir;
        const QString path = dir.filePath("today.html");
        editor.app->docManager()->chooseSavePath = [&](CTarnelDoc *) { return path; };
        QVERIFY(editor.app->docManager()->SaveDocument(editor.doc(), false));
        QCOMPARE(readFile(path), expected);
    }

    void findNextWrapsNotAndReportsMisses()
    {
        Editor editor;
        QVERIFY(editor.start());
        FindOptions options;
        options.what = "META";
        editor.view()->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0UL);
        QVERIFY(editor.view()->findNextMatch(options));
        QCOMPARE(editor.view()->selectedText(), QString("META"));
        int line, index;
        editor.view()->getCursorPosition(&line, &index);
        QCOMPARE(line, 1);
        options.what = "no such text";
        QVERIFY(!editor.view()->findNextMatch(options));
        QVERIFY(editor.frame()->statusBar()->currentMessage().contains("Cannot find"));
    }

    void splashGoesOnTheFirstIdlePassAfterASecond()
    {
        Editor editor;
        QVERIFY(editor.app->InitInstance({}, true));
        QVERIFY(editor.app->splash());
        QTest::qWait(600);
        QVERIFY2(editor.app->splash(), "still shown before a second has passed");
        QTRY_VERIFY_WITH_TIMEOUT(!editor.app->splash(), 3000);
        QVERIFY(editor.frame()->isVisible());
    }

    void aboutBox()
    {
        Editor editor;
        QVERIFY(editor.start());
        QString title;
        QStringList texts;
        whenModal([&](QWidget *w) {
            title = w->windowTitle();
            for (QLabel *label : w->findChildren<QLabel *>())
                texts << label->text();
            w->close();
        });
        editor.frame()->action(ID_APP_ABOUT)->trigger();
        QCOMPARE(title, QString("About Tarnel"));
        QVERIFY(texts.contains("Tarnel Version 1.0"));
    }

    void printToPdfHoldsThePageTextUnderAHeader()
    {
        QTemporaryDir dir;
        const QString page = dir.filePath("printed.htm");
        QByteArray text = "<P>Printed paragraph</P>\n";
        for (int i = 0; i < 150; ++i)
            text += "<P>line " + QByteArray::number(i) + "</P>\n";
        QVERIFY(writeFile(page, text));
        Editor editor;
        QVERIFY(editor.start({page}));
        const QString pdf = dir.filePath("page.pdf");
        CPagePrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QVERIFY(editor.view()->printTo(printer));
        const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Inch);
        QCOMPARE(margins, QMarginsF(0.5, 0.5, 0.5, 0.5));
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        const QString pdfinfo = QStandardPaths::findExecutable("pdfinfo");
        if (pdftotext.isEmpty() || pdfinfo.isEmpty())
            QSKIP("poppler-utils is not installed");
        const auto run = [](const QString &program, const QStringList &arguments) {
            QProcess process;
            process.start(program, arguments);
            process.waitForFinished(30000);
            return QString::fromUtf8(process.readAllStandardOutput());
        };
        const QString info = run(pdfinfo, {pdf});
        QVERIFY2(info.contains(QRegularExpression("Title: +printed.htm\n")), qPrintable(info));
        const QRegularExpressionMatch pages = QRegularExpression("Pages: +(\\d+)").match(info);
        QVERIFY2(pages.hasMatch(), qPrintable(info));
        const int count = pages.captured(1).toInt();
        QVERIFY2(count >= 2, qPrintable(info));
        const QString printed = run(pdftotext, {"-layout", pdf, "-"});
        QVERIFY2(printed.contains("Printed paragraph"), qPrintable(printed));
        QVERIFY2(printed.contains("line 149"), qPrintable(printed));
        for (int sheet = 1; sheet <= count; ++sheet)
            QVERIFY2(printed.contains(QRegularExpression(
                         QString("printed\\.htm +Page %1 of %2").arg(sheet).arg(count))),
                     qPrintable(printed));
    }
};

QTEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
