#include "PageFile.h"

#include "pagefile.h"

#include <QCoreApplication>

#include <unistd.h>

bool openPageFile(const QString &path, QFile &file, QString *reason)
{
    const tarnel::OpenedPageFile opened =
        tarnel::OpenPageFile(QFile::encodeName(path).toStdString());
    switch (opened.refusal) {
    case tarnel::PageFileRefusal::None:
        break;
    case tarnel::PageFileRefusal::Folder:
        *reason = QCoreApplication::translate("PageFile", "It is a folder.");
        return false;
    case tarnel::PageFileRefusal::NotRegularFile:
        *reason = QCoreApplication::translate("PageFile", "It is not a regular file.");
        return false;
    case tarnel::PageFileRefusal::SystemError:
        *reason = qt_error_string(opened.error);
        return false;
    }
    file.setFileName(path);
    if (!file.open(opened.fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(opened.fd);
        *reason = file.errorString();
        return false;
    }
    return true;
}
