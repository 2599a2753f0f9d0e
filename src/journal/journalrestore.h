#pragma once

// Coming back after the program ended without closing its documents: a crash, a kill, a
// power cut.

#include "journal/journalentry.h"

class DocumentWindow;
class Journal;

namespace JournalRestore {

// Asks once whether to bring back the documents that programs which are gone left in the
// journal, and opens each one as a document window on はい; on いいえ keeps them for the
// next start and says where they are. A file that cannot be read whole is named, skipped
// and kept. Asks nothing when there is nothing to bring back.
void offerLeftDocuments(Journal &journal);

// A new document window holding `entry` as it was: its file's path as caption (or
// "（無題）"), its text, code page and line breaks, the caret, and the modified mark. Null
// without a host.
DocumentWindow *bringBack(const JournalEntry &entry);

} // namespace JournalRestore
