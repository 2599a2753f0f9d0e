#pragma once

// Overwriting a file where it is, for the files that must not be replaced by a new one: a
// file another user owns, one whose group a new file would not get, one with other hard
// links, one in a folder that takes no new files. The file stays the same file, and no
// failure costs its old content: before the file is touched, its old content is copied
// and the copy synced (platform/savecopy.h); the copy goes only once the new content is on
// the disk, so a program stopped at any moment leaves either the old content or the copy.
// The steps are those of platform/savesteps.h, where tests stop the writer.

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace platform {

// Writes `bytes` over the content of the regular file at `path`, never through a link. The
// space the new content needs is reserved before the old content is touched; when it
// cannot be, or no copy of the old content can be made, nothing is written. When a write
// fails all the same, the old content is put back. Returns why it failed, for the user, or
// a null string when written.
QString overwriteInPlace(const QString &path, const QByteArray &bytes);

// Writes `old`, kept in the copy at `copy`, back over the file at `path` where it is. The
// copy is the only safety net: no new copy is made over it, and it is removed only once the
// file is on the disk; on any failure it stays for the next try. Returns why it failed, for
// the user, or a null string when the file holds `old` again.
QString restoreInPlace(const QString &path, const QByteArray &old, const QString &copy);

// Every write of the content goes through this function, pwrite by default; tests put one
// here that fails part-way. Null restores pwrite.
using PositionedWrite = ssize_t (*)(int fd, const void *data, size_t size, off_t offset);
void setPositionedWriteForTesting(PositionedWrite write);

} // namespace platform
