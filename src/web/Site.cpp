#include "web/Site.h"

namespace web {

QString host()
{
    return QString::fromUtf8(ORVANE_HOST);
}

QString productAddress()
{
    return QLatin1String("http://") + host() + QLatin1String("/orvane-free-birthday-number/");
}

QString pageAddress(QStringView pageKey)
{
    return productAddress() + QLatin1String("ssd.php?page=") + pageKey.toString();
}

} // namespace web
