// The live preview with the real embedded browser, offscreen: from the end of a pause in
// typing to the preview showing the new text (patched in place), on a 100 KB and a 1 MB page,
// and from a caret move to its element outlined. The anchor is marking the page in the core.

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
#include <QTimer>

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

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void measure(std::size_t bytes)
{
    const std::string page = MakeBenchPage(bytes, bytes / 5000);
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

    std::vector<double> updates, carets;
    const std::size_t body = page.find("<p class");
    for (int i = 0; i < 9; ++i) {
        view.selectBytes(body, body);
        view.InsertSnippet("<P>typed " + std::to_string(i) + "</P>", false);
        QElapsedTimer clock;
        clock.start();
        if (!waitFor(&preview, &CLivePreview::updated)) {
            std::printf("the preview never caught up with typing\n");
            break;
        }
        updates.push_back(clock.elapsed() - CLivePreview::kPauseMs);
        // The element at the caret is outlined once the preview is in step; a move after
        // that is what is measured.
        waitFor(&preview, &CLivePreview::caretShown);

        clock.restart();
        preview.followCaret(page.size() / 2 + i * 100);
        if (!waitFor(&preview, &CLivePreview::caretShown)) {
            std::printf("the caret's element was never outlined\n");
            break;
        }
        carets.push_back(clock.elapsed());
    }
    if (updates.empty() || carets.empty())
        return;
    const double update = median(updates);
    std::printf("ROW live preview, %.1f MB: pause end to preview updated %.0f ms (goal < %d), "
                "%.1fx marking the page (%.1f ms); caret to outline %.0f ms (goal < 50)\n",
                page.size() / 1e6, update, bytes > 500'000 ? 400 : 100, update / anchor, anchor,
                median(carets));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareWebEngine(argc, argv);
    QApplication app(argc, argv);
    measure(100'000);
    measure(1'000'000);
    return 0;
}
