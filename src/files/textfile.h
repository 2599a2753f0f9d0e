#pragma once

// Reading document files as text: the bytes through the bounded reader, the text through
// the code-page decoder.

#include "codepage/textencoding.h"
#include "platform/filereader.h"

#include <QString>

struct LoadedText {
    QString text;
    // How the bytes were read, and how the document is saved back.
    TextEncoding encoding;
    // Why the file was not read; the text is empty then.
    platform::FileReadResult::Failure failure = platform::FileReadResult::Failure::None;
    QString failureReason;
    bool ok() const { return failure == platform::FileReadResult::Failure::None; }
};

// The whole file with its line breaks untouched, when it holds at most `maxBytes`.
LoadedText readTextWhole(const QString &path, qint64 maxBytes = platform::MaxFileBytes);

// The whole file read in `codePage`, as the user chose; bytes it does not decode are kept.
LoadedText readTextAs(const QString &path, const QByteArray &codePage);
