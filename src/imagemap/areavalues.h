#pragma once

// The area hand-over values: the one area the drawing window last marked, in pixels of the
// picture. The drawing window writes them and the map definition window reads them; they
// live for the whole run, start at 0 and outlast both windows.

#include <QtGlobal>

enum class AreaKind { Rectangle, Circle };

struct AreaValues {
    qint16 StartX = 0;
    qint16 StartY = 0;
    qint16 EndX = 0;
    qint16 EndY = 0;
    qint16 CenterX = 0;
    qint16 CenterY = 0;
    qint16 Radius = 0;
};

// The program-wide values.
AreaValues &areaValues();

// A measured position as a hand-over value: the nearest whole number, halves to the even
// neighbour (12.5 gives 12, 13.5 gives 14), held to the 16-bit range, so that a pointer
// dragged far beyond a huge picture cannot wrap around.
qint16 toAreaValue(qreal value);
