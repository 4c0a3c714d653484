// How every Insert form behaves at the keyboard, whatever it holds: the focus starts in its
// first editable field, Tab walks the inputs as they are laid out, every caption has its own
// mnemonic, an optional pick-only list can be set back to nothing, and a read-only field
// looks it.
#include "AppletDlg.h"
#include "BackColorDlg.h"
#include "ControlsDlg.h"
#include "FontDlg.h"
#include "FramesDlg.h"
#include "ImgDlg.h"
#include "LinkDlg.h"
#include "ListDlg1.h"
#include "MarqueeDlg.h"
#include "MediaDlg.h"
#include "MetaDlg.h"
#include "PictureDlg.h"
#include "SoundDlg.h"
#include "TableDlg.h"
#include "UListDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

using Make = std::function<std::unique_ptr<CFormDlg>()>;

template <class Form> Make make()
{
    return [] { return std::make_unique<Form>(); };
}

bool isEditable(const QWidget *w)
{
    if (const auto *field = qobject_cast<const QLineEdit *>(w))
        return !field->isReadOnly();
    if (const auto *text = qobject_cast<const QPlainTextEdit *>(w))
        return !text->isReadOnly();
    return qobject_cast<const QComboBox *>(w) != nullptr;
}

// The widget that has the focus, an editable list standing for its own line.
QWidget *focused()
{
    QWidget *w = QApplication::focusWidget();
    if (auto *list = qobject_cast<QComboBox *>(w ? w->parentWidget() : nullptr))
        return list;
    return w;
}

// One Tab round, from the first input after Cancel back to Cancel.
QList<QWidget *> tabRound(CFormDlg &form)
{
    QPushButton *cancel = nullptr;
    for (QPushButton *b : form.findChildren<QPushButton *>())
        if (b->text() == "Cancel")
            cancel = b;
    cancel->setFocus();
    QList<QWidget *> round;
    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        round << focused();
        if (round.last() == cancel)
            return round;
    }
    return round;
}

QPoint centre(const QWidget *w, const QWidget *form)
{
    return w->mapTo(form, w->rect().center());
}

// The next input stands below the one before, or in a column to its right.
bool followsVisually(const QWidget *before, const QWidget *next, const QWidget *form)
{
    const QPoint a = centre(before, form), b = centre(next, form);
    return b.y() > a.y() + 2 || b.x() > a.x();
}

QChar mnemonic(const QString &caption)
{
    const qsizetype marker = caption.indexOf('&');
    return marker >= 0 && marker + 1 < caption.size() ? caption[marker + 1].toLower() : QChar();
}

} // namespace

class TestFormConduct : public QObject
{
    Q_OBJECT
private slots:
    void conduct_data();
    void conduct();
    void readOnlyLooksIt();
};

void TestFormConduct::conduct_data()
{
    QTest::addColumn<Make>("make");
    // Pick-only lists that must be chosen, so they offer no empty entry.
    QTest::addColumn<QStringList>("required");
    QTest::newRow("image") << make<CImgDlg>() << QStringList();
    QTest::newRow("background") << make<CBackColorDlg>() << QStringList();
    QTest::newRow("sound") << make<CSoundDlg>() << QStringList();
    QTest::newRow("link") << make<CLinkDlg>() << QStringList();
    QTest::newRow("applet") << make<CAppletDlg>() << QStringList();
    QTest::newRow("marquee") << make<CMarqueeDlg>() << QStringList{"behaviour", "direction"};
    QTest::newRow("meta") << make<CMetaDlg>() << QStringList();
    QTest::newRow("frames") << make<CFramesDlg>() << QStringList();
    QTest::newRow("tables") << make<CTableDlg>() << QStringList();
    QTest::newRow("ordered") << make<CListDlg1>() << QStringList{"type"};
    QTest::newRow("unordered") << make<CUListDlg>() << QStringList{"type"};
    QTest::newRow("controls") << make<CControlsDlg>() << QStringList();
    QTest::newRow("media") << make<CMediaDlg>() << QStringList{"element"};
    QTest::newRow("picture") << make<CPictureDlg>() << QStringList();
    // The size list's "Normal" entry is its way back.
    QTest::newRow("formatted text") << make<CFontDlg>() << QStringList{"*"};
}

void TestFormConduct::conduct()
{
    QFETCH(Make, make);
    QFETCH(QStringList, required);
    const auto form = make();
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));

    QWidget *start = focused();
    QVERIFY(start && isEditable(start));
    const QList<QWidget *> round = tabRound(*form);
    QVERIFY(round.last() == form->findChildren<QPushButton *>().constFirst() ||
            qobject_cast<QPushButton *>(round.last()));
    for (QWidget *w : round) {
        if (w == start)
            break;
        QVERIFY2(!isEditable(w), qPrintable(w->objectName()));
    }
    for (qsizetype i = 1; i < round.size(); ++i)
        QVERIFY2(followsVisually(round[i - 1], round[i], form.get()),
                 qPrintable(round[i - 1]->objectName() + " -> " + round[i]->objectName()));

    // Every field caption and check box has a mnemonic; a radio button, which the arrow keys
    // reach as well, has one where a letter is left. None is used twice.
    QString taken;
    auto marked = [&taken](const QString &caption, bool needed) {
        const QChar key = mnemonic(caption);
        QVERIFY2(!needed || !key.isNull(), qPrintable(caption));
        if (key.isNull())
            return;
        QVERIFY2(!taken.contains(key), qPrintable(caption));
        taken += key;
    };
    for (QLabel *label : form->findChildren<QLabel *>())
        if (label->buddy())
            marked(label->text(), true);
    for (QCheckBox *box : form->findChildren<QCheckBox *>())
        marked(box->text(), true);
    for (QRadioButton *radio : form->findChildren<QRadioButton *>())
        marked(radio->text(), false);

    if (required == QStringList{"*"})
        return;
    for (QComboBox *list : form->findChildren<QComboBox *>()) {
        if (list->isEditable() || required.contains(list->objectName()))
            continue;
        QVERIFY2(list->itemText(0).isEmpty(), qPrintable(list->objectName()));
        QCOMPARE(list->currentText(), QString());
    }
}

void TestFormConduct::readOnlyLooksIt()
{
    CImgDlg form;
    form.show();
    auto *image = form.findChild<QLineEdit *>("imageSource");
    auto *video = form.findChild<QLineEdit *>("videoSource");
    const auto base = [](QLineEdit *field) { return field->palette().color(QPalette::Base); };
    QVERIFY(video->isReadOnly());
    QVERIFY(base(video) != base(image));
    QCOMPARE(base(video), form.palette().color(QPalette::Window));
    QTest::mouseClick(form.findChild<QCheckBox *>("video"), Qt::LeftButton);
    QVERIFY(image->isReadOnly());
    QCOMPARE(base(image), form.palette().color(QPalette::Window));
    QCOMPARE(base(video), form.palette().color(QPalette::Base));
}

QTEST_MAIN(TestFormConduct)
#include "tst_formconduct.moc"
