#pragma once

// What the browser engine needs from the process before QApplication exists.

namespace EngineSetup {

// Root may not use the engine's sandbox (it refuses to start), so it is switched off for
// root alone; every other user keeps it. No GPU switch is needed: without one the engine
// falls back to software rendering by itself.
void prepare();

} // namespace EngineSetup
