// Outline rescan with the tree update, on a 10 MB page with 20,000 images, links and applets:
// once when nothing changed (the tree must stay untouched) and once when every entry moved.

#include "SiteTree.h"
#include "TarnelDoc.h"
#include "TarnelView.h"
#include "benchpage.h"
#include "benchstats.h"

#include <QApplication>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string page = MakeBenchPage(10'000'000, 20'000);
    const std::string shifted = "<P>x</P>" + page; // every index moves

    CTarnelDoc doc;
    doc.OnNewDocument();
    doc.setInitialText(page);
    CTarnelView view(&doc);
    CSiteTree tree(&doc);
    tree.OnInitialUpdate(); // the first full fill

    const double anchor = MedianMs(9, [&] { (void)tarnel::ScanElements(doc.textView()); });
    auto rescanAndShow = [&] {
        view.rescanOutline();
        (void)tree.entryCount(CSiteTree::Images); // the tree shows every entry
    };
    const double unchanged = MedianMs(9, rescanAndShow);
    // Every other page moves every index; the text replacement itself is not timed.
    std::vector<double> times;
    for (int i = 0; i < 7; ++i) {
        doc.setInitialText(i % 2 ? page : shifted);
        times.push_back(MedianMs(1, rescanAndShow));
    }
    std::sort(times.begin(), times.end());
    const double changed = times[times.size() / 2];

    std::printf("page: %.1f MB, %d entries in the tree\n", page.size() / 1e6,
                tree.entryCount(CSiteTree::Images) + tree.entryCount(CSiteTree::Applets) +
                    tree.entryCount(CSiteTree::Hyperlinks));
    std::printf("anchor, scan alone:                %8.2f ms median\n", anchor);
    std::printf(
        "rescan, nothing changed:           %8.2f ms median (goal < 20 ms), %.2fx the scan\n",
        unchanged, unchanged / anchor);
    std::printf("rescan, every entry changed:       %8.2f ms median (goal < 100 ms)\n", changed);
    return 0;
}
