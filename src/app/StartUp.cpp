#include "app/StartUp.h"

#include "app/EndRoutine.h"
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
    const float scaled = r * 6.0f + 1.0f;
    return static_cast<int>(std::nearbyint(scaled));
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
