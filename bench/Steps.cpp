#include "Steps.h"

#include "app/StartUp.h"
#include "fixture/Windows.h"
#include "platform/RecordingPlatform.h"
#include "reading/FrmBDNo.h"
#include "reading/FrmMain.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

#include <ctime>

using namespace Qt::StringLiterals;

namespace bench {

namespace {

// Until the old window is destroyed and the new one has been painted.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

template <class T>
T &control(QWidget &window, const char *name)
{
    return *window.findChild<T *>(QLatin1String(name));
}

void enterBirthday()
{
    QWidget &entry = reading::frmMain.get();
    control<QLineEdit>(entry, "txtFirstName").setText(u"ADA"_s);
    control<QLineEdit>(entry, "txtLastName").setText(u"LOVELACE"_s);
    control<QComboBox>(entry, "cboMonth").setCurrentIndex(6);
    control<QComboBox>(entry, "cboDate").setCurrentIndex(13);
    control<QComboBox>(entry, "cboYear").setCurrentIndex(85);
}

struct Times {
    double wallMs;
    double cpuMs;
};

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

Times timed(QPushButton &button)
{
    const double cpuStart = threadCpuMs();
    QElapsedTimer timer;
    timer.start();
    button.click();
    settle();
    return {static_cast<double>(timer.nsecsElapsed()) / 1e6, threadCpuMs() - cpuStart};
}

} // namespace

StepFigures measureSteps(int rounds)
{
    RecordingPlatform desktop;
    StepFigures figures;
    reading::frmMain.Show();
    app::CoBrand_Randomize();
    settle();
    for (int round = 0; round <= rounds; ++round) {
        enterBirthday();
        const Times next = timed(control<QPushButton>(reading::frmMain.get(), "cmdNext"));
        if (reading::frmMain.isLoaded() || !reading::frmBDNo.isLoaded())
            qFatal("Next did not lead to the reading");
        const Times back = timed(control<QPushButton>(reading::frmBDNo.get(), "cmdback"));
        if (!reading::frmMain.isLoaded() || reading::frmBDNo.isLoaded())
            qFatal("Back did not lead to the entry window");
        if (round == 0) {
            figures.firstNextMs = next.wallMs;
            continue;
        }
        figures.nextMs.append(next.wallMs);
        figures.backMs.append(back.wallMs);
        figures.nextCpuMs.append(next.cpuMs);
        figures.backCpuMs.append(back.cpuMs);
    }
    unloadEveryWindow();
    return figures;
}

} // namespace bench
