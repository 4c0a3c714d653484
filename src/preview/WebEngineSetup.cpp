#include "WebEngineSetup.h"

#include "PreviewSchemeHandler.h"
#include "chromiumflags.h"

#include <QByteArray>
#include <QCoreApplication>

#include <string>
#include <vector>

#include <unistd.h>

namespace {

// The platform Qt will start on, from "-platform NAME" or QT_QPA_PLATFORM.
QByteArray chosenPlatform(int argc, char **argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return QByteArray(argv[i + 1]);
    return qgetenv("QT_QPA_PLATFORM");
}

// Windows of a platform without a screen have no OpenGL to draw through.
bool drawsOnScreen(const QByteArray &platform)
{
    return !platform.startsWith("offscreen") && !platform.startsWith("minimal");
}

} // namespace

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
    // The browser draws through OpenGL; a window whose widgets are drawn without it gets
    // black menus, toolbar and status bar (software OpenGL: virtual machines, remote desktops)
    // once a preview appears in it. Drawn through OpenGL from the start, the window stays
    // whole.
    if (!qEnvironmentVariableIsSet("QT_WIDGETS_RHI") && drawsOnScreen(chosenPlatform(argc, argv)))
        qputenv("QT_WIDGETS_RHI", "1");
    CPreviewSchemeHandler::registerScheme();
}
