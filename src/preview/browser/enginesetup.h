#pragma once

// What the browser engine needs from the process before QApplication exists.
//
// The engine's sandbox stays on for every user. Root may not use it, and the engine refuses
// to start for root with it on: the editor does not preview as root for that reason, and
// started as root otherwise, this program ends with the engine's own message. No GPU switch
// is needed: without one the engine falls back to software rendering by itself.

namespace EngineSetup {

void prepare();

} // namespace EngineSetup
