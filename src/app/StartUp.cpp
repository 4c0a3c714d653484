#include "StartUp.h"

#include "BrowserEnvironment.h"
#include "DesktopOpener.h"
#include "DocManager.h"
#include "InstanceChannel.h"
#include "MainFrame.h"
#include "NetworkSeal.h"
#include "PreviewModule.h"
#include "TarnelApp.h"
#include "TerminationSignals.h"
#include "Translations.h"
#include "checkcommand.h"
#include "commandids.h"
#include "commandline.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

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

int tarnelMain(int argc, char **argv)
{
    const std::vector<std::string> raw(argv + 1, argv + argc);
    std::error_code noFolder;
    const tarnel::WindowCommandLine line =
        tarnel::ReadWindowCommandLine(raw, std::filesystem::current_path(noFolder).string());
    // Help and version need no display, so they are answered before Qt starts.
    if (line.action == tarnel::WindowCommandLine::Action::Help) {
        std::fputs(qPrintable(usageText()), stdout);
        return 0;
    }
    if (line.action == tarnel::WindowCommandLine::Action::Version) {
        std::puts(qPrintable(startUpText("Tarnel Version 1.0")));
        return 0;
    }
    if (line.action == tarnel::WindowCommandLine::Action::Error) {
        std::fprintf(stderr, "tarnel: %s\n%s", qPrintable(startUpText(line.error.c_str())),
                     qPrintable(usageText()));
        return 2;
    }
    QStringList pages;
    for (const std::string &page : line.pages)
        pages.append(QFile::decodeName(page.c_str()));

    // Before Qt starts a thread or opens a connection.
    const netseal::Outcome seal = netseal::sealProcess();
    if (!seal.sealed)
        barPreviewPageScripts();
    prepareBrowserEnvironment(argc, argv);
    QApplication application(argc, argv);
    installTranslations(QLocale());
    CDesktopOpener opener(seal.launcher);
    // A later start gives its pages to the editor already running and ends.
    CInstanceChannel channel;
    if (channel.claim(pages) == CInstanceChannel::Claim::HandedOver)
        return 0;

    CTarnelApp app;
    if (!app.InitInstance(pages, true, true)) {
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
    // Only after the restore question InitInstance asked: a signal handled while it is open
    // would end the question without a Yes, and that discards the copy it asked about.
    CTerminationSignals termination;
    QObject::connect(&termination, &CTerminationSignals::received, documents, [&app, documents] {
        app.mainFrame()->rememberForNextStart();
        documents->endRunKeepingRecovery();
    });
    QObject::connect(&channel, &CInstanceChannel::pagesHandedOver, &app,
                     &CTarnelApp::answerLaterStart);
    channel.startAnswering();
    return application.exec();
}
