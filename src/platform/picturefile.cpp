#include "platform/picturefile.h"

#include <QImageReader>

namespace platform {

std::optional<QImage> readPictureFile(const QString &path)
{
    QImageReader reader(path);
    QImage picture = reader.read();
    if (picture.isNull())
        return std::nullopt;
    return picture;
}

} // namespace platform
