#include "app/MenuBarStyle.h"

#include "app/Png.h"

#include <QGuiApplication>
#include <QIcon>
#include <QWidget>

namespace app {

QIcon MenuBarStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                 const QWidget *widget) const
{
    if (standardIcon != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    const Qt::LayoutDirection direction = widget ? widget->layoutDirection() : QGuiApplication::layoutDirection();
    const QString name = QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1%2.png")
                             .arg(direction == Qt::RightToLeft ? QStringLiteral("rtl-") : QString());
    QIcon icon;
    for (const int size : {8, 16, 32}) {
        const QPixmap pixmap = pngPixmap(name.arg(size));
        if (!pixmap.isNull())
            icon.addPixmap(pixmap);
    }
    // Should Qt move its images, its own way still gives the icon.
    return icon.isNull() ? QProxyStyle::standardIcon(standardIcon, option, widget) : icon;
}

} // namespace app
