#include "app/ApplicationSetUp.h"

#include "forms/look/DesignStyle.h"
#include "platform/InstanceLock.h"
#include "platform/ProcessStart.h"
#include "platform/ProductFacts.h"
#include "platform/QtPlatform.h"

#include <QApplication>

namespace app {

void setUpApplication(QApplication &application)
{
    QApplication::setApplicationVersion(platform::applicationVersion());
    // Lets the desktop pair the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(platform::applicationId());
    // Windows are hidden and shown as the user moves between them; only the
    // end routine ends the program.
    application.setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new forms::DesignStyle);
}

int runOnDesktop(int &argc, char **argv, const QString &lockName, const std::function<int(const QString &)> &run)
{
    platform::prepareProcess();
    QApplication application(argc, argv);
    setUpApplication(application);
    const QString lock = lockName.isEmpty()
        ? platform::userInstanceLockName(platform::applicationName(), platform::applicationId())
        : lockName;
    platform::QtPlatform desktop(platform::applicationTitle(), platform::applicationMaker(), lock);
    platform::install(desktop.services());
    return run(lock);
}

} // namespace app
