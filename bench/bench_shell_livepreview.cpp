// The live preview with the real embedded browser: from the end of a pause in typing to the
// frame showing the new text painted (the page reports its second animation frame after the
// patch), beside the time to the patch applied, on a 100 KB and a 1 MB page; and from a caret
// move to its element outlined. The anchor is marking the page in the core. In a real window
// when DISPLAY names an X server, else offscreen.

#include "LivePreview.h"
#include "PreviewProfile.h"
#include "TarnelDoc.h"
#include "TarnelView.h"
#include "WebEngineSetup.h"
#include "benchpage.h"
#include "benchstats.h"
#include "livepreview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>

#include <functional>

namespace {

// Runs the event loop until `signal` of `sender` comes; false after 30 s.
template <class Signal> bool waitFor(const CLivePreview *sender, Signal signal)
{
    QEventLoop loop;
    bool came = false;
    QObject::connect(sender, signal, &loop, [&] {
        came = true;
        loop.quit();
    });
    QTimer::singleShot(30000, &loop, &QEventLoop::quit);
    loop.exec();
    return came;
}

// Runs the event loop until `done` holds; false after 30 s.
bool waitUntil(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 30000)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

double msSince(const QElapsedTimer &clock)
{
    return clock.nsecsElapsed() / 1e6;
}

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The bench page, or the same without its scripts.
std::string benchPage(std::size_t bytes, bool withScripts)
{
    std::string page = MakeBenchPage(bytes, bytes / 5000);
    const std::string script = "<script>var s = \"<a href=x>\";</script>\n";
    for (std::size_t at; !withScripts && (at = page.find(script)) != std::string::npos;)
        page.erase(at, script.size());
    return page;
}

// A page with scripts is loaded again at each change (what they built stays); one without
// is patched in place.
void measure(std::size_t bytes, bool withScripts)
{
    const std::string page = benchPage(bytes, withScripts);
    CTarnelDoc doc;
    doc.OnNewDocument();
    doc.setInitialText(page);
    CTarnelView view(&doc);
    CPreviewProfile profile;
    CLivePreview preview(&doc, &profile);
    preview.resize(800, 600);
    preview.show();
    if (!waitFor(&preview, &CLivePreview::updated)) {
        std::printf("the page never loaded\n");
        return;
    }
    const double anchor = MedianMs(9, [&] { (void)tarnel::MarkForPreview(doc.textView()); });

    std::vector<double> updates, paints, carets;
    const std::size_t body = page.find("<p class");
    QElapsedTimer clock;
    double updatedAt = -1, paintedAt = -1;
    int outlined = 0;
    QObject::connect(&preview, &CLivePreview::updated, &preview,
                     [&] { updatedAt = msSince(clock); });
    QObject::connect(&preview, &CLivePreview::painted, &preview,
                     [&] { paintedAt = msSince(clock); });
    QObject::connect(&preview, &CLivePreview::caretShown, &preview, [&] { ++outlined; });
    for (int i = 0; i < 9; ++i) {
        view.selectBytes(body, body);
        updatedAt = paintedAt = -1;
        outlined = 0;
        view.InsertSnippet("<P>typed " + std::to_string(i) + "</P>", false);
        clock.start();
        if (!waitUntil([&] { return updatedAt >= 0 && paintedAt >= 0; })) {
            std::printf("the preview never caught up with typing\n");
            break;
        }
        updates.push_back(updatedAt - CLivePreview::kPauseMs);
        paints.push_back(paintedAt - CLivePreview::kPauseMs);
        // The element at the caret is outlined once the preview is in step; a move after
        // that is what is measured.
        waitUntil([&] { return outlined > 0; });

        outlined = 0;
        clock.restart();
        preview.followCaret(page.size() / 2 + i * 100);
        if (!waitUntil([&] { return outlined > 0; })) {
            std::printf("the caret's element was never outlined\n");
            break;
        }
        carets.push_back(msSince(clock));
    }
    if (updates.empty() || carets.empty())
        return;
    const double paint = median(paints);
    std::printf(
        "ROW live preview, %.1f MB %s (%s): pause end to frame painted %.0f ms (goal < %d), "
        "%.1fx marking the page (%.1f ms); to patch applied %.0f ms; caret to outline "
        "%.0f ms (goal < 50)\n",
        page.size() / 1e6, withScripts ? "with scripts, loaded again" : "patched",
        qPrintable(QGuiApplication::platformName()), paint, bytes > 500'000 ? 400 : 100,
        paint / anchor, anchor, median(updates), median(carets));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareWebEngine(argc, argv);
    QApplication app(argc, argv);
    for (const bool withScripts : {false, true}) {
        measure(100'000, withScripts);
        measure(1'000'000, withScripts);
    }
    return 0;
}
