#include "app/ApplicationSetUp.h"

#include "forms/Application.h"
#include "forms/DesignStyle.h"

#include <QApplication>

namespace app {

void setUpApplication(QApplication &application)
{
    QApplication::setApplicationVersion(forms::applicationVersion());
    // Lets the desktop pair the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(forms::applicationId());
    // Windows are hidden and shown as the user moves between them; only the
    // end routine ends the program.
    application.setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new forms::DesignStyle);
}

} // namespace app
