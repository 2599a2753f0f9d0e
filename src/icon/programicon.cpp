#include "icon/programicon.h"

#include "icon/rawimage.h"

#include <QPixmap>

// Rendered from the drawing at build time, as bare pixels: a start neither loads the SVG
// renderer nor decodes a PNG.
QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(
            readRawImage(QStringLiteral(":/icon/zurne-%1.argb").arg(size), size)));
    return icon;
}
