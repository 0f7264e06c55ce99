#include "web/Site.h"

#include "BuildFacts.h"

namespace web {

QString host()
{
    return QString::fromUtf8(buildfacts::host);
}

QString productAddress(const QString &siteHost)
{
    return QLatin1String(buildfacts::siteScheme) + QLatin1String("://") + siteHost + QLatin1Char('/')
        + QLatin1String(buildfacts::productPath) + QLatin1Char('/');
}

QString pageAddress(QStringView pageKey, const QString &siteHost)
{
    return productAddress(siteHost) + QLatin1String(buildfacts::pageScript) + pageKey.toString();
}

} // namespace web
