// Tab after an Emmet abbreviation in the middle of a 1 MB page, through the real view: the
// first expansion (which starts the script engine) once, then every later one, markup and a
// style sheet property, as the key's whole CPU time with the repaint. The anchor is Tab after
// a word of prose, which types a tab. Undo between runs puts the abbreviation back.

#include "benchpage.h"
#include "shellbench.h"

#include "commandids.h"

using namespace shellbench;

namespace {

struct Place
{
    std::size_t caret;
    QString keys;
};

// How many bytes the last Tab put in: one for a tab, more for an expansion.
std::size_t grown = 0;

// Types `keys` at `caret`, then presses Tab `runs` times, undoing each: the Tab keys' times.
std::vector<double> tabTimes(CTarnelView &view, const Place &place, int runs)
{
    view.selectBytes(place.caret, place.caret);
    for (const QChar c : place.keys)
        TimedKey(&view, Qt::Key_unknown, QString(c));
    view.endTypingRun();
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const std::size_t before = view.pageBytes().size();
        times.push_back(TimedKey(&view, Qt::Key_Tab, QStringLiteral("\t")).total());
        grown = view.pageBytes().size() - before;
        view.commands().run(tarnel::ID_EDIT_UNDO);
        view.selectBytes(place.caret + place.keys.size(), place.caret + place.keys.size());
    }
    return times;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::string page = MakeBenchPage(1'000'000, 2'000);
    const std::size_t middle = page.find("</p>\n", page.size() / 2) + 5;
    page.insert(middle, "\n\n<style>\np {\n  \n}\n</style>\n");
    const std::size_t markup = middle + 1;
    const std::size_t property = page.find("p {\n  ", middle) + 6;

    CTarnelDoc doc;
    doc.OnNewDocument();
    doc.setInitialText(page);
    CTarnelView view(&doc);
    view.resize(800, 600);
    view.show();
    QApplication::processEvents();

    const std::vector<double> first = tabTimes(view, {markup, "ul>li.item*3>a"}, 1);
    const std::vector<double> later = tabTimes(view, {markup, "ul>li.item*3>a"}, 51);
    const bool markupExpanded = grown > 100;
    const std::vector<double> css = tabTimes(view, {property, "m10"}, 51);
    const bool cssExpanded = grown > 10;
    const std::vector<double> prose = tabTimes(view, {markup, "say hello"}, 51);
    if (!markupExpanded || !cssExpanded || grown != 1) {
        std::printf("Tab did not do what the page asks for: nothing measured\n");
        return 1;
    }
    const double anchor = Median(prose);
    const double markupMs = Median({later.begin() + 1, later.end()});
    const double cssMs = Median({css.begin() + 1, css.end()});

    std::printf("page: %.1f MB\n", page.size() / 1e6);
    std::printf("anchor, Tab after prose (a tab):    %8.2f ms median\n", anchor);
    std::printf("first expansion, engine started:   %8.2f ms\n", first.front());
    std::printf("Tab, ul>li.item*3>a:               %8.2f ms median (goal < 20 ms), %.1fx the "
                "anchor\n",
                markupMs, markupMs / anchor);
    std::printf("Tab, m10 in STYLE:                 %8.2f ms median (goal < 20 ms), %.1fx the "
                "anchor\n",
                cssMs, cssMs / anchor);
    std::printf("ROW expansion after the first | %.2f ms markup, %.2f ms style sheet | under 20 "
                "ms\n",
                markupMs, cssMs);
    return 0;
}
