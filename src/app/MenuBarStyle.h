#pragma once

#include <QProxyStyle>

namespace app {

// The platform's style, but for the icon of the menu bar's overflow button,
// which every menu bar asks for when it is built: read as a PNG, so that no
// image plugin is loaded for it.
class MenuBarStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

} // namespace app
