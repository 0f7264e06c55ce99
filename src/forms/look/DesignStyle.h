#pragma once

#include <QProxyStyle>

class QStyleOptionGroupBox;

namespace forms {

// The platform's style, with what the windows need of their own. A control
// handed to adopt() has a flat face and, for a list, a plain drop-down; an
// adopted frame has its bold caption where the windows have always shown it.
// The images the platform's style reads by name, the menu bar's overflow icon
// and Fusion's frame, are read as PNGs, so that no image plugin is loaded; on
// other styles frames are drawn as Fusion's are.
// One style for the whole application: a list given a style of its own would
// build its drop-down there and then.
class DesignStyle final : public QProxyStyle { // clazy:exclude=missing-qobject-macro no signal, slot or cast to it
public:
    using QProxyStyle::QProxyStyle;

    static void adopt(QWidget &widget);

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;

private:
    void drawFrame(const QStyleOptionGroupBox &option, QPainter &painter, const QWidget *widget) const;
    void drawList(const QStyleOptionComplex &option, QPainter &painter, const QWidget *widget) const;
    QRect frameRect(const QStyleOption &option, const QWidget *widget) const;
    void drawFrameLine(const QStyleOption &option, QPainter &painter, const QWidget *widget) const;
};

} // namespace forms
