#pragma once

// The files opened or saved last, newest first, each once, at most Limit of them; kept in
// the settings across runs.

#include <QStringList>

class RecentFiles {
public:
    static constexpr qsizetype Limit = 8;

    explicit RecentFiles(const QStringList &paths = {});

    const QStringList &paths() const { return paths_; }
    // Puts `path` first; an older entry for it goes, and the oldest beyond the limit.
    void add(const QString &path);
    void remove(const QString &path);

    // The list as last stored, and storing it.
    static RecentFiles stored();
    void store() const;
    // Adds `path` to the stored list.
    static void remember(const QString &path);

private:
    QStringList paths_;
};

namespace RecentFileCommands {

// Opens `path` as the open command does once a file is chosen. A file that is no longer
// there is taken off the list, with a message.
void open(const QString &path);

} // namespace RecentFileCommands
