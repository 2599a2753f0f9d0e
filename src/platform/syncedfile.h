#pragma once

// The low steps every careful write shares: writing all of a buffer to a descriptor, and
// making a rename or an unlink in a folder reach the disk.

#include <QByteArrayView>
#include <QString>

namespace platform {

// Writes all of `bytes` at the descriptor's position; 0, or the errno that stopped it (a
// write that takes nothing counts as a full disk).
int writeAll(int fd, QByteArrayView bytes);

// Syncs the folder that holds `path`, so that a name made, changed or removed there lasts;
// 0, or the errno that stopped it.
int syncFolderOf(const QString &path);

} // namespace platform
