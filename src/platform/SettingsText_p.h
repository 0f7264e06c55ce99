#pragma once

#include <QString>

#include <optional>

// For the platform floor and its tests alone.
namespace platform::detail {

// The character's code in the Windows-1252 code page, if it has one.
std::optional<int> ansiCode(QChar character);

// The Windows-1252 character with the code 0 to 255.
QString ansiCharacter(int code);

} // namespace platform::detail
