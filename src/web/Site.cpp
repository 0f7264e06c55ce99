#include "web/Site.h"

namespace web {

QString host()
{
    return QString::fromUtf8(ORVANE_HOST);
}

QString productAddress(const QString &siteHost)
{
    return QLatin1String("http://") + siteHost + QLatin1String("/orvane-free-birthday-number/");
}

QString pageAddress(QStringView pageKey, const QString &siteHost)
{
    return productAddress(siteHost) + QLatin1String("ssd.php?page=") + pageKey.toString();
}

} // namespace web
