// The outline beside the source and re-editing in place, through the real windows.

#include "UiTestSupport.h"

#include "AppletDlg.h"
#include "ImgDlg.h"
#include "LinkDlg.h"
#include "SiteTree.h"

#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QStatusBar>

using namespace uitest;

namespace {

QStringList entries(CSiteTree *tree, CSiteTree::Category category)
{
    QStringList out;
    for (int i = 0; i < tree->entryCount(category); ++i)
        out << tree->entryText(category, i);
    return out;
}

// Replaces the whole page with `text` (no rescan of its own).
void setPage(CTarnelView *view, const QByteArray &text)
{
    view->selectAll();
    view->InsertSnippet(text.toStdString(), false);
}

const QByteArray kPage = "<BODY>\n"
                         "<IMG SRC=\"a.gif\" WIDTH=\"10\" HSPACE=\"4\">\n"
                         "<APPLET CODE=\"clock.class\" WIDTH=\"50\">\n"
                         "<A HREF=\"pic.htm\"><IMG SRC=\"p.gif\"></A>\n"
                         "<A HREF=\"app.htm\"><APPLET CODE=\"t.class\"></A>\n"
                         "<A HREF=\"next.htm\" TARGET=\"_top\">Next page</A>\n"
                         "</BODY>";

// A new page keeps CR LF line breaks, so snippets' line feeds arrive as CR LF.
QByteArray crlf(QByteArray text)
{
    return text.replace("\n", "\r\n");
}

} // namespace

class TestOutline : public QObject
{
    Q_OBJECT
private slots:
    void rescanMoments()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        CSiteTree *tree = editor.activeSource()->outline();
        for (auto c : {CSiteTree::Applets, CSiteTree::Hyperlinks, CSiteTree::Images})
            QVERIFY(entries(tree, c).isEmpty());

        // Typing ">" rescans.
        view->InsertSnippet("<IMG SRC=\"a.gif\"", false);
        QVERIFY(entries(tree, CSiteTree::Images).isEmpty());
        view->setFocus();
        QTest::keyClick(view, '>');
        QCOMPARE(entries(tree, CSiteTree::Images), QStringList({"a.gif"}));

        // F5 rescans.
        view->InsertSnippet("<A HREF=\"x.htm\">x</A>", false);
        QVERIFY(entries(tree, CSiteTree::Hyperlinks).isEmpty());
        QTest::keyClick(view, Qt::Key_F5);
        QCOMPARE(entries(tree, CSiteTree::Hyperlinks), QStringList({"x.htm"}));

