#pragma once

#include <QString>

// The facts the build was configured with, for every floor: the one door to
// the generated BuildFacts.h.
namespace platform {

// Title of the program as a whole: every message box carries it.
QString applicationTitle();

// The maker of the program, whose name Windows keeps the settings under.
QString applicationMaker();

// Caption of every window: the title and the version.
QString windowCaption();

// The version of the build, major and minor, as the project declares it.
QString applicationVersion();

// Reverse-DNS id the desktop entry, the icon and the metainfo are named after.
QString applicationId();

// The name the program was built under, whatever its file is called: it
// addresses the settings and the lock, so every copy finds the same ones.
QString applicationName();

// The maker's host, chosen when the program is configured.
QString siteHost();

// The scheme of the site's pages, without "://".
QString siteScheme();

// The product's folder on the site, without slashes.
QString productPath();

// The redirect script and its query up to the page key.
QString pageScript();

// The key of the maker's home page.
QString homePageKey();

} // namespace platform
