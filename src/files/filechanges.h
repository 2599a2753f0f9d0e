#pragma once

// What the program says about a document's file when something other than this window's
// last read or write left it as it is: another program changed it or put something else at
// its path, or a save that wrote over it in place was cut short and left a copy of its old
// content. Never silent, and checked only at the moments that matter (open, save,
// activation), with no timer.

#include "platform/filewriter.h"

#include <QString>
#include <optional>

class DocumentWindow;
class QWidget;

namespace FileChanges {

// Before `document` is written over `path`: how, when the file is as the window last read
// or wrote it (or is not there), or the user chose to write over another program's change;
// nullopt when not at all. A link that was not at the path when the window last read or
// wrote it is never written through: the user is asked whether to put the file in its place.
std::optional<platform::Links> maySaveOver(DocumentWindow &document, const QString &path);

// When `document` becomes active and its file changed since: asks, once per change, whether
// to read the file again, naming unsaved changes that would go; reads it when told to.
void offerReload(DocumentWindow &document);

// Before the file at `path` is opened: when a cut-short save left a copy of its old content,
// says what it holds against the file and, when it is whole, offers to put it back; a copy
// the file already equals goes without a word.
void offerLeftCopy(QWidget *parent, const QString &path);

} // namespace FileChanges
