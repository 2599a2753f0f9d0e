#pragma once

// A lock file that a running program holds for as long as it lives. The lock is the system's
// (flock), not the file: the system lets it go when the program ends, however it ends, so a
// lock file nobody holds means its program is gone. A process id written into the file would
// not tell that: after a power cut the same number may belong to another program.

#include <QString>

namespace platform {

class HeldLock {
public:
    // Makes the file at `path` and takes its lock; held() says whether it could.
    explicit HeldLock(QString path);
    // Removes the file and lets the lock go.
    ~HeldLock();
    HeldLock(const HeldLock &) = delete;
    HeldLock &operator=(const HeldLock &) = delete;

    bool held() const { return fd_ >= 0; }

    // Whether a running program holds the lock file at `path`; false when there is none.
    static bool isHeld(const QString &path);

private:
    QString path_;
    int fd_ = -1;
};

} // namespace platform
