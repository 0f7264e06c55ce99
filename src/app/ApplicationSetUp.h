#pragma once

#include <QString>

#include <functional>

class QApplication;

namespace app {

// What the program asks of Qt before its first window: its version and
// desktop id, no quitting when a window closes, and its style.
void setUpApplication(QApplication &application);

// Every start of the program on the real desktop: the process prepared, the
// application made and set up, and the real services installed, with the lock
// of that name or, when it is empty, the user's own. Then runs run, given the
// lock's name, for as long as it runs.
int runOnDesktop(int &argc, char **argv, const QString &lockName, const std::function<int(const QString &)> &run);

} // namespace app
