#pragma once

// One document as the journal keeps it: everything needed to bring it back as it was, so
// that saving it afterwards writes the bytes a save before the program ended would have.
//
// On the disk: the magic "ZURNEJNL", a version, the length of what follows and its SHA-256,
// then the document. A file cut short, overwritten with anything else, or written by a newer
// version is recognised as such and never read in part.

#include "codepage/textencoding.h"
#include "platform/filestamp.h"
#include "textmodel/linebreaks.h"
#include "textmodel/textmodel.h"

#include <QByteArray>
#include <QString>

#include <optional>

struct JournalEntry {
    // The document's file; empty for a page never saved.
    QString path;
    // The file as the document last read or wrote it, to tell a change made elsewhere.
    platform::FileStamp stamp;
    TextEncoding encoding;
    // The break of the lines that have none of their own.
    LineBreak documentBreak = LineBreak::CrLf;
    // Whether the document's text ends with a break its file leaves out.
    TextModel::Ending ending = TextModel::Ending::AsInFile;
    // The caret, as an offset of the model's text.
    qsizetype caret = 0;
    // The text as the file would have it, every line with its own break.
    QString text;

    friend bool operator==(const JournalEntry &, const JournalEntry &) = default;
};

QByteArray encodeJournalEntry(const JournalEntry &entry);
// Nullopt for anything but a whole entry of this version or an older one.
std::optional<JournalEntry> decodeJournalEntry(const QByteArray &bytes);
