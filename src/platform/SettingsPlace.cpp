#include "platform/SettingsPlace.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

using namespace Qt::StringLiterals;

namespace platform {

bool isPortableCopy(const QString &programFolder)
{
    return QFileInfo(QDir(programFolder).filePath(QLatin1String(portableMarker))).isFile();
}

SettingsPlace portableSettingsPlace(const QString &programFolder, const QString &application, SettingsUse use)
{
    const QDir folder(QDir(programFolder).filePath(u"config"_s));
    if (use == SettingsUse::Write ? !QDir().mkpath(folder.path()) : !folder.exists())
        return {};
    // Permissions on Windows say too little; a file made and removed says it all.
    QTemporaryFile probe(folder.filePath(u"probe-XXXXXX"_s));
    if (!probe.open())
        return {};
    return {folder.filePath(application + ".ini"_L1), QSettings::IniFormat};
}

} // namespace platform
