// A copy of the program on the real platform, without its event loop: it
// prints whether it runs and where its lock is, shows the entry window when
// it runs, holds on until its input ends, and then ends as the program does.
#include "app/ApplicationSetUp.h"
#include "app/StartUp.h"
#include "forms/lifecycle/UnloadAllAndEnd.h"
#include "platform/Platform.h"

#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    const QString lockName = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    return app::runOnDesktop(argc, argv, lockName, [](const QString &lock) {
        // Asked first, so that a refused copy ends here instead of waiting on its box.
        const bool refused = platform::process().previousInstanceRunning();
        std::printf("%s %s\n", refused ? "refused" : "running", qPrintable(lock));
        std::fflush(stdout);
        if (!refused) {
            app::StartUp();
            while (std::getchar() != EOF) {}
        }
        forms::UnloadAllAndEnd();
        return 0;
    });
}
