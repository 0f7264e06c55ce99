#pragma once

#include <QString>

namespace app {

// Title of the program as a whole: every message box carries it.
QString applicationTitle();

// Caption of every window.
QString windowCaption();

// The executable's file name without its extension.
QString applicationName();

} // namespace app
