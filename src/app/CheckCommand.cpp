#include "CheckCommand.h"

#include "PageFile.h"
#include "PageValidation.h"
#include "pagecheck.h"

#include <QCoreApplication>
#include <QFile>

#include <string>

namespace {

QString checkText(const char *text)
{
    return QCoreApplication::translate("CheckCommand", text);
}

bool readPage(const QString &path, QByteArray *bytes, QString *reason)
{
    QFile file;
    if (!openPageFile(path, file, reason))
        return false;
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace

int runCheckCommand(const QStringList &pages, bool advice, std::FILE *out, std::FILE *err)
{
    bool unreadable = false;
    bool anyError = false;
    for (const QString &page : pages) {
        QByteArray bytes;
        QString reason;
        const std::string name = page.toLocal8Bit().toStdString();
        const QString shown = QString::fromLocal8Bit(tarnel::PrintableFileName(name));
        if (!readPage(page, &bytes, &reason)) {
            std::fprintf(err, "tarnel: %s\n",
                         qPrintable(checkText("cannot read %1: %2").arg(shown, reason)));
            unreadable = true;
            continue;
        }
        const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
        const tarnel::Validation validation = validatePage(text, page, advice);
        for (const tarnel::Finding &finding : validation.findings)
            std::fprintf(out, "%s\n", tarnel::FormatFinding(name, finding).c_str());
        if (validation.total > validation.findings.size())
            std::fprintf(err, "tarnel: %s\n",
                         qPrintable(checkText("%1: the first %2 of %3 findings are shown")
                                        .arg(shown)
                                        .arg(validation.findings.size())
                                        .arg(validation.total)));
        anyError = anyError || validation.errors > 0;
    }
    std::fflush(out);
    if (unreadable)
        return 2;
    return anyError ? 1 : 0;
}
