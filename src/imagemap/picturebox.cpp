#include "imagemap/picturebox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setMouseTracking(true);
    setFixedSize(1, 1);
}

void PictureBox::setPicture(const QImage &picture)
{
    picture_ = picture;
    setFixedSize(picture.size());
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    // Only the exposed part: a large picture is mostly beyond the window's edge.
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mouseDown(event->position());
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMove(event->position());
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    Q_EMIT mouseUp(event->position());
}
