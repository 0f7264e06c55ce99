#include "app/StartUp.h"

#include "forms/EndRoutine.h"
#include "platform/Platform.h"
#include "reading/FrmMain.h"
#include "web/UpdateReminder.h"

#include <cmath>

namespace app {

namespace {
short intCoBrandRandomNumber = 0;
}

int coBrandNumber(float r)
{
    // In double, so that a draw of 11/12 (a float a hair above it) stays above 6.5.
    return static_cast<int>(std::nearbyint(static_cast<double>(r) * 6.0 + 1.0));
}

FrontLabel frontLabelFor(int coBrandNumber)
{
    if (coBrandNumber == 7)
        return FrontLabel::AsDesigned;
    return coBrandNumber % 2 == 1 ? FrontLabel::CoBrand : FrontLabel::FullBrand;
}

void CoBrand_Randomize()
{
    intCoBrandRandomNumber = static_cast<short>(coBrandNumber(platform::random().next()));
    switch (frontLabelFor(intCoBrandRandomNumber)) {
    case FrontLabel::CoBrand:
        frmMain->bringCoBrandToFront();
        break;
    case FrontLabel::FullBrand:
        frmMain->bringFullBrandToFront();
        break;
    case FrontLabel::AsDesigned:
        break;
    }
}

void StartUp()
{
    if (platform::process().previousInstanceRunning()) {
        platform::messageBox().show(QStringLiteral("Application is already running"), platform::Icon::Information,
                                    platform::Buttons::Ok);
        modHelp::UnloadAllAndEnd();
        return;
    }
    platform::random().seedFromTimer();
    modHelp::UpdateReminderCheck();
    frmMain.Show();
    CoBrand_Randomize();
}

} // namespace app
