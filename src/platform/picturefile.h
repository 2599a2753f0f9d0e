#pragma once

// Picture files through Qt's image readers: PNG built in, GIF and JPEG through the image
// format plug-ins of Debian's libqt6gui6.

#include <QImage>
#include <QString>
#include <optional>

namespace platform {

// The picture in `path`, whose size() is its size in pixels; nullopt when the file cannot be
// read as a picture.
std::optional<QImage> readPictureFile(const QString &path);

} // namespace platform
