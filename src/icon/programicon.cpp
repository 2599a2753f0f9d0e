#include "icon/programicon.h"

// Rendered from the drawing at build time: PNGs load without the SVG renderer.
QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icon/zurne-%1.png").arg(size), QSize(size, size));
    return icon;
}
