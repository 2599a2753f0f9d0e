#pragma once

// Overwriting a file where it is, for the files that must not be replaced by a new one: a
// file another user owns, one whose group a new file would not get, one with other hard
// links, one in a folder that takes no new files. The file stays the same file, and no
// failure costs its old content.

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace platform {

// Writes `bytes` over the content of the regular file at `path`. The space the new content
// needs is reserved before the old content is touched; when it cannot be, nothing is
// written. When a write fails all the same, the old content is put back. Returns why it
// failed, for the user, or a null string when written.
QString overwriteInPlace(const QString &path, const QByteArray &bytes);

// Every write of the content goes through this function, pwrite by default; tests put one
// here that fails part-way. Null restores pwrite.
using PositionedWrite = ssize_t (*)(int fd, const void *data, size_t size, off_t offset);
void setPositionedWriteForTesting(PositionedWrite write);

} // namespace platform
