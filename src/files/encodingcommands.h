#pragma once

// The commands that put a document's code page and line breaks in the user's hands: read
// its file again in a chosen code page, and save it converted to another code page and
// line break, its charset declaration following along.

#include "textmodel/linebreaks.h"

#include <QByteArray>

#include <optional>

class DocumentWindow;

namespace EncodingCommands {

// Reads the document's file again in `codePage`, replacing its text; with unsaved changes
// it asks first. Nothing for a document without a file. Returns whether it was read.
bool ReadAgainAs(DocumentWindow &document, const QByteArray &codePage);

enum class Declaration { Rewritten, Kept };

struct Conversion {
    // The iconv code page, as codepage/codepage.h names it.
    QByteArray codePage;
    bool byteOrderMark = false;
    // The break every line gets; nullopt keeps each line's own.
    std::optional<LineBreak> lineBreak;
    // Whether the page's charset declaration is made to name the new code page.
    Declaration declaration = Declaration::Rewritten;
};

// Saves the document as `conversion` says, through the save command (asking a name for a
// document without a file). When the code page cannot hold every character, says which and
// writes nothing, leaving the document as it was. Once it passes that check the document
// keeps the new code page and breaks, even if the user then cancels the name. Returns
// whether the file was written.
bool SaveConverted(DocumentWindow &document, const Conversion &conversion);

} // namespace EncodingCommands
