#pragma once

// What the program says about a document's file when something other than this window's
// last read or write left it as it is: another program changed it, or a save that wrote
// over it in place was cut short and left a copy of its old content. Never silent, and
// checked only at the moments that matter (open, save, activation), with no timer.

#include <QString>

class DocumentWindow;
class QWidget;

namespace FileChanges {

// Before `document` is written over `path`: true when the file is as the window last read
// or wrote it (or is not there), or the user chose to write over another program's change.
bool maySaveOver(DocumentWindow &document, const QString &path);

// When `document` becomes active and its file changed since: asks, once per change, whether
// to read the file again, naming unsaved changes that would go; reads it when told to.
void offerReload(DocumentWindow &document);

// Before the file at `path` is opened: when a cut-short save left a copy of its old content,
// says so and offers to put that content back into the file.
void offerLeftCopy(QWidget *parent, const QString &path);

} // namespace FileChanges
