// Starts as a copy of the program would, as far as the instance lock goes:
// prints whether it runs and where its lock is, holds the lock until its
// input ends, and ends the way the program does.
#include "app/Application.h"
#include "platform/QtPlatform.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    const QCoreApplication application(argc, argv);
    const QString lock = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                  : platform::defaultLockFilePath(app::applicationName());
    platform::QtProcess process(lock);
    const bool refused = process.previousInstanceRunning();
    std::printf("%s %s\n", refused ? "refused" : "running", qPrintable(lock));
    std::fflush(stdout);
    if (!refused) {
        while (std::getchar() != EOF) {
        }
    }
    process.end();
}
