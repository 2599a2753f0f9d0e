#pragma once

// The desktop's own style, painting toolbars and upright scroll bars in strips. Qt's raster
// engine hands every batch of 96 or more spans to its thread pool and waits for the pool, and
// a one-pixel line is one span per pixel: the outline of a tall scroll bar or the bevel line
// of a toolbar goes to the pool a few hundred pixels at a time, and the hand-offs cost more
// than the drawing, in the first window and at each repaint of a scroll bar. Painted in
// strips, each into an image of its own that is then copied into place, no batch reaches the
// pool, and the pixels are the style's own.
//
// Lying scroll bars are left whole: the style clips the shadow inside their groove with a
// region of its own, and the lines it then draws run the bar's whole length whatever the
// strip, so strips would only add to their cost.

#include <QProxyStyle>

namespace platform {

class StripPaintStyle final : public QProxyStyle {
public:
    // A strip's length in device pixels: short enough that a line along the strip, with the
    // edge across it that a rectangle's outline adds, stays under the pool's batch.
    static constexpr int StripPixels = 64;

    // Over the style Qt would choose: the desktop's, or the one asked for with -style.
    StripPaintStyle() = default;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
};

} // namespace platform
