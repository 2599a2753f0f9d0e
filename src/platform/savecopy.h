#pragma once

// The copy of a file's old content that an in-place save keeps while it writes over the
// file: `.NAME.zurne-copy` beside the file, or, when its folder takes no new file, the file's
// full path with every "/" as "%" plus `.zurne-copy` in the user's state folder
// ($XDG_STATE_HOME/zurne, by default ~/.local/state/zurne). A copy that is still there
// later means that a save was cut short, and it may be the only whole old content left.
//
// The copy is written under a name of its own, synced and only then renamed to its place,
// so a copy at its place was whole once. It starts with a header that records the length
// and SHA-256 of the old content it keeps and of the new content the save was writing:
// what is left after a crash tells which of the two the file holds, and a copy whose
// content does not match its header is known to be damaged and is never put back.

#include <QByteArray>
#include <QString>

namespace platform {

struct KeptCopy {
    // Where the copy went; empty when none could be made.
    QString path;
    // Why no copy could be made, for the user.
    QString failure;
};

// Keeps `old`, the content of the existing file at `path`, in its copy, recording that
// `next` is about to replace it, and makes the copy reach the disk before it returns.
KeptCopy keepCopy(const QString &path, const QByteArray &old, const QByteArray &next);

// The copy an interrupted save left of the file at `path`, or an empty string.
QString leftCopy(const QString &path);

struct LeftCopy {
    enum class State {
        None,
        // Not as its header says, not a file of this user's, or not a copy at all.
        Damaged,
        // The file holds the old content again: the copy is of no more use.
        SameAsFile,
        // The file holds the whole new content: the save had finished.
        SaveFinished,
        // The file holds neither: the old content is only in the copy.
        Restorable,
    };
    State state = State::None;
    QString path;
    // The old content, when the copy is whole.
    QByteArray old;
};

// What a copy left beside the file at `path` (or in the state folder) holds, against the
// file as it is now.
LeftCopy examineLeftCopy(const QString &path);

// Removes the copy at `copy` for good (its folder synced); false when it could not.
bool removeCopy(const QString &copy);

} // namespace platform
