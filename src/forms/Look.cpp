#include "forms/Look.h"

#include "forms/DesignStyle.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>

#include <array>

namespace forms {

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
