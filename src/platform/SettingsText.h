#pragma once

#include <QString>
#include <QStringView>

// How keys and values of the settings store are written, as modHelp wrote them.
namespace platform {

// Moves every character 85 codes up the code page, leaving out those that
// would leave it. Keys and values of the settings store pass through it.
QString EncodeSetting(QStringView text);

// Moves every character 85 codes down, leaving out those that would leave it.
QString DecodeSetting(QStringView text);

} // namespace platform
