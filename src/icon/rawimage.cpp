#include "icon/rawimage.h"

#include <QFile>

namespace {

constexpr qsizetype BytesPerPixel = 4;

} // namespace

bool writeRawImage(const QImage &image, const QString &path)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const qsizetype row = qsizetype(pixels.width()) * BytesPerPixel;
    for (int y = 0; y < pixels.height(); ++y) {
        if (file.write(reinterpret_cast<const char *>(pixels.constScanLine(y)), row) != row)
            return false;
    }
    return file.flush();
}

QImage readRawImage(const QString &path, int height)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const qsizetype row = qsizetype(height) * BytesPerPixel;
    if (height <= 0 || bytes.isEmpty() || bytes.size() % row != 0)
        return {};
    const int width = int(bytes.size() / row);
    // Copied: the bytes go with this function.
    return QImage(reinterpret_cast<const uchar *>(bytes.constData()), width, height,
                  QImage::Format_ARGB32_Premultiplied)
        .copy();
}
