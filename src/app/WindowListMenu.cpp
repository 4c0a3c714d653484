#include "WindowListMenu.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace {

// The entries this file added, told from the menu's own commands.
const char *const WindowEntry = "tarnelWindowEntry";
constexpr int MostListed = 9;

void refresh(QMenu *menu, QMdiArea *area)
{
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions)
        if (action->property(WindowEntry).toBool())
            delete action;
    const QList<QMdiSubWindow *> windows = area->subWindowList();
    if (windows.isEmpty())
        return;
    menu->addSeparator()->setProperty(WindowEntry, true);
    for (int i = 0; i < windows.size() && i < MostListed; ++i) {
        QMdiSubWindow *window = windows[i];
        QAction *entry = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            window->windowTitle().remove(QStringLiteral("[*]"))));
        entry->setProperty(WindowEntry, true);
        entry->setCheckable(true);
        entry->setChecked(window == area->activeSubWindow());
        QObject::connect(entry, &QAction::triggered, area,
                         [area, window] { area->setActiveSubWindow(window); });
    }
}

} // namespace

void listWindowsIn(QMenu *menu, QMdiArea *area)
{
    QObject::connect(menu, &QMenu::aboutToShow, area, [menu, area] { refresh(menu, area); });
}
