#include "platform/SettingsPlace.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace platform {

SettingsPlace userSettingsPlace(const QString &application, const QString &maker, const QString &product,
                                SettingsUse use)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (isPortableCopy(programFolder))
        return portableSettingsPlace(programFolder, application, use);
    // A key of its own path has no fallback to the machine-wide one.
    return {"HKEY_CURRENT_USER\\Software\\"_L1 + maker + u'\\' + product, QSettings::NativeFormat};
}

} // namespace platform
