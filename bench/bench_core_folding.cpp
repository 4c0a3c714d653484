// Working out the folds of a whole 10 MB page, as a pause in typing does: it must stay well
// under 100 ms so the refold never shows.
#include "benchpage.h"
#include "benchstats.h"
#include "foldlevels.h"

#include <cstdio>

using namespace tarnel;

namespace {

// Tables over lines, one fold head in three lines, between stretches of the common page.
std::string TablesPage(std::size_t bytes)
{
    std::string page = MakeBenchPage(bytes / 2, 10000);
    while (page.size() < bytes)
        page += "<TABLE BORDER=1>\r\n<TR>\r\n<TD>a cell</TD><TD>another</TD>\r\n</TR>\r\n"
                "</TABLE>\r\n<UL>\r\n<LI>one\r\n<LI>two\r\n</UL>\r\n";
    return page;
}

void Measure(const char *what, const std::string &page)
{
    std::size_t heads = 0;
    const double ms = MedianMs(21, [&] {
        heads = 0;
        for (const LineFold &line : FoldLevels(page))
            heads += line.header ? 1 : 0;
    });
    std::printf("ROW folds of a %.0f MB %s (%zu fold heads): %.1f ms (goal < 100)\n",
                page.size() / 1048576.0, what, heads, ms);
}

} // namespace

int main()
{
    Measure("page", MakeBenchPage(10 * 1024 * 1024, 20000));
    Measure("page of tables", TablesPage(10 * 1024 * 1024));
    return 0;
}
