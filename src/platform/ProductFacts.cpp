#include "platform/ProductFacts.h"

#include "BuildFacts.h"

namespace platform {

QString applicationTitle()
{
    return QString::fromUtf8(buildfacts::title);
}

QString applicationMaker()
{
    return QString::fromUtf8(buildfacts::maker);
}

QString windowCaption()
{
    return QString::fromUtf8(buildfacts::caption);
}

QString applicationVersion()
{
    return QString::fromUtf8(buildfacts::version);
}

QString applicationId()
{
    return QString::fromUtf8(buildfacts::appId);
}

QString applicationName()
{
    return QString::fromUtf8(buildfacts::executable);
}

QString siteHost()
{
    return QString::fromUtf8(buildfacts::host);
}

QString siteScheme()
{
    return QString::fromUtf8(buildfacts::siteScheme);
}

QString productPath()
{
    return QString::fromUtf8(buildfacts::productPath);
}

QString pageScript()
{
    return QString::fromUtf8(buildfacts::pageScript);
}

QString homePageKey()
{
    return QString::fromUtf8(buildfacts::homePageKey);
}

} // namespace platform
