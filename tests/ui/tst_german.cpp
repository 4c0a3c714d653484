// The German translation wired in: the program's own loading puts the menus, a form and the
// messages into German, and the forms write the same bytes whatever the language.
#include "ControlsDlg.h"
#include "FindService.h"
#include "FontDlg.h"
#include "ImgDlg.h"
#include "PageValidation.h"
#include "Translations.h"
#include "UiTestSupport.h"
#include "commandids.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTranslator>
#include <QtTest>

namespace {

void useLanguage(const QLocale &locale)
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QVERIFY(installTranslations(locale) || locale.language() == QLocale::English);
}

QStringList labelsOf(QWidget *form)
{
    QStringList shown;
    for (const QLabel *label : form->findChildren<QLabel *>())
        shown << label->text();
    return shown;
}

// The formatted-text form with a choice made in each of its translated inputs: the alignment
// buttons and the style list (by position), the text typed.
std::string formattedText()
{
    CFontDlg form;
    form.show();
    form.findChild<QRadioButton *>(QStringLiteral("right"))->click();
    auto *styles = form.findChild<QComboBox *>(QStringLiteral("styles"));
    styles->setCurrentIndex(0);
    QTest::keyClick(styles, Qt::Key_Down); // "Bold", as the user picks it
    QTest::keyClicks(form.findChild<QPlainTextEdit *>(QStringLiteral("text")), "Hallo");
    form.accept();
    return form.result();
}

// The controls form's third type (its buttons are captioned in the user's language).
std::string control()
{
    CControlsDlg form;
    form.show();
    form.findChildren<QRadioButton *>().at(2)->click();
    QTest::keyClicks(form.findChild<QLineEdit *>(QStringLiteral("name")), "upload");
    QTest::keyClicks(form.findChild<QLineEdit *>(QStringLiteral("title")), "Datei");
    form.accept();
    return form.resultText();
}

} // namespace

class TestGerman : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { useLanguage(QLocale(QLocale::English)); }

    void menusFormsAndMessagesAreGerman()
    {
        useLanguage(QLocale(QLocale::German, QLocale::Germany));
        uitest::Editor editor;
        QVERIFY(editor.start());
        QCOMPARE(editor.frame()->menuBar()->actions().first()->text(), QStringLiteral("&Datei"));
        QCOMPARE(editor.frame()->action(tarnel::ID_FILE_SAVE)->text(),
                 QStringLiteral("&Speichern\tCtrl+S"));
        QCOMPARE(editor.frame()->action(tarnel::ID_FILE_SAVE_AS)->text(),
                 QStringLiteral("Speichern &unter...\tCtrl+Shift+S"));

        CImgDlg image;
        QCOMPARE(image.windowTitle(), QStringLiteral("Bild"));
        QVERIFY2(labelsOf(&image).contains(QStringLiteral("Bildquelle")),
                 qPrintable(labelsOf(&image).join(", ")));

        FindOptions find;
        find.what = QStringLiteral("xyz");
        QCOMPARE(CFindService::notFoundMessage(find),
                 QStringLiteral("Die Zeichenfolge „xyz“ wurde nicht gefunden."));

        QTemporaryDir folder;
        const tarnel::Validation checked =
            validatePage("<img src=\"nope.png\">", folder.filePath(QStringLiteral("page.htm")));
        QStringList messages;
        for (const tarnel::Finding &finding : checked.findings)
            messages << findingMessage(finding);
        QVERIFY2(messages.contains(QStringLiteral("fehlende Datei \"nope.png\"")),
                 qPrintable(messages.join('\n')));
    }

    void formsWriteTheSameBytesInEitherLanguage()
    {
        useLanguage(QLocale(QLocale::English));
        const std::string englishText = formattedText();
        const std::string englishControl = control();
        useLanguage(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(formattedText(), englishText);
        QCOMPARE(control(), englishControl);
        QVERIFY(englishText.find("<B>") != std::string::npos);
        QVERIFY(englishControl.find("FILE") != std::string::npos);
    }
};

QTEST_MAIN(TestGerman)
#include "tst_german.moc"
