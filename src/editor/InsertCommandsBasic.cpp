#include "InsertCommands.h"

#include "TarnelView.h"

// Not built yet: these entries do nothing until their forms exist.
namespace insertcmd {

void image(CTarnelView &view) { view.showStatusMessage(QStringLiteral("Not available yet")); }
void background(CTarnelView &view) { view.showStatusMessage(QStringLiteral("Not available yet")); }
void sound(CTarnelView &view) { view.showStatusMessage(QStringLiteral("Not available yet")); }
void link(CTarnelView &view) { view.showStatusMessage(QStringLiteral("Not available yet")); }
void applet(CTarnelView &view) { view.showStatusMessage(QStringLiteral("Not available yet")); }

} // namespace insertcmd
