#include "app/ApplicationSetUp.h"
#include "app/StartUp.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    return app::runOnDesktop(argc, argv, {}, [](const QString &) {
        app::StartUp();
        return QApplication::exec();
    });
}
