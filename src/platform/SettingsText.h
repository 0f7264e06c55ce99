#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// How keys and values of the settings store are written, as modHelp wrote them.
namespace platform {

// The character's code in the Windows-1252 code page, if it has one.
std::optional<int> ansiCode(QChar character);

// The Windows-1252 character with the code 0 to 255.
QString ansiCharacter(int code);

// Moves every character 85 codes up the code page, leaving out those that
// would leave it. Keys and values of the settings store pass through it.
QString EncodeSetting(QStringView text);

// Moves every character 85 codes down, leaving out those that would leave it.
QString DecodeSetting(QStringView text);

} // namespace platform
