#include "forms/Application.h"

#include "BuildFacts.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace forms {

QString applicationTitle()
{
    return QString::fromUtf8(buildfacts::title);
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
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace forms
