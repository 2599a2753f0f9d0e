#include "imagemap/areavalues.h"

#include <algorithm>
#include <cmath>
#include <limits>

AreaValues &areaValues()
{
    static AreaValues values;
    return values;
}

qint16 toAreaValue(qreal value)
{
    // nearbyint rounds in the current mode, which the program never leaves: to nearest, ties
    // to even.
    const qreal rounded = std::nearbyint(value);
    return static_cast<qint16>(std::clamp<qreal>(rounded, std::numeric_limits<qint16>::min(),
                                                 std::numeric_limits<qint16>::max()));
}
