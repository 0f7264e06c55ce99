#pragma once

#include <QString>
#include <QStringView>

namespace web {

// The maker's host, chosen when the program is configured.
QString host();

// "http://", the host, the product path, the redirect script and the page key.
QString pageAddress(QStringView pageKey, QStringView siteHost = host());

// The product's own folder on the site, ending in a slash.
QString productAddress(QStringView siteHost = host());

} // namespace web
