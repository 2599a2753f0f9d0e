#pragma once

// Draws one block of the text box as the box shows it: the text with its colours, the
// selections and the caret. The colours are given as the block is drawn and never reach its
// layout, so colouring a block neither lays it out again nor makes the box draw more than
// the block. Of a long line (a piece of a minified page) only the characters within the
// clip are drawn.

#include <QBrush>
#include <QColor>
#include <QPointF>
#include <QRectF>

#include <span>

class QPainter;
class QPalette;
class QString;
class QTextBlock;
class QTextLayout;
class QTextLine;

// Characters of a block drawn in `colour`; positions from the block's start.
struct ColourStretch {
    int start;
    int length;
    QColor colour;
};

class BlockPainter {
public:
    // A selected stretch of the block; `end` past the block's text takes in its break.
    struct Selection {
        int start;
        int end;
        QBrush background;
        QBrush foreground;
    };
    // The caret in the block, if it is shown there: a bar `width` wide, or in overwrite
    // mode the character after it in reversed colours.
    struct Caret {
        int position = -1;
        int width = 1;
        bool overwrite = false;
    };

    // Draws into `clip` of the painter's space with the text colours of `palette`.
    BlockPainter(QPainter &painter, const QRectF &clip, const QPalette &palette);

    // Draws `block`, whose layout stands at `origin`.
    void paint(const QTextBlock &block, QPointF origin, std::span<const ColourStretch> colours,
               std::span<const Selection> selections, Caret caret);

private:
    void paintLine(const QTextLine &line, const QString &text,
                   std::span<const ColourStretch> colours, std::span<const Selection> selections);
    void paintBackground(const QTextLine &line, const Selection &selection, int end);
    void paintText(const QTextLine &line, int from, int to, const QColor &colour);
    void paintColoured(const QTextLine &line, int from, int to,
                       std::span<const ColourStretch> colours);
    void paintComposing(const QTextLayout &layout, std::span<const Selection> selections,
                        Caret caret);
    void paintCaret(const QTextLayout &layout, const QString &text, Caret caret);

    QPainter &painter_;
    QRectF clip_;
    const QPalette &palette_;
    // The origin of the block being drawn, and where its layout stands in the painter's
    // space: the drawing of a line is relative to that.
    QPointF origin_;
    QPointF at_;
};
