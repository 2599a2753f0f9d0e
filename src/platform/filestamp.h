#pragma once

// What a file looked like on the disk when the program last read or wrote it: enough to
// tell afterwards that another program has written it since.

#include <QString>

namespace platform {

struct FileStamp {
    QString path;
    // -1 when there was no regular file at the path (a folder or a FIFO is no file to
    // compare; writing refuses it anyway).
    qint64 size = -1;
    qint64 modifiedNs = 0;
    quint64 inode = 0;

    bool exists() const { return size >= 0; }
    bool operator==(const FileStamp &) const = default;

    // The file at `path` as it is now, after links.
    static FileStamp of(const QString &path);
};

} // namespace platform
