// Opening and typing into large pages through the real editor, offscreen:
//   a page of many lines (default 100 MB) and a minified page on one line (default 5 MB).
// Prints the time to open and the median time of a key press with its repaint, for the view
// as it is and for the one-line page with the Scintilla settings that could help (wrapping
// does not: it makes every key dearer).
// Usage: bench_shell_bigpages [lines-megabytes] [one-line-megabytes]

#include "shellbench.h"

#include <QTemporaryDir>

#include <cstdlib>

using namespace shellbench;

namespace {

std::string ManyLines(std::size_t bytes)
{
    const std::string line =
        "<P CLASS=\"x\">Some text with <B>bold</B> and a <A HREF=\"page.htm\">link</A>.</P>\r\n";
    std::string page;
    page.reserve(bytes + line.size());
    while (page.size() < bytes)
        page += line;
    return page;
}

std::string OneLine(std::size_t bytes)
{
    const std::string piece = "<div class=\"c\"><img src=\"a.gif\"><b>bold</b> text</div>";
    std::string page;
    page.reserve(bytes + piece.size());
    while (page.size() < bytes)
        page += piece;
    return page;
}

// Medians over `keys` presses of the key handling, the queued events and the repaint.
KeyTimes MedianKey(CTarnelView *view, int keys)
{
    std::vector<double> key, events, repaint;
    for (int i = 0; i < keys; ++i) {
        const KeyTimes t = TimedKey(view, Qt::Key_X, QStringLiteral("x"));
        key.push_back(t.key);
        events.push_back(t.events);
        repaint.push_back(t.repaint);
    }
    return {Median(key), Median(events), Median(repaint)};
}

void Measure(const char *label, const std::string &page, const QString &path,
             const std::function<void(CTarnelView *)> &setUp = {})
{
    if (!WriteFile(path, page))
        return;
    CTarnelApp app;
    app.docManager()->askSaveChanges = [](CTarnelDoc *) {
        return 0x00010000; /* QMessageBox::No */
    };
    QElapsedTimer clock;
    clock.start();
    if (!app.InitInstance({path}, false))
        return;
    app.mainFrame()->show();
    QApplication::processEvents();
    CTarnelView *view = ActiveView(app);
    view->setFocus();
    view->viewport()->repaint();
    const double openMs = clock.nsecsElapsed() / 1e6;
    if (setUp)
        setUp(view);
    view->SendScintilla(QsciScintillaBase::SCI_GOTOPOS,
                        static_cast<unsigned long>(page.size() / 2));
    view->viewport()->repaint();
    // The first key may rewrite every name on its line in the lists' letter case.
    const KeyTimes first = TimedKey(view, Qt::Key_X, QStringLiteral("x"));
    const KeyTimes key = MedianKey(view, 9);
    std::printf("%-40s %6.1f MB  open %6.0f ms  first key %7.1f ms, key median %7.2f ms, then "
                "events %7.2f ms, repaint %7.2f ms\n",
                label, page.size() / 1e6, openMs, first.key + first.events + first.repaint,
                key.key, key.events, key.repaint);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const double linesMb = argc > 1 ? std::atof(argv[1]) : 100;
    const double oneLineMb = argc > 2 ? std::atof(argv[2]) : 5;
    QApplication application(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath("big.htm");

    const std::string lines = ManyLines(std::size_t(linesMb * 1e6));
    Measure("many lines", lines, path);
    const std::string minified = OneLine(std::size_t(oneLineMb * 1e6));
    Measure("one line, as the view is", minified, path);
    Measure("one line, layout cache for the document", minified, path, [](CTarnelView *view) {
        view->SendScintilla(QsciScintillaBase::SCI_SETLAYOUTCACHE,
                            static_cast<unsigned long>(QsciScintillaBase::SC_CACHE_DOCUMENT));
    });
    Measure("one line, position cache of 64k entries", minified, path, [](CTarnelView *view) {
        view->SendScintilla(QsciScintillaBase::SCI_SETPOSITIONCACHE, 65536UL);
    });
    Measure("one line, wrapped", minified, path, [](CTarnelView *view) {
        view->setWrapMode(QsciScintilla::WrapWord);
    });
    return 0;
}
