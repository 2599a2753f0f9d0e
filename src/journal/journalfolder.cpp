#include "journal/journalfolder.h"

#include "platform/syncedfile.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>

#include <algorithm>
#include <utility>

namespace {

const QString FileSuffix = QStringLiteral(".zurne-journal");
const QString LockSuffix = QStringLiteral(".lock");

// The program a file or lock in the folder belongs to: its name up to the "-" before the
// file's number, or up to the lock's suffix.
QString programOf(const QString &fileName)
{
    if (fileName.endsWith(LockSuffix))
        return fileName.chopped(LockSuffix.size());
    const QString name = fileName.chopped(FileSuffix.size());
    return name.left(name.lastIndexOf(QLatin1Char('-')));
}

int numberOf(const QString &fileName)
{
    const QString name = fileName.chopped(FileSuffix.size());
    return name.sliced(name.lastIndexOf(QLatin1Char('-')) + 1).toInt();
}

bool isGone(const QString &folder, const QString &program)
{
    return !platform::HeldLock::isHeld(folder + QLatin1Char('/') + program + LockSuffix);
}

QFileInfoList entries(const QString &folder, const QString &suffix)
{
    return QDir(folder).entryInfoList({QLatin1Char('*') + suffix}, QDir::Files | QDir::Hidden);
}

} // namespace

namespace journalfolder {

QString location()
{
    return platform::stateFolder() + QStringLiteral("/journal");
}

QStringList leftFiles(const QString &folder)
{
    QFileInfoList files = entries(folder, FileSuffix);
    files.removeIf(
        [&folder](const QFileInfo &file) { return !isGone(folder, programOf(file.fileName())); });
    // A program numbers its documents as their windows were made.
    const auto order = [](const QFileInfo &file) {
        return std::pair(programOf(file.fileName()), numberOf(file.fileName()));
    };
    std::sort(files.begin(), files.end(),
              [&order](const QFileInfo &a, const QFileInfo &b) { return order(a) < order(b); });
    QStringList paths;
    for (const QFileInfo &file : files)
        paths << file.filePath();
    return paths;
}

void removeDeadLocks(const QString &folder)
{
    QStringList programsWithFiles;
    for (const QFileInfo &file : entries(folder, FileSuffix))
        programsWithFiles << programOf(file.fileName());
    for (const QFileInfo &lock : entries(folder, LockSuffix)) {
        const QString program = programOf(lock.fileName());
        if (!programsWithFiles.contains(program) && isGone(folder, program))
            QFile::remove(lock.filePath());
    }
}

} // namespace journalfolder

JournalOwner::JournalOwner(QString folder)
    : folder_(std::move(folder)), program_(QUuid::createUuid().toString(QUuid::Id128))
{
    if (!QDir().mkpath(folder_))
        return;
    QFile::setPermissions(folder_,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    lock_ =
        std::make_unique<platform::HeldLock>(folder_ + QLatin1Char('/') + program_ + LockSuffix);
}

QString JournalOwner::newFileName()
{
    return folder_ + QLatin1Char('/') + program_ + QLatin1Char('-') + QString::number(++files_) +
           FileSuffix;
}
