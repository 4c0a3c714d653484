// Finding and replacing over a real page text: direction, case, whole words, wrapping, and
// replacing as one undo step.

#include "FindService.h"
#include "TarnelDoc.h"

#include <QTest>

namespace {

// "a A ab Ab a": the plain a's at 0 and 10, a capital at 2, words holding an a at 4 and 7.
const QByteArray kText = "a A ab Ab a";

struct Page
{
    CTarnelDoc doc;
    explicit Page(const QByteArray &text)
    {
        doc.OnNewDocument();
        doc.setInitialText(text.toStdString());
    }
    CTextSurface &text() { return doc.textSurface(); }
    CFindService service() { return CFindService(text(), doc.codec()); }
    QByteArray bytes() const { return QByteArray::fromStdString(doc.text()); }
    QPair<int, int> selection()
    {
        return {int(text().selectionStart()), int(text().selectionEnd())};
    }
};

} // namespace

class TestFindService : public QObject
{
    Q_OBJECT
private slots:
    void findNext_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<int>("from"); // the selection before, [from, to)
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<int>("found"); // where the match starts; -1 for none
        QTest::newRow("down from the caret")
            << "a" << 0 << 0 << false << false << true << false << 0;
        QTest::newRow("down after the selection, any case")
            << "a" << 0 << 1 << false << false << true << false << 2;
        QTest::newRow("match case") << "a" << 0 << 1 << true << false << true << false << 4;
        QTest::newRow("whole word") << "a" << 2 << 3 << false << true << true << false << 10;
        QTest::newRow("up before the selection")
            << "a" << 10 << 11 << false << false << false << false << 7;
        QTest::newRow("up, whole word, match case")
            << "a" << 10 << 11 << true << true << false << false << 0;
        QTest::newRow("the end without wrapping")
            << "a" << 10 << 11 << false << false << true << false << -1;
        QTest::newRow("wrapping to the start")
            << "a" << 10 << 11 << false << false << true << true << 0;
        QTest::newRow("wrapping up to the end")
            << "a" << 0 << 0 << false << false << false << true << 10;
        QTest::newRow("not in the page") << "z" << 0 << 0 << false << false << true << true << -1;
    }

    void findNext()
    {
        QFETCH(QString, what);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(bool, down);
        QFETCH(bool, wrap);
        QFETCH(int, found);
        Page page(kText);
        page.text().select(from, to);
        FindOptions options;
        options.what = what;
        options.matchCase = matchCase;
        options.wholeWord = wholeWord;
        options.down = down;
        options.wrap = wrap;
        QCOMPARE(page.service().findNext(options), found >= 0);
        // A match is selected; a miss leaves the selection alone.
        const auto expected = found >= 0 ? QPair<int, int>(found, found + int(what.size()))
                                         : QPair<int, int>(from, to);
        QCOMPARE(page.selection(), expected);
    }

    void replaceAll_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("with");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<int>("replaced");
        QTest::addColumn<QByteArray>("result");
        QTest::newRow("any case") << QByteArray("a A ab") << "a"
                                  << "x" << false << false << 3 << QByteArray("x x xb");
        QTest::newRow("match case") << QByteArray("a A ab") << "a"
                                    << "x" << true << false << 2 << QByteArray("x A xb");
        QTest::newRow("whole word") << QByteArray("a A ab") << "a"
                                    << "x" << false << true << 2 << QByteArray("x x ab");
        QTest::newRow("an accented letter in the page's encoding")
            << QByteArray("\xC3\xA9 e \xC3\xA9") << QString::fromUtf8("\xC3\xA9") << "x" << true
            << false << 2 << QByteArray("x e x");
        QTest::newRow("the replacement holds the match")
            << QByteArray("a a") << "a"
            << "x a" << false << false << 2 << QByteArray("x a x a");
    }

    void replaceAll()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, what);
        QFETCH(QString, with);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(int, replaced);
        QFETCH(QByteArray, result);
        Page page(text);
        FindOptions options;
        options.what = what;
        options.replaceWith = with;
        options.matchCase = matchCase;
        options.wholeWord = wholeWord;
        QCOMPARE(page.service().replaceAll(options), replaced);
        QCOMPARE(page.bytes(), result);
        page.text().undo(); // one step
        QCOMPARE(page.bytes(), text);
    }

    void regularExpressions_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("with");
        QTest::addColumn<int>("replaced");
        QTest::addColumn<QByteArray>("result");
        QTest::newRow("groups") << QByteArray("a=1, b=2") << "(\\w)=(\\d)"
                                << "\\2=\\1" << 2 << QByteArray("1=a, 2=b");
        QTest::newRow("alternation") << QByteArray("cat dog cow") << "cat|cow"
                                     << "pet" << 2 << QByteArray("pet dog pet");
        QTest::newRow("each line start, an empty match")
            << QByteArray("x\r\ny\r\nz") << "^"
            << "> " << 3 << QByteArray("> x\r\n> y\r\n> z");
        QTest::newRow("each line end") << QByteArray("x\r\ny") << "$"
                                       << ";" << 2 << QByteArray("x;\r\ny;");
        QTest::newRow("empty everywhere") << QByteArray("ab") << "x*"
                                          << "-" << 3 << QByteArray("-a-b-");
        QTest::newRow("not an expression") << QByteArray("a(b") << "("
                                           << "x" << 0 << QByteArray("a(b");
    }

    void regularExpressions()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, what);
        QFETCH(QString, with);
        QFETCH(int, replaced);
        QFETCH(QByteArray, result);
        FindOptions options;
        options.what = what;
        options.replaceWith = with;
        options.regex = true;
        Page page(text);
        QCOMPARE(page.service().replaceAll(options), replaced);
        QCOMPARE(page.bytes(), result);
        // Find Next moves on from an empty match at the caret instead of staying on it.
        Page again(text);
        const bool found = again.service().findNext(options);
        QCOMPARE(found, replaced > 0);
        if (found && again.selection().first == 0 && again.selection().second == 0)
            QVERIFY(again.service().findNext(options) && again.selection().first > 0);
        QCOMPARE(CFindService::notFoundMessage(options).contains("not a regular expression"),
                 !CFindService::patternIsValid(options));
    }

    void regexReplaceCurrentUsesTheGroups()
    {
        Page page("a=1 b=2");
        FindOptions options;
        options.what = "(\\w)=(\\d)";
        options.replaceWith = "\\2:\\1";
        options.regex = true;
        QVERIFY(page.service().findNext(options));
        QVERIFY(page.service().replaceCurrent(options));
        QCOMPARE(page.bytes(), QByteArray("1:a b=2"));
        QCOMPARE(page.selection(), qMakePair(4, 7));
    }

    void replaceCurrentOnlyReplacesAMatch()
    {
        Page page(kText);
        FindOptions options;
        options.what = "a";
        options.replaceWith = "xy";
        page.text().select(4, 6); // "ab": not a match, so only the next match is selected
        QVERIFY(page.service().replaceCurrent(options));
        QCOMPARE(page.bytes(), kText);
        QCOMPARE(page.selection(), qMakePair(7, 8));
        QVERIFY(page.service().replaceCurrent(options));
        QCOMPARE(page.bytes(), QByteArray("a A ab xyb a"));
        QCOMPARE(page.selection(), qMakePair(11, 12));
    }
};

QTEST_MAIN(TestFindService)
#include "tst_findservice.moc"