        // A pause after any change rescans too: a deleted element leaves the outline.
        setPage(view, "<P>nothing</P>");
        QTRY_VERIFY_WITH_TIMEOUT(entries(tree, CSiteTree::Images).isEmpty(), 3000);
        QVERIFY(entries(tree, CSiteTree::Hyperlinks).isEmpty());
    }

    void listsEveryCategoryAtItsIndex()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        setPage(view, kPage);
        view->rescanOutline();
        CSiteTree *tree = editor.activeSource()->outline();
        QCOMPARE(entries(tree, CSiteTree::Images), QStringList({"a.gif", "p.gif"}));
        QCOMPARE(entries(tree, CSiteTree::Applets), QStringList({"clock.class", "t.class"}));
        QCOMPARE(entries(tree, CSiteTree::Hyperlinks),
                 QStringList({"pic.htm", "app.htm", "next.htm"}));
        const QByteArray text = viewBytes(view);
        for (auto c : {CSiteTree::Applets, CSiteTree::Hyperlinks, CSiteTree::Images})
            for (int row = 0; row < tree->entryCount(c); ++row)
                QCOMPARE(text.at(qsizetype(tree->entryPosition(c, row))), '<');
    }

    void todaysCategoriesAndADoubleClickGoingToAHeading()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        setPage(view, "<script src=\"app.js\"></script>\n<h1>Trip</h1>\n<h2>By <b>sea</b></h2>\n"
                      "<video controls><source src=\"a.webm\"></video>\n<h4>Fish</h4>\n");
        view->rescanOutline();
        CSiteTree *tree = editor.activeSource()->outline();
        QCOMPARE(entries(tree, CSiteTree::ScriptsAndStyles), QStringList({"app.js"}));
        QCOMPARE(entries(tree, CSiteTree::Headings),
                 QStringList({"H1 Trip", "H2 By sea", "H4 Fish"}));
        QCOMPARE(entries(tree, CSiteTree::Media), QStringList({"video", "a.webm"}));
        const QModelIndex trip = tree->entryIndex(CSiteTree::Headings, 0);
        const QPersistentModelIndex sea = tree->entryIndex(CSiteTree::Headings, 1);
        QCOMPARE(trip.parent(), tree->categoryIndex(CSiteTree::Headings));
        QCOMPARE(sea.parent(), trip);
        QCOMPARE(tree->entryIndex(CSiteTree::Headings, 2).parent(), QModelIndex(sea));
        emit tree->doubleClicked(sea);
        QCOMPARE(view->selectedText(), QString("<h2>"));
        QVERIFY(!QApplication::activeModalWidget());

        // The H1 deleted: its H2 moves up to the top with what hangs under it, still selected
        // and expanded.
        tree->expandAll();
        tree->setCurrentIndex(sea);
        QByteArray page = viewBytes(view);
        setPage(view, page.replace("<h1>Trip</h1>", ""));
        QTRY_COMPARE(entries(tree, CSiteTree::Headings), QStringList({"H2 By sea", "H4 Fish"}));
        QCOMPARE(tree->currentIndex(), QModelIndex(sea));
        QCOMPARE(sea.parent(), tree->categoryIndex(CSiteTree::Headings));
        QCOMPARE(sea.row(), 0);
        QVERIFY(tree->isExpanded(sea));
        QCOMPARE(tree->entryIndex(CSiteTree::Headings, 1).parent(), QModelIndex(sea));
    }

    void doubleClickReeditsAVideoKeepingWhatTheFormDoesNotKnow()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        setPage(view, "<video src=\"a.mp4\" playsinline data-x='1' controls></video>");
        view->rescanOutline();
        CSiteTree *tree = editor.activeSource()->outline();
        QString seen;
        whenModal([&](QWidget *w) {
            seen = QString::fromLatin1(w->metaObject()->className());
            QTest::keyClicks(w->findChild<QLineEdit *>("width"), "320");
            static_cast<QDialog *>(w)->accept();
        });
        emit tree->doubleClicked(tree->entryIndex(CSiteTree::Media, 0));
        QCOMPARE(seen, QString("CMediaDlg"));
        QCOMPARE(viewBytes(view),
                 QByteArray("<video src=\"a.mp4\" playsinline data-x='1' controls width=\"320\">"
                            "</video>"));
        view->undo();
        QCOMPARE(viewBytes(view),
                 QByteArray("<video src=\"a.mp4\" playsinline data-x='1' controls></video>"));
    }

    void doubleClickReeditsAPictureInThePictureForm()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        const QByteArray picture = "<picture><source media=\"(min-width: 800px)\" srcset=\"b.jpg\">"
                                   "<img src=\"a.jpg\" srcset=\"a.jpg, c.jpg\" data-x=1>";
        setPage(view, picture);
        view->rescanOutline();
        CSiteTree *tree = editor.activeSource()->outline();
        QString seen;
        bool mediaLocked = false;
        whenModal([&](QWidget *w) {
            seen = QString::fromLatin1(w->metaObject()->className());
            mediaLocked = !w->findChild<QLineEdit *>("media2")->isEnabled();
            QCOMPARE(w->findChild<QLineEdit *>("source2")->text(), QString("c.jpg"));
            QTest::keyClicks(w->findChild<QLineEdit *>("alt"), "Sea");
            static_cast<QDialog *>(w)->accept();
        });
        emit tree->doubleClicked(tree->entryIndex(CSiteTree::Images, 0));
        QCOMPARE(seen, QString("CPictureDlg"));
        QVERIFY(mediaLocked);
        QCOMPARE(viewBytes(view), QByteArray(picture).replace("data-x=1", "data-x=1 alt=\"Sea\""));
    }

    void anUnchangedRescanLeavesTheTreeAlone()
    {
        Editor editor;
        QVERIFY(editor.start());
        setPage(editor.view(), kPage);
        editor.view()->rescanOutline();
        CSiteTree *tree = editor.activeSource()->outline();
        const QPersistentModelIndex first = tree->entryIndex(CSiteTree::Images, 0);
        tree->setExpanded(tree->categoryIndex(CSiteTree::Images), true);
        tree->setCurrentIndex(first);
        QSignalSpy removed(tree->model(), &QAbstractItemModel::rowsRemoved);
        QSignalSpy inserted(tree->model(), &QAbstractItemModel::rowsInserted);
        editor.view()->rescanOutline();
        QCOMPARE(tree->entryCount(CSiteTree::Images), 2);
        QCOMPARE(removed.count() + inserted.count(), 0);
        QVERIFY(first.isValid());
        QCOMPARE(tree->currentIndex(), QModelIndex(first));
        QVERIFY(tree->isExpanded(tree->categoryIndex(CSiteTree::Images)));
    }

    void movedEntriesKeepTheirRowSelectionAndExpansion()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        setPage(view, kPage);
        view->rescanOutline();
        CSiteTree *tree = editor.activeSource()->outline();
        const CSiteTree::Category categories[] = {CSiteTree::Applets, CSiteTree::Hyperlinks,
                                                  CSiteTree::Images};
        for (auto c : categories)
            tree->setExpanded(tree->categoryIndex(c), true);
        tree->selectionModel()->setCurrentIndex(tree->entryIndex(CSiteTree::Images, 1),
                                                QItemSelectionModel::ClearAndSelect);
        const std::size_t position = tree->entryPosition(CSiteTree::Images, 1);
        // What the views read of each row as it is inserted.
        QStringList inserted;
        connect(tree->model(), &QAbstractItemModel::rowsInserted, this,
                [&](const QModelIndex &parent, int first, int last) {
                    for (int row = first; row <= last; ++row)
                        inserted << tree->model()->index(row, 0, parent).data().toString();
                });
        auto selectedRow = [tree] {
            const QModelIndexList selected = tree->selectionModel()->selectedIndexes();
            return selected.size() == 1 && selected.first() == tree->currentIndex() &&
                           selected.first().parent() == tree->categoryIndex(CSiteTree::Images)
                       ? selected.first().row()
                       : -1;
        };

        // Text typed above every element moves them all: the rescan after the pause only
        // updates their positions.
        view->setFocus();
        view->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0UL);
        QTest::keyClicks(view, "Hello ");
        QTRY_COMPARE(tree->entryPosition(CSiteTree::Images, 1), position + 6);
        QCOMPARE(selectedRow(), 1);
        QCOMPARE(inserted, QStringList());
        for (auto c : categories)
            QVERIFY(tree->isExpanded(tree->categoryIndex(c)));

        // An element added above: the selected entry is a row further down, still selected.
        view->InsertSnippet("<IMG SRC=\"n.gif\">", false);
        QTRY_COMPARE(entries(tree, CSiteTree::Images), QStringList({"n.gif", "a.gif", "p.gif"}));
        QCOMPARE(selectedRow(), 2);
        QCOMPARE(inserted, QStringList({"n.gif"}));
        for (auto c : categories)
            QVERIFY(tree->isExpanded(tree->categoryIndex(c)));

        // Entries that went or changed leave; the selected one stays.
        QByteArray page = viewBytes(view);
        page.replace("<IMG SRC=\"a.gif\" WIDTH", "<IMG SRC=\"b.gif\" WIDTH");
        page.replace("<APPLET CODE=\"clock.class\" WIDTH=\"50\">", "");
        setPage(view, page);
        QTRY_COMPARE(entries(tree, CSiteTree::Images), QStringList({"n.gif", "b.gif", "p.gif"}));
        QCOMPARE(entries(tree, CSiteTree::Applets), QStringList({"t.class"}));
        QCOMPARE(selectedRow(), 2);
        QCOMPARE(inserted, QStringList({"n.gif", "b.gif"}));
    }

    void doubleClickReopensAndOkAloneChangesNothing_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("formClass");
        QTest::addColumn<QByteArray>("element");
        QTest::newRow("image") << int(CSiteTree::Images) << 0 << "CImgDlg"
                               << QByteArray("<IMG SRC=\"a.gif\" WIDTH=\"10\" HSPACE=\"4\">");
        QTest::newRow("applet") << int(CSiteTree::Applets) << 0 << "CAppletDlg"
                                << QByteArray("<APPLET CODE=\"clock.class\" WIDTH=\"50\">");
        QTest::newRow("image link") << int(CSiteTree::Hyperlinks) << 0 << "CLinkDlg"
                                    << QByteArray("<A HREF=\"pic.htm\"><IMG SRC=\"p.gif\"></A>");
        QTest::newRow("text link")
            << int(CSiteTree::Hyperlinks) << 2 << "CLinkDlg"
            << QByteArray("<A HREF=\"next.htm\" TARGET=\"_top\">Next page</A>");
    }

    void doubleClickReopensAndOkAloneChangesNothing()
    {
        QFETCH(int, category);
        QFETCH(int, row);
        QFETCH(QString, formClass);
        QFETCH(QByteArray, element);
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        setPage(view, kPage);
        view->rescanOutline();
        editor.doc()->setSavePoint();
        view->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
        CSiteTree *tree = editor.activeSource()->outline();
        const QModelIndex item = tree->entryIndex(CSiteTree::Category(category), row);
        QVERIFY(item.isValid());
        QString seen;
        QByteArray selectedWhileOpen;
        whenModal([&](QWidget *w) {
            seen = QString::fromLatin1(w->metaObject()->className());
            selectedWhileOpen = view->selectedText().toLatin1();
            static_cast<QDialog *>(w)->accept();
        });
        emit tree->doubleClicked(item);
        QCOMPARE(seen, formClass);
        QCOMPARE(selectedWhileOpen, element);
        QCOMPARE(viewBytes(view), crlf(kPage));
        QVERIFY(!editor.doc()->isModified());
        QVERIFY(!view->isUndoAvailable());
    }

    void oneEditedFieldChangesOneAttribute()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        setPage(view, "<img src='a.gif'  id=logo>");
        view->rescanOutline();
        CSiteTree *tree = editor.activeSource()->outline();
        whenModal([&](QWidget *w) {
            QVERIFY(qobject_cast<CImgDlg *>(w));
            w->findChild<QLineEdit *>("imageSource")->setText("b.gif");
            static_cast<QDialog *>(w)->accept();
        });
        emit tree->doubleClicked(tree->entryIndex(CSiteTree::Images, 0));
        QCOMPARE(viewBytes(view), QByteArray("<img src='b.gif'  id=logo>"));
        QCOMPARE(entries(tree, CSiteTree::Images), QStringList({"b.gif"}));
        view->undo();
        QCOMPARE(viewBytes(view), QByteArray("<img src='a.gif'  id=logo>"));
    }

    void cancelChangesNothing()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        setPage(view, kPage);
        view->rescanOutline();
        editor.doc()->setSavePoint();
        CSiteTree *tree = editor.activeSource()->outline();
        whenModal([](QWidget *w) { static_cast<QDialog *>(w)->reject(); });
        emit tree->doubleClicked(tree->entryIndex(CSiteTree::Applets, 0));
        QCOMPARE(viewBytes(view), crlf(kPage));
        QVERIFY(!editor.doc()->isModified());
    }

    void aStaleEntrySaysTheElementIsGone()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        setPage(view, kPage);
        view->rescanOutline();
        CSiteTree *tree = editor.activeSource()->outline();
        const QPersistentModelIndex item = tree->entryIndex(CSiteTree::Images, 0);
        // Change the text without letting the outline catch up.
        view->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0UL);
        view->InsertSnippet("<P>moved</P>", false);
        bool opened = false;
        whenModal(
            [&](QWidget *w) {
                opened = true;
                w->close();
            },
            300);
        emit tree->doubleClicked(item);
        QTest::qWait(400);
        QVERIFY(!opened);
        QCOMPARE(editor.frame()->statusBar()->currentMessage(),
                 QString("The element is no longer in the page"));
    }

    void doubleClickOnACategoryOrTheRootOpensNothing()
    {
        Editor editor;
        QVERIFY(editor.start());
        setPage(editor.view(), kPage);
        editor.view()->rescanOutline();
        CSiteTree *tree = editor.activeSource()->outline();
        bool opened = false;
        whenModal(
            [&](QWidget *w) {
                opened = true;
                w->close();
            },
            300);
        emit tree->doubleClicked(tree->categoryIndex(CSiteTree::Images));
        emit tree->doubleClicked(tree->pageIndex());
        QTest::qWait(400);
        QVERIFY(!opened);
        QCOMPARE(viewBytes(editor.view()), crlf(kPage));
    }

    void contextMenu()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelView *view = editor.view();
        setPage(view, "<P>text</P><IMG SRC=\"a.gif\">");
        QMenu *shown = nullptr;
        connect(view, &CTarnelView::contextMenuShown, this, [&](QMenu *m) { shown = m; });

        auto pointOf = [view](long position) {
            const int x =
                int(view->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, position));
            const int y =
                int(view->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, position));
            return QPoint(x + 1, y + 2);
        };
        auto texts = [](QMenu *m) {
            QStringList out;
            for (QAction *a : m->actions())
                out << (a->isSeparator() ? QString("-") : a->text());
            return out;
        };
        const QStringList plain = {"Undo",
                                   "Cut",
                                   "Copy",
                                   "Paste",
                                   "-",
                                   "Insert an Image Or a Video",
                                   "Change the Background",
                                   "Insert Sound",
                                   "Insert a Link",
                                   "Insert an Applet",
                                   "Insert a Table",
                                   "Insert Marquee",
                                   "Insert Meta",
                                   "Insert a Frame",
                                   "Insert an Ordered List",
                                   "Insert an Unordered List",
                                   "Insert a Definition List",
                                   "Insert Controls"};
        view->ShowContextMenu(pointOf(2), view->mapToGlobal(pointOf(2)));
        QVERIFY(shown);
        QCOMPARE(texts(shown), plain);
        shown->close();
        shown = nullptr;

        view->ShowContextMenu(pointOf(16), view->mapToGlobal(pointOf(16)));
        QVERIFY(shown);
        QCOMPARE(texts(shown), QStringList({"Edit Tag...", "-"}) + plain);
        QString opened;
        whenModal([&](QWidget *w) {
            opened = QString::fromLatin1(w->metaObject()->className());
            static_cast<QDialog *>(w)->reject();
        });
        shown->actions().first()->trigger();
        QCOMPARE(opened, QString("CImgDlg"));
        shown->close();

        // A menu entry runs its command on the view: Copy then Paste duplicates the selection.
        view->selectBytes(0, 3);
        QMenu *menu = nullptr;
        connect(view, &CTarnelView::contextMenuShown, this, [&](QMenu *m) { menu = m; });
        view->ShowContextMenu(pointOf(1), view->mapToGlobal(pointOf(1)));
        QVERIFY(menu);
        menu->actions().at(2)->trigger(); // Copy
        menu->close();
        view->SendScintilla(QsciScintillaBase::SCI_GOTOPOS, 0UL);
        view->ShowContextMenu(pointOf(1), view->mapToGlobal(pointOf(1)));
        menu->actions().at(3)->trigger(); // Paste
        menu->close();
        QVERIFY(viewBytes(view).startsWith("<P><P>text"));
    }
};

QTEST_MAIN(TestOutline)
#include "tst_outline.moc"
