#include "platform/SettingsPlace.h"

namespace platform {

SettingsPlace userSettingsPlace(const QString &application, const QString &, const QString &, SettingsUse)
{
    return {QSettings(QSettings::NativeFormat, QSettings::UserScope, application).fileName(), QSettings::NativeFormat};
}

} // namespace platform
