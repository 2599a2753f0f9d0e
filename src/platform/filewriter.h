#pragma once

// Writing a whole file so that a failure never costs the old content: the new content goes
// to a file beside the old one, which is then renamed into place.

#include <QByteArray>
#include <QString>

namespace platform {

struct FileWriteResult {
    // Why the file could not be written, for the user; empty when it was written.
    QString failure;
    bool ok() const { return failure.isEmpty(); }
};

// Replaces the content of the file at `path` with `bytes`, creating the file if needed.
// The file keeps its permissions; a symbolic link keeps being a link and its target gets
// the content; where the folder allows no new file but the file itself is writable, the
// file is written in place; a device is written in place.
FileWriteResult writeWholeFile(const QString &path, const QByteArray &bytes);

} // namespace platform
