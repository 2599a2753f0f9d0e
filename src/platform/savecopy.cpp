#include "platform/savecopy.h"

#include "platform/filereader.h"
#include "platform/savesteps.h"
#include "platform/syncedfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

const QString CopySuffix = QStringLiteral(".zurne-copy");
// The copy while it is being written; one left by a save cut short goes at the next.
const QString PartSuffix = QStringLiteral(".part");
const QByteArray Signature = QByteArrayLiteral("ZURNE-COPY 1\n");
// Room for the header beyond the largest content a copy keeps.
constexpr qint64 MaxHeaderBytes = 1024;

// Both places the copy of `path` may be, beside the file first.
QStringList copyPlaces(const QString &path)
{
    const QFileInfo file(path);
    const QString real =
        file.canonicalFilePath().isEmpty() ? file.absoluteFilePath() : file.canonicalFilePath();
    const QFileInfo canonical(real);
    QString flattened = real;
    flattened.replace(QLatin1Char('/'), QLatin1Char('%'));
    return {canonical.absolutePath() + QStringLiteral("/.") + canonical.fileName() + CopySuffix,
            stateFolder() + QLatin1Char('/') + flattened + CopySuffix};
}

// "old 11 <SHA-256 in hex>\n": one line of the header.
QByteArray recordOf(const char *label, const QByteArray &content)
{
    return QByteArray(label) + ' ' + QByteArray::number(content.size()) + ' ' +
           QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex() + '\n';
}

struct CopyContent {
    QByteArray old;
    QByteArray newRecord;
};

// The old content and the record of the new one, when the copy is whole.
std::optional<CopyContent> readCopy(const QByteArray &copy)
{
    if (!copy.startsWith(Signature))
        return std::nullopt;
    const qsizetype oldEnd = copy.indexOf('\n', Signature.size());
    const qsizetype newEnd = oldEnd < 0 ? -1 : copy.indexOf('\n', oldEnd + 1);
    if (newEnd < 0 || copy.size() <= newEnd + 1 || copy[newEnd + 1] != '\n')
        return std::nullopt;
    CopyContent content{copy.sliced(newEnd + 2), copy.sliced(oldEnd + 1, newEnd - oldEnd)};
    if (copy.sliced(Signature.size(), oldEnd + 1 - Signature.size()) !=
            recordOf("old", content.old) ||
        !content.newRecord.startsWith("new "))
        return std::nullopt;
    return content;
}

// 0, or the errno that stopped it. Only the user may read the copy: the file may be
// another user's. A write a test stopped counts as done: the caller stops at its next step.
int writeCopy(const QString &place, const QByteArray &header, const QByteArray &old)
{
    const QByteArray part = QFile::encodeName(place + PartSuffix);
    ::unlink(part.constData());
    const int fd =
        ::open(part.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    if (!goesOnAfter(SaveStep::CopyCreated)) {
        ::close(fd);
        return 0;
    }
    const qsizetype half = old.size() / 2;
    int error = writeAll(fd, header + old.first(half));
    if (!error && !goesOnAfter(SaveStep::CopyHalfWritten)) {
        ::close(fd);
        return 0;
    }
    if (!error)
        error = writeAll(fd, QByteArrayView(old).sliced(half));
    if (!error && ::fsync(fd) != 0)
        error = errno;
    ::close(fd);
    if (!error && ::rename(part.constData(), QFile::encodeName(place).constData()) != 0)
        error = errno;
    if (!error)
        error = syncFolderOf(place);
    if (error)
        ::unlink(part.constData());
    return error;
}

// Made by this user, a plain file and no link: anything else at the copy's name was not
// left by this program and is never put over a file.
bool isOwnPlainFile(const QString &path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode) &&
           status.st_uid == ::geteuid();
}

} // namespace

KeptCopy keepCopy(const QString &path, const QByteArray &old, const QByteArray &next)
{
    const QStringList places = copyPlaces(path);
    const QByteArray header = Signature + recordOf("old", old) + recordOf("new", next) + '\n';
    int error = writeCopy(places[0], header, old);
    if (!error || saveStopped())
        return {places[0], {}};
    if (!QDir().mkpath(stateFolder()))
        return {{}, systemErrorText(error)};
    error = writeCopy(places[1], header, old);
    if (!error)
        return {places[1], {}};
    return {{}, systemErrorText(error)};
}

QString leftCopy(const QString &path)
{
    for (const QString &place : copyPlaces(path)) {
        if (QFileInfo(place).isFile())
            return place;
    }
    return {};
}

LeftCopy examineLeftCopy(const QString &path)
{
    using State = LeftCopy::State;
    const QString copy = leftCopy(path);
    if (copy.isEmpty())
        return {};
    const FileReadResult read = readWholeFile(copy, MaxFileBytes + MaxHeaderBytes);
    const std::optional<CopyContent> content =
        read.ok() && isOwnPlainFile(copy) ? readCopy(read.bytes) : std::nullopt;
    if (!content)
        return {State::Damaged, copy, {}};
    const FileReadResult file = readWholeFile(path);
    State state = State::Restorable;
    if (file.ok() && file.bytes == content->old)
        state = State::SameAsFile;
    else if (file.ok() && recordOf("new", file.bytes) == content->newRecord)
        state = State::SaveFinished;
    return {state, copy, content->old};
}

bool removeCopy(const QString &copy)
{
    return removeSynced(copy);
}

} // namespace platform
