#include "platform/picturefile.h"

#include "platform/filereader.h"

#include <QBuffer>
#include <QImageReader>

namespace platform {

std::optional<QImage> readPictureFile(const QString &path)
{
    // Read as text files are, so that a FIFO or a device named like a picture is refused at
    // once instead of being waited on.
    FileReadResult file = readWholeFile(path, MaxPictureBytes);
    if (!file.ok())
        return std::nullopt;
    QBuffer buffer(&file.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage picture = reader.read();
    if (picture.isNull())
        return std::nullopt;
    return picture;
}

} // namespace platform
