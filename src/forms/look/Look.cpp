#include "forms/look/Look.h"

#include "forms/look/DesignStyle.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QWidget>

#include <array>

using namespace Qt::StringLiterals;

namespace forms {

namespace {

// Fontconfig searches for fallbacks every time a family that is not installed
// is asked for by name, so each design family is looked up once and only an
// installed one is ever asked for.
QString installedFamily(DesignFamily family)
{
    static const std::array<QString, 2> installed = [] {
        const QStringList families = QFontDatabase::families();
        const QString standIn = families.contains("DejaVu Sans"_L1)
            ? u"DejaVu Sans"_s
            : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        const auto pick = [&](const QString &designed) { return families.contains(designed) ? designed : standIn; };
        return std::array<QString, 2>{pick(u"Verdana"_s), pick(u"MS Sans Serif"_s)};
    }();
    return installed[static_cast<std::size_t>(family)];
}

} // namespace

QFont designFont(DesignFamily family, qreal points, Emphases emphases)
{
    QFont font(installedFamily(family));
    font.setPointSizeF(points);
    font.setBold(emphases.testFlag(Emphasis::Bold));
    font.setUnderline(emphases.testFlag(Emphasis::Underline));
    return font;
}

QColor lightBlue()
{
    return QColor(124, 165, 231);
}

QColor navy()
{
    return QColor(0, 0, 128);
}

void paintInDesignColours(QWidget &widget, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> colours)
{
    // A fresh palette, as a designed one is, so only these roles are the widget's own.
    QPalette palette;
    for (const auto &[role, colour] : colours)
        palette.setColor(role, colour);
    widget.setPalette(palette);
}

void pinClassicButtonFace(QWidget &widget)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Button, QColor(212, 208, 200));
    widget.setPalette(palette);
}

void showAsWhiteLink(QLabel &label)
{
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label.setPalette(palette);
    label.setFont(designFont(DesignFamily::Verdana, 9, Emphasis::Underline));
}

void showAsOfferOnButtonFace(QLabel &label)
{
    pinClassicButtonFace(label);
    QPalette palette = label.palette();
    palette.setColor(QPalette::ButtonText, QColor(0, 0, 255));
    label.setPalette(palette);
    label.setBackgroundRole(QPalette::Button);
    label.setAutoFillBackground(true);
    label.setFont(designFont(DesignFamily::Verdana, 8.25, Emphasis::Bold | Emphasis::Underline));
}

void frameInDesktopColours(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets) {
        QPalette palette = widget->palette();
        palette.setBrush(QPalette::Window, QApplication::palette(widget).window());
        widget->setPalette(palette);
    }
}

void drawAsDesigned(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *widget : widgets)
        DesignStyle::adopt(*widget);
}

} // namespace forms
