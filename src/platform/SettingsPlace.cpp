#include "platform/SettingsPlace.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace platform {

bool isPortableCopy(const QString &programFolder)
{
    return QFileInfo(QDir(programFolder).filePath(QLatin1String(portableMarker))).isFile();
}

SettingsPlace portableSettingsPlace(const QString &programFolder, const QString &application)
{
    const QString folder = QDir(programFolder).filePath(QStringLiteral("config"));
    // Permissions on Windows say too little; a file made and removed says it all.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("probe-XXXXXX")));
    if (!QDir().mkpath(folder) || !probe.open())
        return {};
    return {QDir(folder).filePath(application + QLatin1String(".ini")), QSettings::IniFormat};
}

} // namespace platform
