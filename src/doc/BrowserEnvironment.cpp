#include "BrowserEnvironment.h"

#include "chromiumflags.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLoggingCategory>

#include <filesystem>
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

// Whether OpenGL here is drawn by the processor (a virtual machine, a remote desktop, a
// machine without a graphics driver): asked for, or no graphics device to draw with, or a
// display reached over the network.
bool openGlIsSoftware()
{
    if (qEnvironmentVariableIntValue("LIBGL_ALWAYS_SOFTWARE") != 0)
        return true;
    const QByteArray display = qgetenv("DISPLAY");
    if (!display.isEmpty() && !display.startsWith(':') && !display.startsWith("unix:"))
        return true;
    std::error_code error;
    for (const auto &device : std::filesystem::directory_iterator("/dev/dri", error))
        if (device.path().filename().string().starts_with("renderD") &&
            ::access(device.path().c_str(), R_OK | W_OK) == 0)
            return false;
    return true;
}

} // namespace

void prepareBrowserEnvironment(int argc, char **argv)
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
    // A browser drawn through OpenGL turns its window over to being composed through OpenGL,
    // and a window turned over once shown keeps black menus, toolbar and status bar: such a
    // window is composed through OpenGL from the start. Where OpenGL is software, that
    // composition repaints the whole window on every key, at tens of milliseconds a key; there
    // the browser draws with the processor instead, as the OpenGL would anyway, and the window
    // is drawn without OpenGL.
    const bool chosenByUser = qEnvironmentVariableIsSet("QT_WIDGETS_RHI") ||
                              qEnvironmentVariableIsSet("QT_QUICK_BACKEND");
    if (!chosenByUser && drawsOnScreen(chosenPlatform(argc, argv))) {
        if (openGlIsSoftware())
            qputenv("QT_QUICK_BACKEND", "software");
        else
            qputenv("QT_WIDGETS_RHI", "1");
    }
    // The engine writes out its OpenGL set-up each time a first preview starts; asked for
    // with QT_LOGGING_RULES, which comes before this, it still does.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    // A browser drawn through OpenGL shares the window's contexts, and the context they share
    // is made as the application starts. One drawn with the processor needs none: making it
    // would load the OpenGL driver at every start, as long again as the rest of a start.
    if (!qgetenv("QT_QUICK_BACKEND").startsWith("software"))
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
