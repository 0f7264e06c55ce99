#pragma once

class QUrl;

namespace platform {

// Hands the address to the desktop's default browser and returns at once.
// Nothing of the address reaches the log or standard error, neither from here
// nor from a helper that starts the browser; false when no browser could be
// asked.
bool openInBrowser(const QUrl &url);

} // namespace platform
