// Opening and typing into large pages through the real editor, offscreen:
//   a page of many lines (default 100 MB) and a minified page on one line (default 5 MB).
// Prints the time to open and the median time of a key press with its repaint, for the view
// as it is and for the one-line page with the Scintilla settings that could help (wrapping
// does not: it makes every key dearer).
// Usage: bench_shell_bigpages [lines-megabytes] [variants]

#include "colourtracker.h"
#include "shellbench.h"

#include <QFontDatabase>
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

struct Opened
{
    double openMs = 0;
    KeyTimes first, key;
};

Opened Measure(const std::string &page, const QString &path,
               const std::function<void(CTarnelView *)> &setUp = {})
{
    Opened result;
    if (!WriteFile(path, page))
        return result;
    CTarnelApp app;
    app.docManager()->askSaveChanges = [](CTarnelDoc *) {
        return 0x00010000; /* QMessageBox::No */
    };
    QElapsedTimer clock;
    clock.start();
    if (!app.InitInstance({path}, false))
        return result;
    app.mainFrame()->show();
    QApplication::processEvents();
    CTarnelView *view = ActiveView(app);
    view->setFocus();
    view->viewport()->repaint();
    result.openMs = clock.nsecsElapsed() / 1e6;
    if (setUp)
        setUp(view);
    view->SendScintilla(QsciScintillaBase::SCI_GOTOPOS,
                        static_cast<unsigned long>(page.size() / 2));
    view->viewport()->repaint();
    // The first key may rewrite every name on its line in the lists' letter case.
    result.first = TimedKey(view, Qt::Key_X, QStringLiteral("x"));
    result.key = MedianKey(view, 9);
    return result;
}

void Print(const char *label, std::size_t bytes, const Opened &o)
{
    std::printf("%-40s %6.1f MB  open %6.0f ms  first key %7.1f ms, key median %7.2f ms, then "
                "events %7.2f ms, repaint %7.2f ms, all %7.2f ms\n",
                label, bytes / 1e6, o.openMs, o.first.total(), o.key.key, o.key.events,
                o.key.repaint, o.key.total());
    std::fflush(stdout);
}

// The anchor: a bare editor window, shown like the view (same font and styles, no
// recolouring), taking the same keys on the same page: what QScintilla itself costs.
KeyTimes BareEditorKey(const std::string &page)
{
    QsciScintilla bare;
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    bare.setFont(font);
    bare.setMarginWidth(1, 0);
    QObject::disconnect(&bare, SIGNAL(SCN_UPDATEUI(int)), &bare, SLOT(handleUpdateUI(int)));
    bare.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK,
                       static_cast<unsigned long>(QsciScintillaBase::SC_MOD_BEFOREINSERT |
                                                  QsciScintillaBase::SC_MOD_BEFOREDELETE));
    bare.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<unsigned long>(page.size()),
                       page.data());
    // Styled once as the view colours it: QScintilla lays a line out a style run at a time.
    tarnel::ColourTracker tracker;
    const tarnel::Recolouring styles = tracker.ColourAll(page);
    bare.SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, 0UL, 0L);
    bare.SendScintilla(QsciScintillaBase::SCI_SETSTYLINGEX,
                       static_cast<unsigned long>(styles.styles.size()),
                       reinterpret_cast<const char *>(styles.styles.data()));
    for (int i = 0; i < tarnel::StyleCount; ++i)
        bare.SendScintilla(QsciScintillaBase::SCI_STYLESETBOLD, static_cast<unsigned long>(i),
                           static_cast<long>(tracker.Engine().Look(tarnel::Style(i)).bold));
    bare.resize(900, 700);
    bare.show();
    bare.setFocus();
    QApplication::processEvents();
    bare.SendScintilla(QsciScintillaBase::SCI_GOTOPOS, static_cast<unsigned long>(page.size() / 2));
    bare.viewport()->repaint();
    TimedKey(&bare, Qt::Key_X, QStringLiteral("x"));
    std::vector<double> key, events, repaint;
    for (int i = 0; i < 9; ++i) {
        const KeyTimes t = TimedKey(&bare, Qt::Key_X, QStringLiteral("x"));
        key.push_back(t.key);
        events.push_back(t.events);
        repaint.push_back(t.repaint);
    }
    return {Median(key), Median(events), Median(repaint)};
}

