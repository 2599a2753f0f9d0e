#pragma once

// The steps of every write that must never lose a file's content (an ordinary save, a save in
// place, putting a kept copy back), and the one seam through which tests stop such a write
// after any of them, as a kill would: the files are left exactly as they are at that moment.

namespace platform {

enum class SaveStep {
    // The copy of the old content, on its way to its name (platform/savecopy.h).
    CopyCreated,
    CopyHalfWritten,
    CopyKept,
    // Writing over the file where it is.
    SpaceReserved,
    ContentWritten,
    ContentSynced,
    CopyRemoved,
    // A new file beside the old one, then renamed over it.
    NewFileWritten,
    NewFileRenamed,
};

// Called after each step; when it returns false, the write stops there and so does every
// later step of that write. Null: never stops.
using SaveStepHook = bool (*)(SaveStep step);
void setSaveStepHookForTesting(SaveStepHook hook);

// False when the write is to stop after `step`; stays false, once it was, until the hook is
// set again.
bool goesOnAfter(SaveStep step);
// Whether the hook stopped a write, which then leaves everything as it is.
bool saveStopped();

} // namespace platform
