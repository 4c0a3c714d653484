#include "MainFrame.h"

#include "commandids.h"

#include <QMenu>

using namespace tarnel;

void CMainFrame::addTodaysInsertEntries(QMenu *insert)
{
    insert->addSeparator();
    insert->addAction(action(ID_INSERT_MEDIA));
    insert->addAction(action(ID_INSERT_PICTURE));
    QMenu *section = insert->addMenu(tr("&Section"));
    for (int id : {ID_SECTION_HEADER, ID_SECTION_NAV, ID_SECTION_MAIN, ID_SECTION_ARTICLE,
                   ID_SECTION_SECTION, ID_SECTION_ASIDE, ID_SECTION_FOOTER, ID_SECTION_FIGURE})
        section->addAction(action(id));
}
