#pragma once

// Pictures rendered at build time are stored as their bare pixels (premultiplied ARGB, in
// this machine's byte order, rows one after another, not compressed), so that a start reads
// them without decoding: the program icon and the toolbars' image lists.

#include <QImage>
#include <QString>

// Writes the image's pixels to the file; the reader is told the height.
bool writeRawImage(const QImage &image, const QString &path);

// The image of the given height in the file or resource; a null image where the file is
// missing or its length is not whole rows of that height.
QImage readRawImage(const QString &path, int height);
