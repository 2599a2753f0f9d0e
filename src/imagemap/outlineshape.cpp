#include "imagemap/outlineshape.h"

#include <QPainter>

OutlineShape::OutlineShape(QWidget *surface, const QString &name, AreaKind kind)
    : QWidget(surface), kind_(kind)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void OutlineShape::setColor(const QColor &color)
{
    color_ = color;
    update();
}

void OutlineShape::paintEvent(QPaintEvent *)
{
    if (width() == 0 || height() == 0)
        return;
    QPainter painter(this);
    painter.setPen(QPen(color_, 0));
    // A 1-pixel pen on the inner rectangle covers exactly width x height pixels.
    const QRect outline = rect().adjusted(0, 0, -1, -1);
    if (kind_ == AreaKind::Rectangle)
        painter.drawRect(outline);
    else
        painter.drawEllipse(outline);
}
