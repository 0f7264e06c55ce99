#include "web/Site.h"

#include "platform/ProductFacts.h"

using namespace Qt::StringLiterals;

namespace web {

QString host()
{
    return platform::siteHost();
}

QString productAddress(QStringView siteHost)
{
    return u"%1://%2/%3/"_s.arg(platform::siteScheme(), siteHost, platform::productPath());
}

QString pageAddress(QStringView pageKey, QStringView siteHost)
{
    return productAddress(siteHost) + platform::pageScript() + pageKey.toString();
}

} // namespace web
