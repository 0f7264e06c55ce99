#pragma once

#include <QString>
#include <QStringList>

namespace reading {

// The paragraph for a Birthday Number from 1 to 31; empty for any other.
QString readingFor(int number);

// The number line, the introduction, the paragraph and an empty block, each
// ending in two CR LF line breaks.
QStringList readingBlocks(int number);

// The whole reading, as the result window shows it.
QString readingText(int number);

} // namespace reading
