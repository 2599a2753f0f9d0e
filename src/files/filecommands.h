#pragma once

// The file commands the document commands share: open and save. Every one of them is
// harmless without a document host (the main window) or a document.

#include <QString>

class DocumentWindow;
struct LoadedText;

namespace DocumentCommands {

// The file the next document window loads; empty at all other times.
inline QString PendingFileName;

// Opens the file at `path` in a new document window, as the open command does once the
// file is chosen, and makes its folder the one the open dialog starts in. Null without a
// host.
DocumentWindow *OpenFile(const QString &path);

// The open dialog starts in the folder of `path` next time, in this run and the next, and
// offers that file, as after choosing it there.
void rememberOpenedFile(const QString &path);

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

// Takes `loaded`, read from `path`, as the window's text and remembers the file; says why
// and changes nothing when it could not be read.
bool takeFileText(DocumentWindow &document, const QString &path, const LoadedText &loaded);

// Hands the document windows what they need of the file commands (the file to load, the
// check for changes made elsewhere, the save before closing, dropped files). Whoever hosts
// the windows calls it once, before the first window.
void serveDocumentWindows();

} // namespace DocumentCommands
