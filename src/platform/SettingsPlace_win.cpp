#include "platform/SettingsPlace.h"

#include <QCoreApplication>

namespace platform {

SettingsPlace userSettingsPlace(const QString &application, const QString &maker, const QString &product)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (isPortableCopy(programFolder))
        return portableSettingsPlace(programFolder, application);
    // A key of its own path has no fallback to the machine-wide one.
    return {QLatin1String("HKEY_CURRENT_USER\\Software\\") + maker + QLatin1Char('\\') + product,
            QSettings::NativeFormat};
}

} // namespace platform
