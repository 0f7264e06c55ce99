#pragma once

#include <QString>
#include <QUrl>

#include <cstdint>

// For the platform floor and its tests alone.
namespace platform::detail {

// The address as the browser must receive it: Qt is not allowed to re-encode it.
QUrl urlForAddress(const QString &address);

// Only web pages go to the browser: a file or script address could run
// something on the user's computer.
bool isWebAddress(const QUrl &url);

// Uses the top 24 bits, as many as a float holds, so the result is never 1.
float unitFloatFromBits(std::uint32_t bits);

} // namespace platform::detail
