#include "app/Application.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace app {

QString applicationTitle()
{
    return QStringLiteral("Orvane Birthday Number");
}

QString windowCaption()
{
    return applicationTitle() + QLatin1String(" v") + applicationVersion();
}

QString applicationVersion()
{
    return QStringLiteral(ORVANE_VERSION);
}

QString applicationId()
{
    return QStringLiteral(ORVANE_APP_ID);
}

QString applicationName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace app
