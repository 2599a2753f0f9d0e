#pragma once

// What a file looked like on the disk when the program last read or wrote it: enough to
// tell afterwards that another program has written it since, even one that put its size and
// modification time back (the change time and the inode tell), or that something else was
// put at its path.

#include <QString>

namespace platform {

// What is at a path itself, a link not followed.
enum class FileKind { Missing, File, Link, Folder, Other };

struct FileStamp {
    QString path;
    FileKind kind = FileKind::Missing;
    // Where a link at the path points, as written in the link.
    QString linkTarget;
    // -1 when there is no regular file at the path after links (a folder or a FIFO is no
    // file to compare; writing refuses it anyway).
    qint64 size = -1;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 inode = 0;
    quint64 device = 0;

    bool exists() const { return size >= 0; }
    bool operator==(const FileStamp &) const = default;

    // The file at `path` as it is now.
    static FileStamp of(const QString &path);
};

} // namespace platform
