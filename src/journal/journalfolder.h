#pragma once

// Where the journal lives and whose files are whose: $XDG_STATE_HOME/zurne/journal/ (by
// default ~/.local/state/zurne/journal/), one file per document. Every running program
// writes its files under a name of its own, "<program>-<n>.zurne-journal", and holds the
// lock "<program>.lock" for as long as it runs, so two programs never take each other's
// files and the files of a program that is gone are those whose lock nobody holds.

#include "platform/heldlock.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace journalfolder {

QString location();

// The files that programs no longer running left in `folder`, each program's in the order
// its windows were made.
QStringList leftFiles(const QString &folder);

// Removes the locks in `folder` of programs that are gone and left no file.
void removeDeadLocks(const QString &folder);

} // namespace journalfolder

// This program's own part of the journal.
class JournalOwner {
public:
    // Makes the folder (for the user alone) and takes this program's lock in it.
    explicit JournalOwner(QString folder);

    const QString &folder() const { return folder_; }
    // Whether the lock is held, so that the files are safe from other programs.
    bool ready() const { return lock_ && lock_->held(); }
    // A name for one more document's file.
    QString newFileName();

private:
    QString folder_;
    QString program_;
    int files_ = 0;
    std::unique_ptr<platform::HeldLock> lock_;
};
