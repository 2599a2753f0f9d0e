#pragma once

// The two outline shapes of the drawing surface and what a press, a move and a release of
// the mouse do to them and to the area hand-over values. No widgets: the drawing window
// shows what this holds.
//
// A rectangle grows only to the right and downward from the press point; a circle's bounding
// square keeps its top-left corner at the press point and its size follows the horizontal
// distance alone. The circle's centre and radius come from the shape's size as the last move
// left it, not from the release point.

#include "imagemap/areavalues.h"

#include <QPointF>
#include <QRectF>
#include <QString>

class AreaOutlines {
public:
    struct Outline {
        QRectF bounds;
        bool visible = false;
    };

    // The values written by press and release.
    explicit AreaOutlines(AreaValues &values) : values_(values) {}

    // Every press starts the shape of `kind` afresh on the press point; the other shape stays.
    void press(AreaKind kind, QPointF at);
    // Changes the shape of `kind` only between a press and its release.
    void move(AreaKind kind, QPointF at);
    void release(AreaKind kind, QPointF at);
    void hideBoth();

    bool drawing() const { return drawing_; }
    const Outline &outline(AreaKind kind) const;

private:
    Outline &shape(AreaKind kind);

    AreaValues &values_;
    Outline rect_;
    Outline circle_;
    bool drawing_ = false;
};

// The drawing window's caption while the pointer is at `at`, each number in its shortest
// decimal form: "ﾏｯﾌﾟ [X=120,Y=45]".
QString pointerCaption(QPointF at);
