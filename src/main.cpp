#include "app/Application.h"
#include "app/MenuBarStyle.h"
#include "app/StartUp.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(app::applicationVersion());
    // Lets the desktop pair the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(app::applicationId());
    application.setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new app::MenuBarStyle);
    platform::QtPlatform desktop(app::applicationTitle(), platform::defaultLockFilePath(app::applicationName()));
    platform::install(desktop.services());
    app::StartUp();
    return application.exec();
}
