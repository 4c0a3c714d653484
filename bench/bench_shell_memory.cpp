// Peak resident memory while a large page (default 100 MB) is open in the real editor and
// coloured. The goal: under 4 times the file size plus 200 MB.
// Usage: bench_shell_memory [megabytes]

#include "shellbench.h"

#include "SiteTree.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdlib>

using namespace shellbench;

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const double megabytes = argc > 1 ? std::atof(argv[1]) : 100;
    // "plain": lines without images or links, to tell the text's share from the outline's.
    const bool plain = argc > 2 && std::string(argv[2]) == "plain";
    QApplication application(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath("big.htm");
    std::size_t size = 0;
    {
        const std::string line =
            plain ? "<P CLASS=\"x\">Some text with <B>bold</B> and no link or image at all.</P>\r\n"
                  : "<P CLASS=\"x\">Some text with <B>bold</B> and a "
                    "<A HREF=\"page.htm\">link</A> <IMG SRC=\"a.gif\">.</P>\r\n";
        std::string page;
        page.reserve(std::size_t(megabytes * 1e6) + line.size());
        while (page.size() < megabytes * 1e6)
            page += line;
        size = page.size();
        if (!WriteFile(path, page))
            return 1;
    }
    const double before = CurrentMegabytes();
    std::printf("before opening: resident %.0f MB\n", before);

    CTarnelApp app;
    app.docManager()->askSaveChanges = [](CTarnelDoc *) {
        return 0x00010000; /* QMessageBox::No */
    };
    if (!app.InitInstance({path}, false))
        return 1;
    app.mainFrame()->show();
    QApplication::processEvents();
    CTarnelView *view = ActiveView(app);
    view->viewport()->repaint();
    std::printf("opened: resident %.0f MB, peak %.0f MB\n", CurrentMegabytes(), PeakMegabytes());

    // The view colours the page as it opens it; a key press recolours its line.
    TimedKey(view, Qt::Key_X, QStringLiteral("x"));
    // The key moved every element after it: let the outline's rescan run and refill it.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    CSiteTree *outline = app.mainFrame()->findChild<CSiteTree *>();
    std::printf("outline: %d images, %d links\n",
                outline ? outline->entryCount(CSiteTree::Images) : -1,
                outline ? outline->entryCount(CSiteTree::Hyperlinks) : -1);
    const double peak = PeakMegabytes();
    const double goal = 4 * size / 1e6 + 200;
    std::printf(
        "page %.0f MB: peak resident %.0f MB (%.0f MB above the start), goal under %.0f MB: %s\n",
        size / 1e6, peak, peak - before, goal, peak < goal ? "met" : "MISSED");
    return 0;
}
