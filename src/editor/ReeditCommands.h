#pragma once

#include "elementrecord.h"
#include "reedit.h"

#include <QPoint>

class CCommandHandlers;
class IPageEditor;
class QMenu;

// Reopening an image, applet or link of the page in its form, and the source view's
// right-button menu.
namespace reedit {

// Finds the element the record points at, opens its form prefilled with the element selected,
// and on OK writes in place what the user changed (nothing when nothing changed). When the element
// is no longer where the record says, nothing changes and the status bar says so.
void edit(IPageEditor &editor, tarnel::ElementKind kind, const tarnel::ElementRecord &record);

// The menu shown on a right-button click at byte `position`: "Edit Tag..." first when the click
// falls in an image, applet or link, then the editing and Insert entries, run by `commands`.
QMenu *buildContextMenu(IPageEditor &editor, CCommandHandlers &commands, std::size_t position);

} // namespace reedit
