#include "forms/look/DesignStyle.h"

#include "forms/look/Png.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>
#include <qdrawutil.h>

using namespace Qt::StringLiterals;

namespace forms {

namespace {

constexpr char adoptedProperty[] = "orvaneDrawnAsDesigned";

bool adopted(const QWidget *widget)
{
    return widget && widget->property(adoptedProperty).toBool();
}

// Whatever the desktop's style, a face is one flat colour with a thin outline,
// drawn in the highlight colour while it has the focus.
void paintFace(const QStyleOption &option, QPainter &painter)
{
    const QColor face = option.palette.color(QPalette::Button);
    const bool focused = option.state & QStyle::State_HasFocus;
    painter.save();
    // Only a press shades it, so the user sees the click land.
    painter.fillRect(option.rect, option.state & QStyle::State_Sunken ? face.darker(115) : face);
    painter.setPen(focused ? option.palette.color(QPalette::Highlight) : face.darker(140));
    painter.drawRect(option.rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

} // namespace

void DesignStyle::adopt(QWidget &widget)
{
    widget.setProperty(adoptedProperty, true);
    widget.update();
}

void DesignStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    if (element == PE_FrameGroupBox) {
        drawFrameLine(*option, *painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void DesignStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    // Here, not at the button's panel: Windows' own styles draw the face from
    // the theme and never ask for the panel.
    if (element == CE_PushButtonBevel && adopted(widget)) {
        paintFace(*option, *painter);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void DesignStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                     const QWidget *widget) const
{
    if (adopted(widget) && control == CC_GroupBox) {
        drawFrame(*qstyleoption_cast<const QStyleOptionGroupBox *>(option), *painter, widget);
        return;
    }
    if (adopted(widget) && control == CC_ComboBox) {
        drawList(*option, *painter, widget);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

int DesignStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                           QStyleHintReturn *returnData) const
{
    // A menu-like popup takes the desktop's menu colours; a plain list keeps the list's own.
    if (hint == SH_ComboBox_Popup && adopted(widget))
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon DesignStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option, const QWidget *widget) const
{
    if (standardIcon != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    const Qt::LayoutDirection direction = widget ? widget->layoutDirection() : QGuiApplication::layoutDirection();
    // Qt's own images, not promised: tst_qtinternals tells when they move.
    const QString name = u":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1%2.png"_s.arg(
        direction == Qt::RightToLeft ? u"rtl-"_s : QString());
    QIcon icon;
    for (const int size : {8, 16, 32}) {
        const QPixmap pixmap = pngPixmap(name.arg(size));
        if (!pixmap.isNull())
            icon.addPixmap(pixmap);
    }
    // Should Qt move its images, its own way still gives the icon.
    return icon.isNull() ? QProxyStyle::standardIcon(standardIcon, option, widget) : icon;
}

void DesignStyle::drawFrame(const QStyleOptionGroupBox &option, QPainter &painter, const QWidget *widget) const
{
    QStyleOptionGroupBox frame(option);
    frame.subControls &= ~SC_GroupBoxLabel;
    QProxyStyle::drawComplexControl(CC_GroupBox, &frame, &painter, widget);
    if (!(option.subControls & SC_GroupBoxLabel) || option.text.isEmpty())
        return;
    // The frame keeps the font of its controls, so that they are born with it;
    // only the caption is bold. Centred in a box one space wider than the
    // caption: where the windows have always shown it.
    QFont caption = painter.font();
    caption.setBold(true);
    const QFontMetrics metrics(caption, painter.device());
    QRect label = subControlRect(CC_GroupBox, &option, SC_GroupBoxLabel, widget);
    const QSize spaced(metrics.size(Qt::TextShowMnemonic, option.text + u' ').width(), metrics.height());
    label.setSize(label.size().expandedTo(spaced));
    painter.save();
    painter.setFont(caption);
    painter.setPen(option.palette.color(QPalette::WindowText));
    drawItemText(&painter, label, Qt::AlignCenter | Qt::TextShowMnemonic, option.palette, option.state & State_Enabled,
                 option.text);
    painter.restore();
}

void DesignStyle::drawList(const QStyleOptionComplex &option, QPainter &painter, const QWidget *widget) const
{
    paintFace(option, painter);
    QStyleOption arrow(option);
    arrow.rect = subControlRect(CC_ComboBox, &option, SC_ComboBoxArrow, widget).adjusted(3, 3, -3, -3);
    arrow.palette.setColor(QPalette::WindowText, option.palette.color(QPalette::ButtonText));
    arrow.palette.setColor(QPalette::ButtonText, option.palette.color(QPalette::ButtonText));
    QProxyStyle::drawPrimitive(PE_IndicatorArrowDown, &arrow, &painter, widget);
}

QRect DesignStyle::frameRect(const QStyleOption &option, const QWidget *widget) const
{
    // Below the caption's line, when there is one.
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    const bool captioned = !box || box->isCheckable() || !box->title().isEmpty();
    const int line =
        captioned ? qMax(pixelMetric(PM_ExclusiveIndicatorHeight, &option, widget), option.fontMetrics.height()) : 0;
    return option.rect.adjusted(0, line + 3, 0, 0);
}

// Fusion reads its frame image by file name, and QImageReader then loads every
// image plugin, and libjpeg, to ask each whether it reads the file. This is the
// same image read as a PNG, drawn where Fusion draws it. Other styles draw
// frames of their own (Windows' etched ones); there it is drawn as Fusion's.
// Should tst_qtinternals find the image moved, Fusion's look is drawn by hand.
void DesignStyle::drawFrameLine(const QStyleOption &option, QPainter &painter, const QWidget *widget) const
{
    const QRect rect = frameRect(option, widget);
    if (baseStyle()->name() == "fusion"_L1) {
        const QPixmap frame = pngPixmap(u":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"_s);
        if (!frame.isNull()) {
            qDrawBorderPixmap(&painter, rect, QMargins(6, 6, 6, 6), frame);
            return;
        }
    }
    // Fusion's: a faint grey line one pixel in, over a fainter shade, on any colour.
    painter.save();
    painter.setPen(QColor(117, 117, 117, 50));
    painter.setBrush(QColor(0, 0, 0, 3));
    painter.drawRect(rect.adjusted(1, 1, -1, -1));
    painter.restore();
}

} // namespace forms
