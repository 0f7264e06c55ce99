#pragma once

class QApplication;

namespace app {

// What the program asks of Qt before its first window: its version and
// desktop id, no quitting when a window closes, and its style.
void setUpApplication(QApplication &application);

} // namespace app
