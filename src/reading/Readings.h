#pragma once

#include <QString>

namespace reading {

// The paragraph for a Birthday Number from 1 to 31; empty for any other.
QString readingFor(int number);

// The whole reading, as the result window shows it.
QString readingText(int number);

} // namespace reading
