#pragma once

// The Caps Lock state as the display reports it, apart from the rest of the platform layer
// because the X headers define names (None, Status) that clash with it.

namespace platform {

// Whether Caps Lock is on; false where the display cannot tell.
bool readCapsLock();

} // namespace platform
