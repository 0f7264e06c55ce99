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

// Where this user's settings of the application are kept. On Unix, the file
// named after the application in the user's configuration folder. On Windows,
// the registry key of the product under its maker's, where Windows programs
// keep theirs; a portable copy keeps them beside itself instead.
SettingsPlace userSettingsPlace(const QString &application, const QString &maker, const QString &product);

// A copy with this empty file beside it is portable: it leaves nothing on the
// computer it runs on.
inline constexpr char portableMarker[] = ".portable";
bool isPortableCopy(const QString &programFolder);
// An INI file in a "config" folder beside the program, made when first needed;
// no path when that folder cannot be written to, as on a locked medium.
SettingsPlace portableSettingsPlace(const QString &programFolder, const QString &application);

} // namespace platform
