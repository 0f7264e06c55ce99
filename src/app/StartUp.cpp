#include "app/StartUp.h"

#include "forms/lifecycle/UnloadAllAndEnd.h"
#include "platform/Platform.h"
#include "reading/FrmMain.h"
#include "web/UpdateReminder.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace app {

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
    switch (frontLabelFor(coBrandNumber(platform::random().next()))) {
    case FrontLabel::CoBrand:
        reading::frmMain->bringCoBrandToFront();
        break;
    case FrontLabel::FullBrand:
        reading::frmMain->bringFullBrandToFront();
        break;
    case FrontLabel::AsDesigned:
        break;
    }
}

void StartUp()
{
    if (platform::process().previousInstanceRunning()) {
        platform::messageBox().show(u"Application is already running"_s, platform::Icon::Information,
                                    platform::Buttons::Ok);
        forms::UnloadAllAndEnd();
        return;
    }
    platform::random().seedFromTimer();
    web::UpdateReminderCheck();
    reading::frmMain.Show();
    CoBrand_Randomize();
}

} // namespace app
