#pragma once

// An outline shape laid over the drawing surface: a 1-pixel rectangle or circle without fill
// that fills its own geometry and lets the mouse through to the surface below.

#include "imagemap/areavalues.h"

#include <QColor>
#include <QWidget>

class OutlineShape : public QWidget {
    Q_OBJECT
public:
    OutlineShape(QWidget *surface, const QString &name, AreaKind kind);

    QColor color() const { return color_; }
    void setColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    AreaKind kind_;
    QColor color_ = Qt::black;
};
