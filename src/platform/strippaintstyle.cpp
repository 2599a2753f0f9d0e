#include "platform/strippaintstyle.h"

#include <QPainter>
#include <QStyleOption>

#include <cmath>

namespace platform {
namespace {

bool isUpright(const QRect &area)
{
    return area.height() > area.width();
}

bool isWhole(qreal devicePixels)
{
    return std::abs(devicePixels - std::round(devicePixels)) < 1e-6;
}

// The longest strip, in pixels, that is at most StripPixels device pixels and a whole number
// of them; none when the painting is not a plain scale of the device, or the control does not
// start on a device pixel, so that every strip starts and ends on a device pixel.
int stripLength(const QPainter &painter, const QTransform &toDevice, const QRect &area)
{
    const qreal ratio = toDevice.m11();
    const QPointF origin = toDevice.map(QPointF(area.topLeft()));
    if (painter.transform().type() > QTransform::TxTranslate ||
        toDevice.type() > QTransform::TxScale || ratio <= 0 || toDevice.m22() != ratio ||
        !isWhole(origin.x()) || !isWhole(origin.y()))
        return 0;
    for (int length = int(StripPaintStyle::StripPixels / ratio); length > 0; --length) {
        if (isWhole(length * ratio))
            return length;
    }
    return 0;
}

// Calls `draw` once for each strip of `area` along its longer side. Each strip is painted
// into an image of its own size and then copied into place: a clip would not do, since a
// style may set a clip of its own, or none, and so paint the whole control again each time.
template <typename Draw> void inStrips(const QRect &area, QPainter &painter, Draw draw)
{
    const bool upright = isUpright(area);
    const int length = upright ? area.height() : area.width();
    // A widget rendered into an image paints through itself, so the painter's device tells
    // only the screen's ratio; the painting's own scale is the one that counts.
    const QTransform toDevice = painter.deviceTransform();
    const int strip = stripLength(painter, toDevice, area);
    if (strip == 0 || length <= strip) {
        draw(painter);
        return;
    }
    const qreal ratio = toDevice.m11();
    for (int from = 0; from < length; from += strip) {
        const int along = std::min(strip, length - from);
        const QRect piece = upright ? QRect(area.x(), area.y() + from, area.width(), along)
                                    : QRect(area.x() + from, area.y(), along, area.height());
        QImage image(piece.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter piecePainter(&image);
        piecePainter.setFont(painter.font());
        piecePainter.setPen(painter.pen());
        piecePainter.setBrush(painter.brush());
        piecePainter.setBackground(painter.background());
        piecePainter.setLayoutDirection(painter.layoutDirection());
        piecePainter.setRenderHints(painter.renderHints());
        piecePainter.translate(-piece.topLeft());
        draw(piecePainter);
        piecePainter.end();
        painter.drawImage(piece.topLeft(), image);
    }
}

} // namespace

void StripPaintStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                         QPainter *painter, const QWidget *widget) const
{
    if (control != CC_ScrollBar || !isUpright(option->rect)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    inStrips(option->rect, *painter, [&](QPainter &piece) {
        QProxyStyle::drawComplexControl(control, option, &piece, widget);
    });
}

void StripPaintStyle::drawControl(ControlElement element, const QStyleOption *option,
                                  QPainter *painter, const QWidget *widget) const
{
    if (element != CE_ToolBar) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    inStrips(option->rect, *painter,
             [&](QPainter &piece) { QProxyStyle::drawControl(element, option, &piece, widget); });
}

} // namespace platform
