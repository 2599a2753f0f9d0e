#pragma once

// Writing a whole file so that a failure never costs the old content: the new content goes
// to `.NAME.zurne-new` beside the old one, is synced and then renamed into place; where that
// would change the file itself, it is overwritten in place with its space reserved first.

#include <QByteArray>
#include <QString>

namespace platform {

struct FileWriteResult {
    // Why the file could not be written, for the user; empty when it was written.
    QString failure;
    bool ok() const { return failure.isEmpty(); }
};

// What becomes of a symbolic link at the path written: Follow keeps it a link and gives its
// target the content; Replace puts a file with the content in its place, and its target is
// never written.
enum class Links { Follow, Replace };

// Replaces the content of the file at `path` with `bytes`, creating the file if needed.
// The file keeps its permissions. A file that another user owns, whose group a new file
// would not get, that has other hard links or whose folder allows no new file is written
// in place, and keeps all of that. A device, FIFO or socket is refused, never opened.
FileWriteResult writeWholeFile(const QString &path, const QByteArray &bytes,
                               Links links = Links::Follow);

} // namespace platform
