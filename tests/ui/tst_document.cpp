// What the document tells its observers: one change a command, with the range it covers, and
// a save only when the file was written.

#include "UiTestSupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>

using namespace uitest;
using tarnel::TextChange;

class TestDocument : public QObject
{
    Q_OBJECT
private slots:
    void observersHearEachCommandAsOneChange()
    {
        Editor editor;
        QVERIFY(editor.start());
        CTarnelDoc *doc = editor.doc();
        std::vector<TextChange> heard;
        connect(doc, &CTarnelDoc::changed, this,
                [&](const TextChange &change) { heard.push_back(change); });
        editor.view()->replaceBytes(0, 0, "<P>ab</P>");
        editor.view()->replaceBytes(3, 5, "xyz"); // a deletion and an insertion
        QCOMPARE(heard.size(), std::size_t(2));
        QVERIFY((heard[0] == TextChange{0, 0, 9}));
        QVERIFY((heard[1] == TextChange{3, 2, 3}));
    }

    void aSaveIsHeardOnlyWhenWritten()
    {
        Editor editor;
        QVERIFY(editor.start());
        QSignalSpy saved(editor.doc(), &CTarnelDoc::saved);
        QTemporaryDir dir;
        QVERIFY(!editor.doc()->OnSaveDocument(dir.path() + "/no/such/folder/page.htm"));
        QCOMPARE(saved.count(), 0);
        QVERIFY(editor.doc()->OnSaveDocument(dir.path() + "/page.htm"));
        QCOMPARE(saved.count(), 1);
    }
};

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
