#include "web/Site.h"

#include "platform/ProductFacts.h"

namespace web {

QString host()
{
    return platform::siteHost();
}

QString productAddress(const QString &siteHost)
{
    return platform::siteScheme() + QLatin1String("://") + siteHost + QLatin1Char('/') + platform::productPath()
        + QLatin1Char('/');
}

QString pageAddress(QStringView pageKey, const QString &siteHost)
{
    return productAddress(siteHost) + platform::pageScript() + pageKey.toString();
}

} // namespace web
