#include "Steps.h"

#include "app/StartUp.h"
#include "platform/RecordingPlatform.h"
#include "platform/Windows.h"
#include "reading/FrmBDNo.h"
#include "reading/FrmMain.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

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
    QWidget &entry = frmMain.get();
    control<QLineEdit>(entry, "txtFirstName").setText(QStringLiteral("ADA"));
    control<QLineEdit>(entry, "txtLastName").setText(QStringLiteral("LOVELACE"));
    control<QComboBox>(entry, "cboMonth").setCurrentIndex(6);
    control<QComboBox>(entry, "cboDate").setCurrentIndex(13);
    control<QComboBox>(entry, "cboYear").setCurrentIndex(85);
}

double timed(QPushButton &button)
{
    QElapsedTimer timer;
    timer.start();
    button.click();
    settle();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

StepFigures measureSteps(int rounds)
{
    RecordingPlatform desktop;
    StepFigures figures;
    frmMain.Show();
    app::CoBrand_Randomize();
    settle();
    for (int round = 0; round <= rounds; ++round) {
        enterBirthday();
        const double next = timed(control<QPushButton>(frmMain.get(), "cmdNext"));
        if (frmMain.isLoaded() || !frmBDNo.isLoaded())
            qFatal("Next did not lead to the reading");
        const double back = timed(control<QPushButton>(frmBDNo.get(), "cmdback"));
        if (!frmMain.isLoaded() || frmBDNo.isLoaded())
            qFatal("Back did not lead to the entry window");
        if (round == 0) {
            figures.firstNextMs = next;
            continue;
        }
        figures.nextMs.append(next);
        figures.backMs.append(back);
    }
    unloadEveryWindow();
    return figures;
}

} // namespace bench
