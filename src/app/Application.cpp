#include "app/Application.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>

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

void substituteFonts()
{
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
}

} // namespace app
