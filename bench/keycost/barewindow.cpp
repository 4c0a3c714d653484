// The anchor of the key-cost benchmark: a bare QScintilla window with its own HTML colouring,
// nothing else, showing the page named on the command line with the caret at its end.
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QFile>
#include <QFontDatabase>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QsciScintilla editor;
    QsciLexerHTML lexer;
    lexer.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    editor.setLexer(&lexer);
    editor.setMarginLineNumbers(0, true);
    editor.setMarginWidth(0, QStringLiteral("_999999"));
    editor.setWindowTitle(QStringLiteral("Bare QScintilla"));
    if (argc > 1) {
        QFile page(QString::fromLocal8Bit(argv[1]));
        if (page.open(QIODevice::ReadOnly))
            editor.SendScintilla(QsciScintillaBase::SCI_SETTEXT, page.readAll().constData());
    }
    editor.SendScintilla(QsciScintillaBase::SCI_DOCUMENTEND);
    editor.showMaximized();
    return application.exec();
}
