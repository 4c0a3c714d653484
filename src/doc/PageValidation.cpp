#include "PageValidation.h"

#include "checkcommand.h"

#include <QCoreApplication>
#include <QFile>

tarnel::Validation validatePage(std::string_view bytes, const QString &pagePath, bool withAdvice)
{
    return tarnel::ValidatePageAt(bytes, QFile::encodeName(pagePath).toStdString(), withAdvice);
}

QString findingMessage(const tarnel::Finding &finding)
{
    if (finding.text.empty())
        return QString::fromStdString(finding.message);
    const QString translated =
        QCoreApplication::translate("tarnel", std::string(finding.text).c_str());
    return QString::fromStdString(tarnel::FillIn(translated.toStdString(), finding.arguments));
}
