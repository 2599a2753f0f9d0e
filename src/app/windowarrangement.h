#pragma once

// Arrangements of the document windows that QMdiArea does not offer itself.

class QMdiArea;

namespace WindowArrangement {

// One window above the other, each as wide as the area.
void tileHorizontally(QMdiArea &area);
// Lines up the minimised windows along the bottom edge, left to right.
void arrangeIcons(QMdiArea &area);

} // namespace WindowArrangement
