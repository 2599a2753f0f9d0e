#pragma once

// Reading a whole file without ever waiting on it or running out of memory: only regular
// files are read (after following links), up to a bound. A device, a FIFO or a socket is
// refused before anything is read from it, so an endless or silent source cannot hang the
// program.

#include <QByteArray>
#include <QString>

#include <sys/stat.h>

namespace platform {

// The largest file any read accepts: 256 MiB, far beyond a hand-written page, and as much
// as the program can hold and show while staying responsive.
inline constexpr qint64 MaxFileBytes = qint64(256) * 1024 * 1024;

// Why a device, FIFO or socket is neither read nor written, for the user.
QString notARegularFileReason();
// Why a folder is neither read nor written as a file, for the user.
QString isAFolderReason();
// Whether `status` (of the open file `fd`) is a regular file that holds what it says: not a
// device, FIFO, socket or folder, nor one of the files the kernel makes up as they are read
// (/proc, /sys and the like), whose size means nothing and which take no reserved space.
bool isRealRegularFile(int fd, const struct stat &status);
// Why `status` (of the open file `fd`) is not a file to read or write, for the user.
QString notAFileReason(const struct stat &status);
// The system's text for an errno value.
QString systemErrorText(int error);

struct FileReadResult {
    enum class Failure { None, Unreadable, NotRegularFile, TooLarge };
    QByteArray bytes;
    Failure failure = Failure::None;
    // Why the file could not be read, for the user; empty when it was read.
    QString reason;
    bool ok() const { return failure == Failure::None; }
};

// The whole content of the regular file at `path`, at most `maxBytes` of it.
FileReadResult readWholeFile(const QString &path, qint64 maxBytes = MaxFileBytes);

} // namespace platform
