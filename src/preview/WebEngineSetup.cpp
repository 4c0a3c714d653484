#include "WebEngineSetup.h"

#include "chromiumflags.h"

#include <QByteArray>
#include <QCoreApplication>

#include <string>
#include <vector>

#include <unistd.h>

void prepareWebEngine(int argc, char **argv)
{
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i)
        arguments.emplace_back(argv[i]);
    const QByteArray existing = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    const std::string flags = tarnel::ChromiumFlags(
        std::string_view(existing.constData(), static_cast<std::size_t>(existing.size())),
        arguments);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", QByteArray::fromStdString(flags));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
