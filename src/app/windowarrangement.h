#pragma once

// Arrangements of the document windows that QMdiArea does not offer itself, and the list of
// them in the window menu.

#include <QList>

class QAction;
class QMdiArea;
class QMenu;

namespace WindowArrangement {

// One window above the other, each as wide as the area.
void tileHorizontally(QMdiArea &area);
// Lines up the minimised windows along the bottom edge, left to right.
void arrangeIcons(QMdiArea &area);
// Lists the document windows at the end of `menu`, after a separator, the active one checked
// and those with unsaved changes marked "*"; choosing one activates it. `entries` holds what the
// last listing added, which goes first.
void listWindows(QMenu &menu, QMdiArea &area, QList<QAction *> &entries);

} // namespace WindowArrangement
