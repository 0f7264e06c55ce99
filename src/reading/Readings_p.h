#pragma once

#include <QStringList>

// For the reading floor and its tests alone.
namespace reading::detail {

// The number line, the introduction, the paragraph and an empty block, each
// ending in two CR LF line breaks.
QStringList readingBlocks(int number);

} // namespace reading::detail
