#pragma once

// The procedures shared by the document commands: new, open, save and the clipboard.

#include <QString>

class frmChild;

namespace Module1 {

// The file the next document window loads; empty at all other times.
inline QString PendingFileName;

// Creates a document window, which becomes the active document. Null without a main window.
frmChild *NewDocument();

// Saves `document` to the path in its caption, asking for a name when it has none.
// Returns whether the text was written.
bool SaveDocument(frmChild &document);

} // namespace Module1
