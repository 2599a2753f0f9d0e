#pragma once

// The faint marks that make a full-width space (U+3000) and a tab visible: an outline of
// the space's cell, a small arrow at the start of the tab. Painted over a shown block only;
// the text keeps its characters.

#include <QPointF>

class QPainter;
class QTextBlock;

namespace BlankMarks {

// Marks the blanks of `block`, whose layout is drawn at `origin` in the painter's space.
void paint(QPainter &painter, const QTextBlock &block, QPointF origin);

} // namespace BlankMarks
