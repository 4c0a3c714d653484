#pragma once

class QMdiArea;
class QMenu;

// Keeps the open windows listed at the end of a Window menu, numbered 1 to 9 with the
// active one checked, refreshed each time the menu opens.
void listWindowsIn(QMenu *menu, QMdiArea *area);
