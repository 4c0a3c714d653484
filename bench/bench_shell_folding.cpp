// Refolding a 10 MB page of tables in the editor, as a pause in typing does: the first time
// (every fold new) and again with nothing changed (only the core's reading left).
#include "TarnelDoc.h"
#include "TarnelView.h"
#include "benchpage.h"
#include "benchstats.h"

#include <QApplication>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::string page = MakeBenchPage(5'000'000, 10'000);
    while (page.size() < 10'000'000)
        page += "<TABLE>\r\n<TR>\r\n<TD>a cell</TD>\r\n</TR>\r\n</TABLE>\r\n";
    CTarnelDoc doc;
    doc.OnNewDocument();
    CTarnelView view(&doc);
    view.resize(800, 600);
    view.show();
    doc.setInitialText(page);
    const std::vector<tarnel::LineFold> folds = tarnel::FoldLevels(doc.textView());
    const std::vector<tarnel::LineFold> none(folds.size());
    CTextSurface &surface = doc.textSurface();
    const double cleared = MedianMs(1, [&] { surface.setFoldLevels(0, none); });
    const double all = MedianMs(1, [&] { surface.setFoldLevels(0, folds); });
    const double same = MedianMs(5, [&] { surface.setFoldLevels(0, folds); });
    std::printf("ROW fold levels of a 10 MB page to the editor: all %zu lines %.0f ms, "
                "none changed %.1f ms (cleared %.0f ms)\n",
                folds.size(), all, same, cleared);
    return 0;
}
