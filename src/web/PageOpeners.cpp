#include "web/PageOpeners.h"

#include "platform/Platform.h"
#include "web/Site.h"

namespace modHelp {

namespace {
void openPage(QStringView pageKey)
{
    platform::shell().openAddress(web::pageAddress(pageKey));
}
} // namespace

void OpenHelpPage() { openPage(u"help-web-page"); }
void OpenHomePage() { openPage(u"home-page"); }
void OpenDownloadPage() { openPage(u"download-web-page"); }
void OpenDonatePage() { openPage(u"donate"); }
void OpenCoBrandPage() { openPage(u"co-brand"); }
void OpenFullyBrandedPage() { openPage(u"fully-branded"); }
void OpenSoftwaresPage() { openPage(u"velmorasoftwares"); }

} // namespace modHelp
