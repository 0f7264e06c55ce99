#include "app/Application.h"
#include "app/StartUp.h"
#include "platform/InstanceLock.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::setUpApplication(application);
    platform::QtPlatform desktop(app::applicationTitle(),
                                 platform::userInstanceLockName(app::applicationName(), app::applicationId()));
    platform::install(desktop.services());
    app::StartUp();
    return application.exec();
}
