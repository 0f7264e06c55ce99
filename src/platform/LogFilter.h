#pragma once

namespace platform {

// Qt warns on standard error at every start on Unix without a runtime folder;
// the lock is then kept in a private folder of its own, so the warning is
// dropped. Called before the application object exists.
void keepQuietWithoutRuntimeFolder();

} // namespace platform
