#pragma once

namespace platform {

// What the system wants of the process before anything else runs, the
// application object included: on Windows, libraries load from the system
// folder alone, so that one planted beside the program is never run; on Unix,
// Qt's warning at every start without a runtime folder, whose absence the lock
// already handles, is dropped.
void prepareProcess();

} // namespace platform
