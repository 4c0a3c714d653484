#include "PageValidation.h"

#include "checkcommand.h"

#include <QFile>

tarnel::Validation validatePage(std::string_view bytes, const QString &pagePath, bool withAdvice)
{
    return tarnel::ValidatePageAt(bytes, QFile::encodeName(pagePath).toStdString(), withAdvice);
}
