#include "app/Application.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>

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

void substituteFonts()
{
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"));
}

} // namespace app
