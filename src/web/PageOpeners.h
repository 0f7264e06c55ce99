#pragma once

// modHelp's page openers: each opens one fixed page of the maker's site in the
// default browser.
namespace web {

void OpenHelpPage();
void OpenHomePage();
void OpenDownloadPage();
void OpenDonatePage();
void OpenCoBrandPage();
void OpenFullyBrandedPage();
void OpenSoftwaresPage();

} // namespace web
