#pragma once

// Replacing every match in a file on disk, for a search across files: the file is read as
// the open command reads it and written back as the save command writes it, in its own code
// page, with its own line breaks, its kept bytes and its forms of characters, through the
// same careful write (its owner, permissions and links kept). Every byte outside the matches
// stays as it was. Widget-free, for the search thread.

#include "platform/filestamp.h"
#include "search/matcher.h"

#include <QString>

struct FileReplaced {
    QString path;
    qsizetype replaced = 0;
    // Replaced in the file's window, which is left unsaved, rather than on disk.
    bool inWindow = false;
    // Why the file was left as it was; empty when it was written or held no match.
    QString skipped;
};

// Replaces each match of `matcher` in the file at `path` with `with`, unless the file has
// changed since `searched` was taken or a replacement cannot be written in its code page.
FileReplaced replaceInFile(const Matcher &matcher, const QString &with, const QString &path,
                           const platform::FileStamp &searched);
