#include "InsertCommands.h"

#include "TarnelView.h"

// Not built yet: these entries do nothing until their forms exist.
namespace insertcmd {

void controls(CTarnelView &view) { view.showStatusMessage(QStringLiteral("Not available yet")); }
void formattedText(CTarnelView &view) { view.showStatusMessage(QStringLiteral("Not available yet")); }

} // namespace insertcmd
