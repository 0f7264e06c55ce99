#include "app/Application.h"

#include "app/DesignStyle.h"

#include <QApplication>
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

void setUpApplication(QApplication &application)
{
    QApplication::setApplicationVersion(applicationVersion());
    // Lets the desktop pair the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(applicationId());
    // Windows are hidden and shown as the user moves between them; only the
    // end routine ends the program.
    application.setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new DesignStyle);
}

} // namespace app
