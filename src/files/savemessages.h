#pragma once

// The texts the file commands show when a file is not read or written, or before it is
// replaced.

#include "codepage/textencoding.h"
#include "platform/filestamp.h"

#include <QString>

#include <vector>

// The file could not be read: names the file and the reason.
QString readFailedMessage(const QString &path, const QString &reason);

// The file could not be written: names the file and the reason.
QString writeFailedMessage(const QString &path, const QString &reason);

// The text holds characters `encoding` cannot hold, at `offsets` (not empty): names the file,
// the first of them with its line and column (counted from 1), the code page, and how many
// there are.
QString unencodableMessage(const QString &path, const QString &text,
                           const std::vector<qsizetype> &offsets, const TextEncoding &encoding);

// The text holds bytes its code page did not decode (the first at `offset`), which no other
// code page can take.
QString keptBytesMessage(const QString &path, const QString &text, qsizetype offset);

// Asks before replacing an existing file the user did not name in the dialog.
QString overwriteQuestion(const QString &path);

// Asks before writing over a file that another program changed since it was read or saved.
QString changedBeforeSaveQuestion(const QString &path);

// Offers to read again a file another program changed, or a link put in its place (`now`);
// names the unsaved changes that reading it would discard.
QString changedElsewhereQuestion(const platform::FileStamp &now, bool unsavedChanges);

// A save cut short left `copy` with the old content of `path`: offers to put it back.
QString leftCopyQuestion(const QString &path, const QString &copy);

// A cut-short save left `copy`, and the file at `path` already holds the whole new content:
// offers to put the old content back all the same.
QString finishedSaveQuestion(const QString &path, const QString &copy);

// The copy a cut-short save left of `path` is damaged: it is not put back, and stays.
QString damagedCopyMessage(const QString &path, const QString &copy);

// The old content could not be put back from `copy`, which stays.
QString restoreFailedMessage(const QString &path, const QString &copy, const QString &reason);

// What is at `now`'s path in place of the file: "… はリンクに置き換えられています（→ 対象）。",
// or the same for a folder or something else; a null string while it is a file.
QString replacedSentence(const platform::FileStamp &now);

// A link was put where the file was: asks whether to put the file in the link's place.
QString linkBeforeSaveQuestion(const platform::FileStamp &now);

// Something that is neither a file nor a link is where the file was: not saved.
QString replacedNotSavedMessage(const platform::FileStamp &now);