// The anchor of opening: a bare editor window reading the same file into its text (a piece at
// a time, as the program does) and showing it, uncoloured and without an outline.
double BareEditorOpenMs(const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    QsciScintilla bare;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    // As the program does: reports of changes made would have QScintilla's accessibility
    // bridge count the characters before each piece.
    bare.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK,
                       static_cast<unsigned long>(QsciScintillaBase::SC_MOD_BEFOREINSERT |
                                                  QsciScintillaBase::SC_MOD_BEFOREDELETE));
    bare.SendScintilla(QsciScintillaBase::SCI_SETUNDOCOLLECTION, 0UL);
    bare.SendScintilla(QsciScintillaBase::SCI_ALLOCATE, static_cast<unsigned long>(file.size()));
    for (QByteArray piece = file.read(4 << 20); !piece.isEmpty(); piece = file.read(4 << 20))
        bare.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT,
                           static_cast<unsigned long>(piece.size()), piece.constData());
    bare.resize(900, 700);
    bare.show();
    QApplication::processEvents();
    bare.viewport()->repaint();
    return clock.nsecsElapsed() / 1e6;
}

void OneLineRow(double megabytes, const QString &path)
{
    const std::string minified = OneLine(std::size_t(megabytes * 1e6));
    const Opened ours = Measure(minified, path);
    Print("one line", minified.size(), ours);
    const KeyTimes bare = BareEditorKey(minified);
    std::printf("ROW a key on a %.0f MB one-line page, all its CPU: %.1f ms (goal < %.0f ms); "
                "a bare editor window %.1f ms (key %.1f, events %.1f, repaint %.1f; ratio %.2f)\n",
                megabytes, ours.key.total(), megabytes <= 1 ? 15.0 : 60.0, bare.total(), bare.key,
                bare.events, bare.repaint, ours.key.total() / bare.total());
    std::fflush(stdout);
}

} // namespace

// Usage: bench_shell_bigpages [lines-megabytes] [variants]
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const double linesMb = argc > 1 ? std::atof(argv[1]) : 100;
    const bool variants = argc > 2 && std::string(argv[2]) == "variants";
    QApplication application(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath("big.htm");

    if (linesMb > 0) {
        const std::string lines = ManyLines(std::size_t(linesMb * 1e6));
        const Opened opened = Measure(lines, path);
        Print("many lines", lines.size(), opened);
        const double bare = BareEditorOpenMs(path);
        // A page this big is coloured and read for its outline on second threads: this is
        // until its window shows it, what it shows coloured.
        std::printf("ROW opening %.0f MB until shown: %.0f ms (goal < 1000); "
                    "a bare editor window reading it %.0f ms (ratio %.2f)\n",
                    linesMb, opened.openMs, bare, opened.openMs / bare);
    }
    OneLineRow(1, path);
    OneLineRow(5, path);
    if (!variants)
        return 0;
    // Settings that do not help: kept to show it.
    const std::string minified = OneLine(std::size_t(5e6));
    Print("one line, layout cache for the document", minified.size(),
          Measure(minified, path, [](CTarnelView *view) {
              view->SendScintilla(QsciScintillaBase::SCI_SETLAYOUTCACHE,
                                  static_cast<unsigned long>(QsciScintillaBase::SC_CACHE_DOCUMENT));
          }));
    Print("one line, position cache of 64k entries", minified.size(),
          Measure(minified, path, [](CTarnelView *view) {
              view->SendScintilla(QsciScintillaBase::SCI_SETPOSITIONCACHE, 65536UL);
          }));
    Print("one line, wrapped", minified.size(), Measure(minified, path, [](CTarnelView *view) {
              view->setWrapMode(QsciScintilla::WrapWord);
          }));
    return 0;
}
