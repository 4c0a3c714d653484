#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

bool installTranslation(const QLocale &locale, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

} // namespace

bool installTranslations(const QLocale &locale)
{
    const QString system = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // "qt" gathers Qt's modules (qtbase, qtwebengine, ...) that are installed.
    installTranslation(locale, QStringLiteral("qt"), system);
    installTranslation(locale, QStringLiteral("qscintilla"), system);
    return installTranslation(locale, QStringLiteral("tarnel"), QStringLiteral(":/i18n"));
}
