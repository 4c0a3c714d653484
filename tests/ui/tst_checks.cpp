// The checks as a user meets them: a page with a missing picture gets a margin marker, a
// squiggle, a Problems entry with the count in the status bar and a marked outline entry;
// fixing the name clears them all.

#include "UiTestSupport.h"

#include "CheckService.h"
#include "FindingMarks.h"
#include "OutlineMarks.h"
#include "ProblemsDock.h"
#include "SiteTree.h"
#include "TextSurface.h"
#include "commandids.h"
#include "validation.h"

#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTreeWidget>

using namespace uitest;

class TestChecks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Preferences are saved: into a profile of the test's own.
        QVERIFY(m_profile.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_profile.path()));
    }

    void aMissingPictureIsMarkedEverywhereUntilFixed()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(writeFile(dir.filePath("pic.gif"), "GIF89a"));
        const QByteArray page = "<!DOCTYPE html>\n<html><head><title>t</title></head><body>\n"
                                "<p><img src=\"missing.gif\" alt=\"a\"></p>\n</body></html>\n";
        QVERIFY(writeFile(dir.filePath("page.htm"), page));
        Editor editor;
        QVERIFY(editor.start({dir.filePath("page.htm")}));
        CTarnelView *view = editor.view();
        CCheckService *checks = CCheckService::of(editor.doc());
        CProblemsDock *problems = editor.frame()->problems();
        CSiteTree *outline = editor.activeSource()->outline();
        auto *outlineMarks = qobject_cast<COutlineMarks *>(outline->itemDelegate());
        QVERIFY(outlineMarks);
        CTextSurface text(view);
        const std::size_t value = static_cast<std::size_t>(page.indexOf("missing.gif"));
        const int errorMarker = 1 << CCheckService::kErrorMarker;

        QTRY_COMPARE_WITH_TIMEOUT(checks->total(), std::size_t(1), 5000);
        QCOMPARE(text.lineMarkers(2) & errorMarker, errorMarker);
        QVERIFY(text.isMarked(CCheckService::kErrorIndicator, value));
        QVERIFY(!text.isMarked(CCheckService::kErrorIndicator, value - 2));
        QCOMPARE(problems->list()->topLevelItemCount(), 1);
        const QTreeWidgetItem *entry = problems->list()->topLevelItem(0);
        QCOMPARE(entry->text(1), QString("3"));
        QCOMPARE(entry->text(2), QString("14"));
        QCOMPARE(entry->text(3), QString("missing file \"missing.gif\""));
        QCOMPARE(problems->countLabel()->text(), QString("1 problem"));
        QCOMPARE(outlineMarks->findingsOf(outline->entryIndex(CSiteTree::Images, 0)),
                 QString("missing file \"missing.gif\""));

        // A double click in the list goes to the name in the source.
        editor.frame()->action(tarnel::ID_VIEW_PROBLEMS)->trigger();
        QVERIFY(problems->isVisible());
        QTreeWidget *list = problems->list();
        const QRect row = list->visualItemRect(list->topLevelItem(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QTRY_COMPARE(text.selectionStart(), value);
        QCOMPARE(text.selectionEnd(), value + std::strlen("missing.gif"));

        // Typing the right name over it.
        view->setFocus();
        QTest::keyClicks(view, "pic.gif");
        QTRY_COMPARE_WITH_TIMEOUT(checks->total(), std::size_t(0), 5000);
        QCOMPARE(text.lineMarkers(2) & errorMarker, 0);
        QVERIFY(!text.isMarked(CCheckService::kErrorIndicator, value));
        QCOMPARE(problems->list()->topLevelItemCount(), 0);
        QVERIFY(problems->countLabel()->isHidden());
        QTRY_COMPARE(outline->entryText(CSiteTree::Images, 0), QString("pic.gif"));
        QCOMPARE(outlineMarks->findingsOf(outline->entryIndex(CSiteTree::Images, 0)), QString());
    }

    // A page too big for the validator is checked by its tags alone: typing between them moves
    // the findings along at once instead of checking the page again.
    void typingBetweenTagsOfABigPageMovesItsFindings()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray tail = "<p>word <img src=\"missing.gif\" alt=\"a\">\n";
        const QByteArray page = QByteArray("<p>filler</p>\n").repeated(600'000) + tail;
        QVERIFY(std::size_t(page.size()) > tarnel::kTidiedBytes);
        QVERIFY(writeFile(dir.filePath("page.htm"), page));
        Editor editor;
        QVERIFY(editor.start({dir.filePath("page.htm")}));
        CTarnelView *view = editor.view();
        CCheckService *checks = CCheckService::of(editor.doc());
        QTRY_COMPARE_WITH_TIMEOUT(checks->total(), std::size_t(2), 10000); // and "too big"
        QTRY_VERIFY_WITH_TIMEOUT(checks->upToDate(), 10000);
        const tarnel::Finding missing = checks->findings().back();
        CTextSurface text(view);
        text.moveCaretTo(std::size_t(page.size() - tail.size()) + std::strlen("<p>word"));
        view->setFocus();

        QTest::keyClicks(view, "s");
        QVERIFY(checks->upToDate());
        QCOMPARE(checks->findings().back().offset, missing.offset + 1);
        QCOMPARE(checks->findings().back().column, missing.column + 1);
        QTRY_COMPARE(editor.frame()->problems()->list()->topLevelItem(1)->text(2),
                     QString::number(missing.column + 1));

        QTest::keyClicks(view, "<");
        QVERIFY(!checks->upToDate());
    }

    // The starred problems take their fixes from the list, each one undo step, and the page
    // is checked again after each.
    void fixesTakenFromTheProblemsList()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const char *file : {"pic.gif", "new pic.gif"})
            QVERIFY(writeFile(dir.filePath(file), "GIF89a"));
        const QByteArray page =
            "<!DOCTYPE html>\n<html><head><title>t</title></head><body>\n"
            "<p><img src=\"PIC.gif?v=2\" alt=\"a\"><img src=\"gone.gif\" alt=\"b\">"
            "<img src=\"pic.gif\"></p>\n</body></html>\n";
        QVERIFY(writeFile(dir.filePath("page.htm"), page));
        Editor editor;
        QVERIFY(editor.start({dir.filePath("page.htm")}));
        CTarnelView *view = editor.view();
        CCheckService *checks = CCheckService::of(editor.doc());
        CProblemsDock *problems = editor.frame()->problems();
        QTreeWidget *list = problems->list();
        QString chooserFolder;
        problems->setFileChooser([&](QWidget *, const QString &folder) {
            chooserFolder = folder;
            return dir.filePath("new pic.gif");
        });
        const auto takeFixOf = [&](int row) {
            QTRY_VERIFY_WITH_TIMEOUT(checks->upToDate(), 5000);
            list->setCurrentItem(list->topLevelItem(row));
            QVERIFY(problems->fixAction()->isEnabled());
            problems->fixAction()->trigger();
        };
        QTRY_COMPARE_WITH_TIMEOUT(list->topLevelItemCount(), 3, 5000);
        QVERIFY(list->topLevelItem(0)->text(0).endsWith(QString::fromUtf8("\u2605")));

        takeFixOf(0);
        QCOMPARE(problems->fixAction()->text(),
                 QString::fromUtf8("Use \u201cpic.gif?v=2\u201d as on disk"));
        const QByteArray renamed = QByteArray(page).replace("PIC.gif", "pic.gif");
        QCOMPARE(viewBytes(view), renamed);
        QTRY_COMPARE_WITH_TIMEOUT(list->topLevelItemCount(), 2, 5000);

        takeFixOf(0);
        const QByteArray chosen = QByteArray(renamed).replace("gone.gif", "new%20pic.gif");
        QCOMPARE(viewBytes(view), chosen);
        QCOMPARE(chooserFolder, dir.path());
        QTRY_COMPARE_WITH_TIMEOUT(list->topLevelItemCount(), 1, 5000);

        // The last, an image without ALT, opens the image form at the input writing ALT; Cancel
        // keeps all.
        QString focused;
        whenModal([&](QWidget *form) {
            // The ALT field takes the focus once the form is up: look a moment later.
            QTimer::singleShot(100, form, [&focused, form] {
                if (form->inherits("CImgDlg") && form->focusWidget())
                    focused = form->focusWidget()->objectName();
                qobject_cast<QDialog *>(form)->reject();
            });
        });
        takeFixOf(0);
        QCOMPARE(focused, QString("comment")); // the image form's Image Comment writes ALT
        QCOMPARE(viewBytes(view), chosen);

        view->commands().run(tarnel::ID_EDIT_UNDO);
        QCOMPARE(viewBytes(view), renamed);
        view->commands().run(tarnel::ID_EDIT_UNDO);
        QCOMPARE(viewBytes(view), page);
    }

    // An area of an image map has no Insert form: its fix asks for the text alone and writes
    // ALT into its tag, one undo step.
    void altOfAnAreaIsAskedForOnItsOwn()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QByteArray page = "<!DOCTYPE html>\n<html><head><title>t</title></head><body>\n"
                                "<map name=\"m\"><area href=\"page.htm\"></map>\n</body></html>\n";
        QVERIFY(writeFile(dir.filePath("page.htm"), page));
        Editor editor;
        QVERIFY(editor.start({dir.filePath("page.htm")}));
        CCheckService *checks = CCheckService::of(editor.doc());
        CProblemsDock *problems = editor.frame()->problems();
        QTRY_COMPARE_WITH_TIMEOUT(problems->list()->topLevelItemCount(), 1, 5000);
        QVERIFY(checks->upToDate());
        problems->list()->setCurrentItem(problems->list()->topLevelItem(0));
        whenModal([](QWidget *form) {
            QVERIFY(form->inherits("CAltDlg"));
            auto *alt = qobject_cast<QLineEdit *>(form->focusWidget());
            QVERIFY(alt);
            alt->setText(QString::fromUtf8("Caf\u00e9 & \"home\""));
            qobject_cast<QDialog *>(form)->accept();
        });
        problems->fixAction()->trigger();
        QCOMPARE(viewBytes(editor.view()),
                 QByteArray(page).replace("page.htm\">",
                                          "page.htm\" alt=\"Caf\xc3\xa9 & &quot;home&quot;\">"));
        QTRY_COMPARE_WITH_TIMEOUT(problems->list()->topLevelItemCount(), 0, 5000);
        editor.view()->commands().run(tarnel::ID_EDIT_UNDO);
        QCOMPARE(viewBytes(editor.view()), page);
    }

    // View > Show Advice lists tidy's advice on writing too, in every open page, and the
    // choice is kept.
    void showAdviceListsTheAdviceToo()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(writeFile(dir.filePath("page.htm"),
                          "<!DOCTYPE html>\n<html><head><title>t</title></head><body>\n"
                          "<p>a<span></span></p>\n</body></html>\n"));
        Editor editor;
        QVERIFY(editor.start({dir.filePath("page.htm")}));
        CCheckService *checks = CCheckService::of(editor.doc());
        QSignalSpy checked(checks, &CCheckService::findingsChanged);
        checks->checkNow();
        QTRY_VERIFY_WITH_TIMEOUT(checked.count() > 0, 5000);
        QCOMPARE(checks->total(), std::size_t(0));
        QAction *advice = editor.frame()->action(tarnel::ID_VIEW_PROBLEM_ADVICE);
        QVERIFY(advice->isCheckable() && !advice->isChecked());
        advice->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(checks->total(), std::size_t(1), 5000);
        QTRY_COMPARE(editor.frame()->problems()->list()->topLevelItem(0)->text(0),
                     QString("Advice"));
        QVERIFY(CCheckService::showsAdvice());
        advice->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(checks->total(), std::size_t(0), 5000);
    }

    // Applying preferences sets the editor's look again; a marker left in no margin would
    // paint its whole line over the text.
    void marksLookTheSameAfterPreferencesApply()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(writeFile(dir.filePath("page.htm"), "<p><img src=\"missing.gif\"></p>\n"));
        Editor editor;
        QVERIFY(editor.start({dir.filePath("page.htm")}));
        CTarnelView *view = editor.view();
        QTRY_VERIFY_WITH_TIMEOUT(CCheckService::of(editor.doc())->total() > 0, 5000);
        using Sci = QsciScintillaBase;
        const auto look = [view] {
            QList<long> look;
            for (const int indicator :
                 {CCheckService::kErrorIndicator, CCheckService::kWarningIndicator})
                look << view->SendScintilla(Sci::SCI_INDICGETSTYLE, indicator)
                     << view->SendScintilla(Sci::SCI_INDICGETFORE, indicator);
            for (const int marker : {CCheckService::kErrorMarker, CCheckService::kWarningMarker})
                look << view->SendScintilla(Sci::SCI_MARKERSYMBOLDEFINED, marker);
            look << view->SendScintilla(Sci::SCI_GETMARGINWIDTHN, CFindingMarks::kMargin)
                 << view->SendScintilla(Sci::SCI_GETMARGINMASKN, CFindingMarks::kMargin);
            return look;
        };
        const QList<long> before = look();
        QVERIFY(before.at(before.size() - 2) > 0);
        whenModal([](QWidget *modal) { qobject_cast<QDialog *>(modal)->accept(); });
        editor.frame()->action(tarnel::ID_EDIT_PREFERENCES)->trigger();
        QCOMPARE(look(), before);
    }

private:
    QTemporaryDir m_profile;
};

QTEST_MAIN(TestChecks)
#include "tst_checks.moc"
