#pragma once

// Each opens one fixed page of the maker's site in the default browser.
namespace modHelp {

void OpenHelpPage();
void OpenHomePage();
void OpenDownloadPage();
void OpenDonatePage();
void OpenCoBrandPage();
void OpenFullyBrandedPage();
void OpenSoftwaresPage();

} // namespace modHelp
