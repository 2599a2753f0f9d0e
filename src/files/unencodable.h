#pragma once

// What a save does with characters the document's code page cannot hold: HTML can write any
// character as a numeric character reference, so the user may have them written that way,
// or go to the first of them and change it by hand.

#include <QString>
#include <QStringView>

class DocumentWindow;
struct TextEncoding;

namespace Unencodable {

// The whole character of `text` at `offset`, a surrogate pair included.
QString characterAt(const QString &text, qsizetype offset);
// The code point of a character characterAt() gives.
char32_t codePointOf(QStringView character);
// The character as a hexadecimal reference: 𠮷 gives "&#x20BB7;".
QString referenceTo(char32_t codePoint);

// Called when `document`'s text holds characters `encoding` cannot hold: says which, to be
// saved as `path`, and offers to write each as a reference (as one edit), to move the caret
// to the first, or to stop. Only the move is offered when one of them stands where a
// reference would not be read as one (a script, a style sheet, a comment). Returns whether
// the references were written, so that the save can go on.
bool offerReferences(DocumentWindow &document, const QString &path, const TextEncoding &encoding);

} // namespace Unencodable
