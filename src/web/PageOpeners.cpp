#include "web/PageOpeners.h"

#include "platform/Platform.h"
#include "platform/ProductFacts.h"
#include "web/Site.h"

namespace web {

namespace {
void openPage(QStringView pageKey)
{
    platform::shell().openAddress(pageAddress(pageKey));
}
} // namespace

void OpenHelpPage()
{
    openPage(u"help-web-page");
}
void OpenHomePage()
{
    openPage(platform::homePageKey());
}
void OpenDownloadPage()
{
    openPage(u"download-web-page");
}
void OpenDonatePage()
{
    openPage(u"donate");
}
void OpenCoBrandPage()
{
    openPage(u"co-brand");
}
void OpenFullyBrandedPage()
{
    openPage(u"fully-branded");
}
void OpenSoftwaresPage()
{
    openPage(u"velmorasoftwares");
}

} // namespace web
