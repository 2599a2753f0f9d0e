#pragma once

// The document procedures that need no file: a new document and the edit commands. The file
// commands (open, save) are in files/filecommands.h, in the same namespace. Every one of them
// is harmless without a document host (the main window) or a document.

class DocumentWindow;

namespace DocumentCommands {

// Creates a document window, which becomes the active document. Null without a host.
DocumentWindow *NewDocument();

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
