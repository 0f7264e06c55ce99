#include "web/PageOpeners.h"

#include "BuildFacts.h"
#include "platform/Platform.h"
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
    openPage(QString::fromLatin1(buildfacts::homePageKey));
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
