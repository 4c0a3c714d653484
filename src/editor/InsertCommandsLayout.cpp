#include "InsertCommands.h"

#include "TarnelView.h"

// Not built yet: these entries do nothing until their forms exist.
namespace insertcmd {

void marquee(CTarnelView &view) { view.showStatusMessage(QStringLiteral("Not available yet")); }
void meta(CTarnelView &view) { view.showStatusMessage(QStringLiteral("Not available yet")); }
void frames(CTarnelView &view) { view.showStatusMessage(QStringLiteral("Not available yet")); }
void tables(CTarnelView &view) { view.showStatusMessage(QStringLiteral("Not available yet")); }
void orderedList(CTarnelView &view) { view.showStatusMessage(QStringLiteral("Not available yet")); }
void unorderedList(CTarnelView &view) { view.showStatusMessage(QStringLiteral("Not available yet")); }
void definitionList(CTarnelView &view) { view.showStatusMessage(QStringLiteral("Not available yet")); }

} // namespace insertcmd
