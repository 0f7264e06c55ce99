#include "forms/Application.h"

#include "BuildFacts.h"

namespace forms {

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

} // namespace forms
