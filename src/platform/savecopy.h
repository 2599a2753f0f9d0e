#pragma once

// The copy of a file's old content that an in-place save keeps while it writes over the
// file: `.NAME.zurne-copy` beside the file, or, when its folder takes no new file, the file's
// full path with every "/" as "%" plus `.zurne-copy` in the user's state folder
// ($XDG_STATE_HOME/zurne, by default ~/.local/state/zurne). A copy that is still there
// later means that a save was cut short, and it is the only whole old content left.

#include <QByteArray>
#include <QString>

namespace platform {

struct KeptCopy {
    // Where the copy went; empty when none could be made.
    QString path;
    // Why no copy could be made, for the user.
    QString failure;
};

// Writes `old`, the content of the existing file at `path`, to its copy and makes it reach
// the disk before it returns.
KeptCopy keepCopy(const QString &path, const QByteArray &old);

// The copy an interrupted save left of the file at `path`, or an empty string.
QString leftCopy(const QString &path);

} // namespace platform
