#include "app/ApplicationSetUp.h"
#include "app/StartUp.h"
#include "forms/Application.h"
#include "platform/InstanceLock.h"
#include "platform/LogFilter.h"
#include "platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    platform::keepQuietWithoutRuntimeFolder();
    QApplication application(argc, argv);
    app::setUpApplication(application);
    platform::QtPlatform desktop(forms::applicationTitle(),
                                 platform::userInstanceLockName(forms::applicationName(), forms::applicationId()));
    platform::install(desktop.services());
    app::StartUp();
    return application.exec();
}
