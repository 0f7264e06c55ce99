#pragma once

#include <QSettings>
#include <QString>

namespace platform {

// A file or registry key and its format; no path when the settings cannot be
// kept anywhere, and the program then runs as if it had none.
struct SettingsPlace {
    QString path;
    QSettings::Format format = QSettings::NativeFormat;
};

// Whether the settings are to be read or written: only a write makes a folder.
enum class SettingsUse { Read, Write };

// Where this user's settings of the application are kept. On Unix, the file
// named after the application in the user's configuration folder. On Windows,
// the registry key of the product under its maker's, where Windows programs
// keep theirs; a portable copy keeps them beside itself instead.
SettingsPlace userSettingsPlace(const QString &application, const QString &maker, const QString &product,
                                SettingsUse use);

// A copy with this empty file beside it is portable: it leaves nothing on the
// computer it runs on.
inline constexpr char portableMarker[] = ".portable";
bool isPortableCopy(const QString &programFolder);
// An INI file in a "config" folder beside the program, which only a write
// makes; no path when that folder cannot be written to, as on a locked medium,
// nor for a read before it exists.
SettingsPlace portableSettingsPlace(const QString &programFolder, const QString &application, SettingsUse use);

} // namespace platform
