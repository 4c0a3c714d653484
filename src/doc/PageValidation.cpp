#include "PageValidation.h"

#include "pagetext.h"

#include <QFile>
#include <QFileInfo>

tarnel::Validation validatePage(std::string_view bytes, const QString &pagePath, bool withAdvice)
{
    tarnel::CheckContext context;
    context.withAdvice = withAdvice;
    context.utf8 = tarnel::IsValidUtf8(bytes);
    if (!pagePath.isEmpty()) {
        const QByteArray folder = QFile::encodeName(QFileInfo(pagePath).absolutePath());
        context.pageFolder = std::filesystem::path(folder.toStdString());
    }
    tarnel::FileLookup files;
    return tarnel::ValidatePage(bytes, context, files);
}
