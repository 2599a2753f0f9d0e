#include "textview/blankmarks.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>

namespace BlankMarks {
namespace {

constexpr char16_t FullWidthSpace = 0x3000;
const QColor MarkColour(0xB8, 0xB8, 0xB8);

// The cell of the character at `position` of the block's layout, in painter space.
QRectF cellOf(const QTextLayout &layout, int position, QPointF origin)
{
    const QTextLine line = layout.lineForTextPosition(position);
    const qreal left = line.cursorToX(position);
    const qreal right = line.cursorToX(position + 1);
    return QRectF(left, line.y(), right - left, line.height()).translated(origin);
}

void paintSpace(QPainter &painter, const QRectF &cell)
{
    const qreal inset = cell.height() / 6;
    painter.drawRect(cell.adjusted(inset / 2 + 0.5, inset + 0.5, -inset / 2 - 0.5, -inset - 0.5));
}

// A short arrow pointing right at the start of the tab's cell.
void paintTab(QPainter &painter, const QRectF &cell)
{
    const qreal size = cell.height() / 3;
    const qreal y = cell.center().y();
    const QPointF tip(cell.left() + 2 + size, y);
    painter.drawLine(QPointF(cell.left() + 2, y), tip);
    painter.drawLine(tip, tip + QPointF(-size / 2, -size / 2));
    painter.drawLine(tip, tip + QPointF(-size / 2, size / 2));
}

} // namespace

void paint(QPainter &painter, const QTextBlock &block, QPointF origin)
{
    const QString text = block.text();
    const QTextLayout *layout = block.layout();
    if (!layout || layout->lineCount() == 0)
        return;
    origin += layout->position();
    bool penSet = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c != FullWidthSpace && c != u'\t')
            continue;
        if (!penSet) {
            painter.setPen(QPen(MarkColour, 1));
            painter.setBrush(Qt::NoBrush);
            penSet = true;
        }
        const QRectF cell = cellOf(*layout, int(i), origin);
        if (c == FullWidthSpace)
            paintSpace(painter, cell);
        else
            paintTab(painter, cell);
    }
}

} // namespace BlankMarks
