// How long the window stalls while a large page's (default 100 MB) crash recovery copy is
// written, in the real editor offscreen. Medians over a few runs of:
//   - the copy written in one go on the main thread, syncing included (how the timed copy
//     used to be written; writeNow still works so);
//   - the timed copy: the longest single event-loop turn from the copy's start until it is
//     in place, with how many turns it took and how long until it landed.
// Then the peak resident memory.
// Usage: bench_shell_recovery [megabytes] [runs] [slice-kilobytes, the editor's own if absent]

#include "shellbench.h"

#include "RecoveryStore.h"

#include <QTemporaryDir>

#include <cstdlib>

using namespace shellbench;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const double megabytes = argc > 1 ? std::atof(argv[1]) : 100;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const qsizetype sliceKilobytes = argc > 3 ? std::atoi(argv[3]) : 0;
    QApplication application(argc, argv);
    QTemporaryDir dir;
    // The copies go to a folder of this run, not the user's.
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath("data")));
    qputenv("TARNEL_RECOVERY_DELAY_MS", "0");
    const QString path = dir.filePath("big.htm");
    {
        const std::string line =
            "<P CLASS=\"x\">Some text with <B>bold</B> and no link or image at all.</P>\r\n";
        std::string page;
        page.reserve(std::size_t(megabytes * 1e6) + line.size());
        while (page.size() < megabytes * 1e6)
            page += line;
        if (!WriteFile(path, page))
            return 1;
    }

    CTarnelApp app;
    app.docManager()->askSaveChanges = [](CTarnelDoc *) {
        return 0x00010000; /* QMessageBox::No */
    };
    if (!app.InitInstance({path}, false))
        return 1;
    app.mainFrame()->show();
    QApplication::processEvents();
    CTarnelView *view = ActiveView(app);
    CTarnelDoc *doc = view->GetDocument();
    CRecoveryStore *store = app.docManager()->recovery();
    const QString copy = store->copyPathOf(doc);
    if (sliceKilobytes > 0)
        store->setSliceBytes(sliceKilobytes * 1024);
    view->setFocus();
    view->SendScintilla(QsciScintillaBase::SCI_GOTOPOS,
                        static_cast<unsigned long>(doc->textLength() / 2));

    std::vector<double> oneGo;
    for (int i = 0; i < runs; ++i) {
        TimedKey(view, Qt::Key_X, QStringLiteral("x"));
        QElapsedTimer clock;
        clock.start();
        if (!store->writeNow(doc))
            return 1;
        oneGo.push_back(clock.nsecsElapsed() / 1e6);
    }

    std::vector<double> longestTurn, turnCounts, untilLanded;
    for (int i = 0; i < runs; ++i) {
        QFile::remove(copy);
        TimedKey(view, Qt::Key_X, QStringLiteral("x"));
        double longest = 0;
        int turns = 0;
        QElapsedTimer total;
        total.start();
        while (!QFile::exists(copy)) {
            QElapsedTimer turn;
            turn.start();
            QApplication::processEvents();
            longest = std::max(longest, turn.nsecsElapsed() / 1e6);
            ++turns;
        }
        untilLanded.push_back(total.nsecsElapsed() / 1e6);
        longestTurn.push_back(longest);
        turnCounts.push_back(turns);
    }
    std::printf("page %.0f MB, %d runs, medians:\n", doc->textLength() / 1e6, runs);
    std::printf("  copy in one go on the main thread:  stall %7.1f ms\n", Median(oneGo));
    std::printf("  timed copy in slices:               longest turn %7.1f ms, copy in place "
                "after %7.0f ms (%.0f turns)\n",
                Median(longestTurn), Median(untilLanded), Median(turnCounts));
    std::printf("  peak resident memory: %.0f MB\n", PeakMegabytes());
    return 0;
}
