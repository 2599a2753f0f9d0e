#pragma once

// The procedures shared by the document commands: new, open, save and the clipboard.
// Every one of them is harmless without a document host (the main window) or a document.

#include <QString>

class DocumentWindow;

namespace DocumentCommands {

// The file the next document window loads; empty at all other times.
inline QString PendingFileName;

// Creates a document window, which becomes the active document. Null without a host.
DocumentWindow *NewDocument();

// Opens the file at `path` in a new document window, as the open command does once the
// file is chosen. Null without a host.
DocumentWindow *OpenFile(const QString &path);

// Asks for a file and opens it in a new document window; remembers its folder for the next
// open.
void OpenDocument();

// Saves `document` to the path in its caption, asking for a name when it has none.
// Returns whether the text was written.
bool SaveDocument(DocumentWindow &document);

// Asks for a name and saves `document` under it; the caption becomes that name. Returns
// whether the text was written: not when the dialog was cancelled or writing failed.
bool SaveDocumentAs(DocumentWindow &document);

// Writes the whole text of `document` to `path` in the document's code page and clears its
// modified mark. When it cannot (a character the code page cannot hold, a file that cannot
// be written) it says why in a message, leaves the file on disk and the mark as they were,
// and returns false.
bool WriteDocument(DocumentWindow &document, const QString &path);

// The edit commands on the active document's selection and the clipboard.
// Undo and Redo step through the active document's history, as Ctrl+Z in its text would.
void Undo();
void Redo();
void CutText();
void CopyText();
void PasteText();
// A Delete key for the active document's text, wherever the focus was.
void DeleteText();
void SelectAll();

} // namespace DocumentCommands
