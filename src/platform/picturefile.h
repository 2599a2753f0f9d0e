#pragma once

// Picture files through Qt's image readers: PNG built in, GIF and JPEG through the image
// format plug-ins of Debian's libqt6gui6.

#include <QImage>
#include <QString>
#include <optional>

namespace platform {

// The largest picture file read: 64 MiB, more than any picture a page shows.
inline constexpr qint64 MaxPictureBytes = qint64(64) * 1024 * 1024;

// The picture in `path`, whose size() is its size in pixels; nullopt when the file cannot be
// read as a picture: among others a device, FIFO or socket, and a file over the bound.
std::optional<QImage> readPictureFile(const QString &path);

} // namespace platform
