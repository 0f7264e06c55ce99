#include "app/Look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <array>

namespace app {

namespace {

// Fontconfig searches for fallbacks every time a family that is not installed
// is asked for by name, so each design family is looked up once and only an
// installed one is ever asked for.
QString installedFamily(DesignFamily family)
{
    static const std::array<QString, 2> installed = [] {
        const QStringList families = QFontDatabase::families();
        const QString standIn = families.contains(QLatin1String("DejaVu Sans"))
            ? QStringLiteral("DejaVu Sans")
            : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        const auto pick = [&](const QString &designed) { return families.contains(designed) ? designed : standIn; };
        return std::array<QString, 2>{pick(QStringLiteral("Verdana")), pick(QStringLiteral("MS Sans Serif"))};
    }();
    return installed[static_cast<std::size_t>(family)];
}

// Whatever the desktop's style, a face is one flat colour with a thin outline,
// drawn in the highlight colour while it has the focus; a frame's caption sits
// centred just after the frame's corner.
class DesignStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_PanelButtonCommand) {
            paintFace(*option, *painter);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        if (control == CC_GroupBox) {
            drawFrame(*qstyleoption_cast<const QStyleOptionGroupBox *>(option), *painter, widget);
            return;
        }
        if (control != CC_ComboBox) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        paintFace(*option, *painter);
        QStyleOption arrow(*option);
        arrow.rect = subControlRect(CC_ComboBox, option, SC_ComboBoxArrow, widget).adjusted(3, 3, -3, -3);
        arrow.palette.setColor(QPalette::WindowText, option->palette.color(QPalette::ButtonText));
        arrow.palette.setColor(QPalette::ButtonText, option->palette.color(QPalette::ButtonText));
        QProxyStyle::drawPrimitive(PE_IndicatorArrowDown, &arrow, painter, widget);
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        // A menu-like popup takes the desktop's menu colours; a plain list keeps the list's own.
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    void drawFrame(const QStyleOptionGroupBox &option, QPainter &painter, const QWidget *widget) const
    {
        QStyleOptionGroupBox frame(option);
        frame.subControls &= ~SC_GroupBoxLabel;
        QProxyStyle::drawComplexControl(CC_GroupBox, &frame, &painter, widget);
        if (!(option.subControls & SC_GroupBoxLabel) || option.text.isEmpty())
            return;
        // Centred in a box one space wider than the caption: where the windows
        // have always shown it.
        QRect label = subControlRect(CC_GroupBox, &option, SC_GroupBoxLabel, widget);
        const QSize spaced(option.fontMetrics.size(Qt::TextShowMnemonic, option.text + QLatin1Char(' ')).width(),
                           option.fontMetrics.height());
        label.setSize(label.size().expandedTo(spaced));
        painter.save();
        painter.setPen(option.palette.color(QPalette::WindowText));
        drawItemText(&painter, label, Qt::AlignCenter | Qt::TextShowMnemonic, option.palette,
                     option.state & State_Enabled, option.text);
        painter.restore();
    }

    static void paintFace(const QStyleOption &option, QPainter &painter)
    {
        const QColor face = option.palette.color(QPalette::Button);
        const bool focused = option.state & State_HasFocus;
        painter.save();
        // Only a press shades it, so the user sees the click land.
        painter.fillRect(option.rect, option.state & State_Sunken ? face.darker(115) : face);
        painter.setPen(focused ? option.palette.color(QPalette::Highlight) : face.darker(140));
        painter.drawRect(option.rect.adjusted(0, 0, -1, -1));
        painter.restore();
    }
};

} // namespace

QFont designFont(DesignFamily family, qreal points, Emphases emphases)
{
    QFont font(installedFamily(family));
    font.setPointSizeF(points);
    font.setBold(emphases.testFlag(Emphasis::Bold));
    font.setUnderline(emphases.testFlag(Emphasis::Underline));
    return font;
}

QColor classicButtonFace()
{
    return QColor(212, 208, 200);
}

void frameInDesktopColours(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets) {
        QPalette palette = widget->palette();
        palette.setBrush(QPalette::Window, QApplication::palette(widget).window());
        widget->setPalette(palette);
    }
}

void drawAsDesigned(QWidget &owner, std::initializer_list<QWidget *> widgets)
{
    auto *style = new DesignStyle(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(&owner);
    for (QWidget *widget : widgets)
        widget->setStyle(style);
}

} // namespace app
