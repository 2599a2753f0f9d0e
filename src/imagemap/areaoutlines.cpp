#include "imagemap/areaoutlines.h"

#include <QLocale>

namespace {

// Width or height of a shape pulled from `start` to `pointer`: a pointer before the start
// leaves the shape 1 pixel wide instead of turning it round.
qreal pulledSize(qint16 start, qreal pointer)
{
    return start > pointer ? 1 : pointer - start;
}

qint16 half(qreal size)
{
    return toAreaValue(size / 2);
}

QString shortest(qreal value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

} // namespace

void AreaOutlines::press(AreaKind kind, QPointF at)
{
    values_.StartX = toAreaValue(at.x());
    values_.StartY = toAreaValue(at.y());
    drawing_ = true;
    shape(kind) = {QRectF(at, QSizeF(1, 1)), true};
}

void AreaOutlines::move(AreaKind kind, QPointF at)
{
    if (!drawing_)
        return;
    QRectF &bounds = shape(kind).bounds;
    const qreal width = pulledSize(values_.StartX, at.x());
    if (kind == AreaKind::Rectangle)
        bounds.setSize({width, pulledSize(values_.StartY, at.y())});
    else
        bounds.setSize({width, width});
}

void AreaOutlines::release(AreaKind kind, QPointF at)
{
    values_.EndX = toAreaValue(at.x());
    values_.EndY = toAreaValue(at.y());
    drawing_ = false;
    if (kind != AreaKind::Circle)
        return;
    const QSizeF size = circle_.bounds.size();
    values_.CenterX = toAreaValue(half(size.width()) + values_.StartX);
    values_.CenterY = toAreaValue(half(size.height()) + values_.StartY);
    values_.Radius = half(size.width());
}

void AreaOutlines::hideBoth()
{
    rect_.visible = false;
    circle_.visible = false;
}

const AreaOutlines::Outline &AreaOutlines::outline(AreaKind kind) const
{
    return kind == AreaKind::Rectangle ? rect_ : circle_;
}

AreaOutlines::Outline &AreaOutlines::shape(AreaKind kind)
{
    return kind == AreaKind::Rectangle ? rect_ : circle_;
}

QString pointerCaption(QPointF at)
{
    return QStringLiteral("ﾏｯﾌﾟ [X=") + shortest(at.x()) + QStringLiteral(",Y=") +
           shortest(at.y()) + QLatin1Char(']');
}
