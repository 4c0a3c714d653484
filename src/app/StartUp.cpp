#include "StartUp.h"

#include "DesktopOpener.h"
#include "DocManager.h"
#include "MainFrame.h"
#include "NetworkSeal.h"
#include "PreviewProfile.h"
#include "TarnelApp.h"
#include "TerminationSignals.h"
#include "WebEngineSetup.h"
#include "checkcommand.h"
#include "commandids.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The usage text is the program's own (it prints it for a wrong --check line too).
QString usageText()
{
    const std::string_view usage = tarnel::UsageText();
    return QCoreApplication::translate("StartUp", std::string(usage).c_str());
}

// Console texts are translated too; without a translator they come out as written.
QString startUpText(const char *text)
{
    return QCoreApplication::translate("StartUp", text);
}

bool hasDisplay()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    bool optionsEnded = false;
    for (const QString &arg : arguments) {
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded &&
                   (arg == QLatin1String("-h") || arg == QLatin1String("--help"))) {
            line.action = CommandLine::Help;
            return line;
        } else if (!optionsEnded &&
                   (arg == QLatin1String("-v") || arg == QLatin1String("--version"))) {
            line.action = CommandLine::Version;
            return line;
        } else if (!optionsEnded && arg == QLatin1String("--advice")) {
            // The program runs --check itself: here it can only be missing.
            line.action = CommandLine::Error;
            line.error = startUpText("--advice goes with --check.");
            return line;
        } else if (!optionsEnded && arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            // Qt's own options (-platform, -style, ...) are taken by QApplication first.
            continue;
        } else {
            line.pages.append(arg);
        }
    }
    if (line.pages.size() > 1) {
        line.action = CommandLine::Error;
        line.error = startUpText("Only one page can be opened from the command line.");
    }
    return line;
}

int tarnelMain(int argc, char **argv)
{
    QStringList raw;
    for (int i = 1; i < argc; ++i)
        raw.append(QString::fromLocal8Bit(argv[i]));
    // Help and version need no display, so they are answered before Qt starts.
    const CommandLine early = parseCommandLine(raw);
    if (early.action == CommandLine::Help) {
        std::fputs(qPrintable(usageText()), stdout);
        return 0;
    }
    if (early.action == CommandLine::Version) {
        std::puts(qPrintable(startUpText("Tarnel Version 1.0")));
        return 0;
    }
    if (early.action == CommandLine::Error && raw.contains(QLatin1String("--advice"))) {
        std::fprintf(stderr, "tarnel: %s\n%s", qPrintable(early.error), qPrintable(usageText()));
        return 2;
    }

    // Before Qt starts a thread or opens a connection.
    const netseal::Outcome seal = netseal::sealProcess();
    if (!seal.sealed)
        CPreviewProfile::barPageScripts();
    prepareWebEngine(argc, argv);
    QApplication application(argc, argv);
    CDesktopOpener opener(seal.launcher);
    const CommandLine line = parseCommandLine(application.arguments().mid(1));
    if (line.action == CommandLine::Error) {
        std::fprintf(stderr, "tarnel: %s\n%s", qPrintable(line.error), qPrintable(usageText()));
        return 2;
    }

    CTarnelApp app;
    if (!app.InitInstance(line.pages)) {
        const QString message = app.errorString();
        std::fprintf(stderr, "tarnel: %s\n", qPrintable(message));
        if (hasDisplay())
            QMessageBox::critical(nullptr, startUpText("Editor"), message);
        return 1;
    }
    // A profile key, not an option: it lets a run from outside (the tests) show the first
    // page's live preview without a key being pressed.
    if (QSettings().value(QStringLiteral("LivePreview/OpenAtStart")).toBool())
        if (QAction *live = app.mainFrame()->action(tarnel::ID_VIEW_LIVE_PREVIEW))
            live->trigger();
    if (!seal.sealed) {
        QString why = startUpText(seal.reason);
        if (seal.error)
            why += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(std::strerror(seal.error)));
        const QString text = startUpText("Previews run no page scripts: %1.").arg(why);
        std::fprintf(stderr, "tarnel: %s\n", qPrintable(text));
        app.mainFrame()->statusBar()->showMessage(text, 30000);
    }
    CDocManager *documents = app.docManager();
    documents->offerRecovery();
    // Only now: a signal handled while the restore question is open would end the question
    // without a Yes, and that discards the copy it asked about.
    CTerminationSignals termination;
    QObject::connect(&termination, &CTerminationSignals::received, documents,
                     &CDocManager::endRunKeepingRecovery);
    return application.exec();
}
