// The checks as a user meets them: a page with a missing picture gets a margin marker, a
// squiggle, a Problems entry with the count in the status bar and a marked outline entry;
// fixing the name clears them all.

#include "UiTestSupport.h"

#include "CheckService.h"
#include "OutlineMarks.h"
#include "ProblemsDock.h"
#include "SiteTree.h"
#include "TextSurface.h"
#include "commandids.h"

#include <QLabel>
#include <QTreeWidget>

using namespace uitest;

class TestChecks : public QObject
{
    Q_OBJECT
private slots:
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
};

QTEST_MAIN(TestChecks)
#include "tst_checks.moc"
