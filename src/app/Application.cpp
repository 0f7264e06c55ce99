#include "app/Application.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace app {

QString applicationTitle()
{
    return QStringLiteral("Orvane Birthday Number");
}

QString windowCaption()
{
    return QStringLiteral("Orvane Birthday Number v1.45");
}

QString applicationName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace app
