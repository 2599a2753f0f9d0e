#include "textview/blockpainter.h"

#include <QGlyphRun>
#include <QPainter>
#include <QPalette>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
#include <vector>

namespace {

// Right-to-left text puts characters shown side by side apart in the text, so the
// characters within the clip are no longer one stretch.
bool hasRightToLeft(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        if (c.unicode() < 0x0590)
            return false;
        const QChar::Direction direction = c.direction();
        return direction == QChar::DirR || direction == QChar::DirAL ||
               direction == QChar::DirRLE || direction == QChar::DirRLO ||
               direction == QChar::DirRLI;
    });
}

} // namespace

BlockPainter::BlockPainter(QPainter &painter, const QRectF &clip, const QPalette &palette)
    : painter_(painter), clip_(clip), palette_(palette)
{
}

void BlockPainter::paint(const QTextBlock &block, QPointF origin,
                         std::span<const ColourStretch> colours,
                         std::span<const Selection> selections, Caret caret)
{
    const QTextLayout *layout = block.layout();
    if (!layout || layout->lineCount() == 0)
        return;
    origin_ = origin;
    at_ = origin + layout->position();
    // The text an input method is composing lives in the layout, with its own formats.
    if (!layout->preeditAreaText().isEmpty())
        return paintComposing(*layout, selections, caret);
    // A disabled box shows its text in the one colour of its look.
    if (palette_.currentColorGroup() == QPalette::Disabled)
        colours = {};
    const QString text = block.text();
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        const QRectF area = line.rect().translated(at_);
        if (area.bottom() >= clip_.top() && area.top() <= clip_.bottom())
            paintLine(line, text, colours, selections);
    }
    paintCaret(*layout, text, caret);
}

void BlockPainter::paintLine(const QTextLine &line, const QString &text,
                             std::span<const ColourStretch> colours,
                             std::span<const Selection> selections)
{
    const int start = line.textStart();
    const int end = start + line.textLength();
    int from = start;
    int to = end;
    if (!hasRightToLeft(QStringView(text).sliced(start, end - start))) {
        from = std::max(start, line.xToCursor(clip_.left() - at_.x()) - 1);
        to = std::min(end, line.xToCursor(clip_.right() - at_.x()) + 1);
    }
    std::vector<Selection> selected;
    for (const Selection &selection : selections) {
        if (selection.end > start && selection.start < end + 1)
            selected.push_back(selection);
    }
    std::sort(selected.begin(), selected.end(),
              [](const Selection &a, const Selection &b) { return a.start < b.start; });
    for (const Selection &selection : selected)
        paintBackground(line, selection, end);
    int at = from;
    for (const Selection &selection : selected) {
        if (selection.foreground.style() == Qt::NoBrush)
            continue;
        const int selectedFrom = std::clamp(selection.start, at, to);
        const int selectedTo = std::clamp(selection.end, selectedFrom, to);
        paintColoured(line, at, selectedFrom, colours);
        paintText(line, selectedFrom, selectedTo, selection.foreground.color());
        at = selectedTo;
    }
    paintColoured(line, at, to, colours);
}

// A selection that takes in the line's break reaches a little past its last character.
void BlockPainter::paintBackground(const QTextLine &line, const Selection &selection, int end)
{
    if (selection.background.style() == Qt::NoBrush)
        return;
    const int start = line.textStart();
    const qreal left = line.cursorToX(std::max(selection.start, start));
    qreal right = line.cursorToX(std::min(selection.end, end));
    if (selection.end > end)
        right += line.height() / 4;
    const QRectF band(at_.x() + left, at_.y() + line.y(), right - left, line.height());
    painter_.fillRect(band.toAlignedRect(), selection.background);
}

void BlockPainter::paintText(const QTextLine &line, int from, int to, const QColor &colour)
{
    if (from >= to)
        return;
    painter_.setPen(colour);
    for (const QGlyphRun &run : line.glyphRuns(from, to - from))
        painter_.drawGlyphRun(at_, run);
}

// The stretches of [from, to): in their colours, and between them in the text's own.
void BlockPainter::paintColoured(const QTextLine &line, int from, int to,
                                 std::span<const ColourStretch> colours)
{
    const QColor plain = palette_.text().color();
    auto stretch = std::lower_bound(
        colours.begin(), colours.end(), from,
        [](const ColourStretch &s, int position) { return s.start + s.length <= position; });
    int at = from;
    for (; stretch != colours.end() && stretch->start < to; ++stretch) {
        const int colouredFrom = std::max(stretch->start, at);
        const int colouredTo = std::min(stretch->start + stretch->length, to);
        paintText(line, at, colouredFrom, plain);
        paintText(line, colouredFrom, colouredTo, stretch->colour);
        at = colouredTo;
    }
    paintText(line, at, to, plain);
}

void BlockPainter::paintComposing(const QTextLayout &layout, std::span<const Selection> selections,
                                  Caret caret)
{
    QList<QTextLayout::FormatRange> ranges;
    for (const Selection &selection : selections) {
        QTextCharFormat format;
        format.setBackground(selection.background);
        format.setForeground(selection.foreground);
        ranges.append({selection.start, selection.end - selection.start, format});
    }
    painter_.setPen(palette_.text().color());
    layout.draw(&painter_, origin_, ranges, clip_);
    if (caret.position >= 0)
        layout.drawCursor(&painter_, origin_, caret.position, caret.width);
}

// In overwrite mode the caret covers the character it would replace, as a reversed cell.
void BlockPainter::paintCaret(const QTextLayout &layout, const QString &text, Caret caret)
{
    if (caret.position < 0)
        return;
    painter_.setPen(palette_.text().color());
    if (!caret.overwrite || caret.position >= text.size())
        return layout.drawCursor(&painter_, origin_, caret.position, caret.width);
    const QTextLine line = layout.lineForTextPosition(caret.position);
    const qreal left = line.cursorToX(caret.position);
    const qreal right = line.cursorToX(caret.position + 1);
    const QRectF cell(at_.x() + left, at_.y() + line.y(), right - left, line.height());
    painter_.fillRect(cell.toAlignedRect(), palette_.text());
    paintText(line, caret.position, caret.position + 1, palette_.base().color());
}
