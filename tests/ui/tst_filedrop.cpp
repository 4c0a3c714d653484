// Files dropped on the editor, as a file manager drops them (URLs of local files): a page
// opens, a picture opens the image form with its relative URL and size, a text file's text
// goes in at the drop point, anything else is refused; dragged text is still the editor's.

#include "UiTestSupport.h"

#include "ImgDlg.h"

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

using namespace uitest;

namespace {

constexpr char kPage[] = "<BODY>\nX\n</BODY>\n";

// Drags `data` over `target` and drops it at `at`; true when the drop was taken.
bool dropOn(QWidget *target, QMimeData *data, QPoint at)
{
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

bool dropFiles(QWidget *target, const QStringList &paths, QPoint at = {4, 4})
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    return dropOn(target, &data, at);
}

// Where a drop lands before the byte `position` of the view's text.
QPoint pointBefore(CTarnelView *view, std::size_t position)
{
    const auto x =
        view->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, long(position));
    const auto y =
        view->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL, long(position));
    return QPoint(int(x), int(y) + view->SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0UL) / 2);
}

} // namespace

class TestFileDrop : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_page = m_dir.filePath("page.htm");
        QVERIFY(writeFile(m_page, kPage));
        m_editor = std::make_unique<Editor>();
        QVERIFY(m_editor->start({m_page}));
        m_view = m_editor->view();
    }
    void cleanup()
    {
        m_editor->app->docManager()->askSaveChanges = [](CTarnelDoc *) {
            return int(QMessageBox::No);
        };
        m_editor.reset();
        settle();
    }

    void aTextFileGoesInAtTheDropPoint_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("inserted");
        QTest::newRow("UTF-8, its line breaks as the page's")
            << QByteArray("\xc3\xa4 one\r\ntwo\r") << QByteArray("\xc3\xa4 one\ntwo\n");
        QTest::newRow("not UTF-8: one byte a character")
            << QByteArray("caf\xe9") << QByteArray("caf\xc3\xa9");
    }
    void aTextFileGoesInAtTheDropPoint()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, inserted);
        const QString path = m_dir.filePath("notes.txt");
        QVERIFY(writeFile(path, file));
        QVERIFY(dropFiles(m_view->viewport(), {path}, pointBefore(m_view, 7)));
        QTRY_COMPARE(viewBytes(m_view), QByteArray("<BODY>\n") + inserted + "X\n</BODY>\n");
        m_view->undo();
        QCOMPARE(viewBytes(m_view), QByteArray(kPage));
    }

    void aPictureOpensTheImageFormPrefilled()
    {
        QVERIFY(QDir(m_dir.path()).mkdir("img"));
        const QString picture = m_dir.filePath("img/a b.png");
        QImage image(7, 5, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(picture));
        QStringList shown;
        whenModal([&shown](QWidget *modal) {
            auto *form = qobject_cast<CImgDlg *>(modal);
            if (!form) {
                modal->close();
                return;
            }
            for (const char *name : {"imageSource", "width", "height"})
                shown.append(form->findChild<QLineEdit *>(name)->text());
            form->accept();
        });
        QVERIFY(dropFiles(m_view->viewport(), {picture}, pointBefore(m_view, 7)));
        QTRY_COMPARE(shown, (QStringList{"img/a%20b.png", "7", "5"}));
        QTRY_COMPARE(viewBytes(m_view), QByteArray("<BODY>\n<IMG  SRC=\"img/a%20b.png\" "
                                                   "HEIGHT=\"5\" WIDTH=\"7\">\nX\n</BODY>\n"));
    }

    void aPageOpensInAWindowOfItsOwn()
    {
        const QString other = m_dir.filePath("other.html");
        QVERIFY(writeFile(other, "<P>other</P>"));
        QVERIFY(dropFiles(m_view->viewport(), {other}));
        QTRY_COMPARE(m_editor->doc()->path(), other);
        // On the window around the pages too.
        const QString third = m_dir.filePath("third.htm");
        QVERIFY(writeFile(third, "<P>third</P>"));
        QVERIFY(dropFiles(m_editor->frame()->statusBar(), {third}));
        QTRY_COMPARE(m_editor->doc()->path(), third);
        QCOMPARE(m_editor->app->docManager()->documents().size(), 3);
    }

    void anyOtherFileIsRefused()
    {
        const QString binary = m_dir.filePath("data.bin");
        QVERIFY(writeFile(binary, QByteArray("PK\3\4\0\0", 6)));
        QVERIFY(dropFiles(m_view->viewport(), {binary}));
        QTRY_VERIFY(m_editor->frame()->statusBar()->currentMessage().contains("data.bin"));
        QCOMPARE(viewBytes(m_view), QByteArray(kPage));
    }

    void draggedTextIsLeftToTheEditor()
    {
        QMimeData data;
        data.setText("dragged");
        QVERIFY(dropOn(m_view->viewport(), &data, pointBefore(m_view, 7)));
        QCOMPARE(viewBytes(m_view), QByteArray("<BODY>\ndraggedX\n</BODY>\n"));
    }

private:
    QTemporaryDir m_dir;
    QString m_page;
    std::unique_ptr<Editor> m_editor;
    CTarnelView *m_view = nullptr;
};

QTEST_MAIN(TestFileDrop)
#include "tst_filedrop.moc"
