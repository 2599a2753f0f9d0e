#pragma once

// The texts the save commands show when a file is not written, or before it is replaced.

#include <QByteArray>
#include <QString>

// The file could not be written: names the file and the reason.
QString writeFailedMessage(const QString &path, const QString &reason);

// The text holds a character the code page cannot hold: names the file, the character at
// `offset`, its line (counted from 1) and the code page.
QString unencodableMessage(const QString &path, const QString &text, qsizetype offset,
                           const QByteArray &codePage);

// Asks before replacing an existing file the user did not name in the dialog.
QString overwriteQuestion(const QString &path);
