#pragma once

// The steps every careful write shares, and files that must survive a crash or a power cut:
// written with their content and their name on the disk before the call returns, in the
// user's own state folder when they belong to no document.

#include <QByteArrayView>
#include <QString>

namespace platform {

// Writes all of `bytes` at the descriptor's position; 0, or the errno that stopped it (a
// write that takes nothing counts as a full disk).
int writeAll(int fd, QByteArrayView bytes);

// Syncs the folder that holds `path`, so that a name made, changed or removed there lasts;
// 0, or the errno that stopped it.
int syncFolderOf(const QString &path);

// $XDG_STATE_HOME/zurne, by default ~/.local/state/zurne. Not made here.
QString stateFolder();

// Replaces the file at `path` with `bytes` (made for the user alone) so that a crash at any
// moment leaves either the old file whole or the new one: written under a temporary name
// beside it, synced, renamed into place, the folder synced. Returns 0 or the errno.
int replaceSynced(const QString &path, QByteArrayView bytes);

// Renames the file `from` to `to` and makes the new name reach the disk. Returns 0 or the
// errno (ENOENT when another program took the file first).
int renameSynced(const QString &from, const QString &to);

// Removes the file at `path`, and its name from the disk. False when it was not there.
bool removeSynced(const QString &path);

} // namespace platform
