#include "app/Application.h"
#include "app/MenuBarStyle.h"
#include "app/StartUp.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    application.setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new app::MenuBarStyle);
    app::substituteFonts();
    platform::QtPlatform desktop(app::applicationTitle(), platform::defaultLockFilePath(app::applicationName()));
    platform::install(desktop.services());
    app::StartUp();
    return application.exec();
}
