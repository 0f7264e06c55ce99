#include "fixture/WindowTest.h"
#include "reading/FrmBDNo.h"
#include "reading/FrmMain.h"
#include "support/FrmNagScreen2.h"
#include "web/FrmAbout.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOption>
#include <QTest>

namespace {

enum class Window { Entry, Result, About, Support };

QWidget &shown(Window window)
{
    switch (window) {
    case Window::Entry: frmMain.Show(); return frmMain.get();
    case Window::Result: frmBDNo.Show(); return frmBDNo.get();
    case Window::About: frmAbout.Show(); return frmAbout.get();
    case Window::Support: frmNagScreen2.Show(); return frmNagScreen2.get();
    }
    Q_UNREACHABLE();
}

// The text as drawn: a mnemonic's ampersand takes no room.
int drawnWidth(const QFontMetrics &metrics, QString text)
{
    text.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&'));
    return metrics.horizontalAdvance(text);
}

bool hasText(const QWidget &widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        return !label->text().isEmpty();
    if (const auto *group = qobject_cast<const QGroupBox *>(&widget))
        return !group->title().isEmpty();
    return qobject_cast<const QAbstractButton *>(&widget) || qobject_cast<const QLineEdit *>(&widget)
        || qobject_cast<const QComboBox *>(&widget);
}

// Why the widget's text does not show whole where it stands, or nothing.
QString cut(const QWidget &widget)
{
    const QFontMetrics metrics = widget.fontMetrics();
    if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            if (label->heightForWidth(label->width()) > label->height())
                return QStringLiteral("needs %1 pixels of height, has %2").arg(label->heightForWidth(label->width())).arg(label->height());
            return {};
        }
        const QSize needed = label->sizeHint() - QSize(2 * label->margin(), 2 * label->margin());
        if (needed.width() > room.width() + 2 * label->margin() || metrics.height() > room.height())
            return QStringLiteral("needs %1x%2, has %3x%4")
                .arg(needed.width()).arg(metrics.height()).arg(room.width()).arg(room.height());
        return {};
    }
    if (const auto *button = qobject_cast<const QPushButton *>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        if (drawnWidth(metrics, button->text()) > room.width() || metrics.height() > room.height())
            return QStringLiteral("text %1 wide in %2x%3").arg(drawnWidth(metrics, button->text())).arg(room.width()).arg(room.height());
        return {};
    }
    if (const auto *box = qobject_cast<const QCheckBox *>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        if (drawnWidth(metrics, box->text()) > room.width() || metrics.height() > room.height())
            return QStringLiteral("text %1 wide in %2x%3").arg(drawnWidth(metrics, box->text())).arg(room.width()).arg(room.height());
        return {};
    }
    if (const auto *group = qobject_cast<const QGroupBox *>(&widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect room = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        if (drawnWidth(metrics, group->title()) > room.width() || room.right() > group->width())
            return QStringLiteral("title %1 wide in %2").arg(drawnWidth(metrics, group->title())).arg(room.width());
        return {};
    }
    if (const auto *edit = qobject_cast<const QLineEdit *>(&widget)) {
        if (metrics.height() > edit->contentsRect().height())
            return QStringLiteral("a line of %1 pixels in %2").arg(metrics.height()).arg(edit->contentsRect().height());
        return {};
    }
    if (const auto *list = qobject_cast<const QComboBox *>(&widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect room = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        for (int item = 0; item < list->count(); ++item) {
            if (drawnWidth(metrics, list->itemText(item)) > room.width())
                return QStringLiteral("item %1 is %2 wide in %3").arg(list->itemText(item)).arg(drawnWidth(metrics, list->itemText(item))).arg(room.width());
        }
        if (metrics.height() > room.height())
            return QStringLiteral("a line of %1 pixels in %2").arg(metrics.height()).arg(room.height());
        return {};
    }
    return {};
}

} // namespace

// Every text of every window shows whole, at whatever scale the desktop
// runs: each in its own room, and each room in its window.
class TestWholeText : public WindowTest {
    Q_OBJECT

private slots:
    void everyTextShowsWhole_data()
    {
        QTest::addColumn<Window>("window");
        QTest::newRow("entry window") << Window::Entry;
        QTest::newRow("result window") << Window::Result;
        QTest::newRow("about window") << Window::About;
        QTest::newRow("support window") << Window::Support;
    }

    void everyTextShowsWhole()
    {
        QFETCH(Window, window);
        QWidget &top = shown(window);
        QVERIFY(QTest::qWaitForWindowExposed(&top));

        QStringList faults;
        int checked = 0;
        for (const QWidget *widget : top.findChildren<QWidget *>()) {
            if (!widget->isVisibleTo(&top) || !hasText(*widget))
                continue;
            ++checked;
            const QString fault = cut(*widget);
            if (!fault.isEmpty())
                faults << widget->objectName() + QLatin1String(": ") + fault;
            // A part kept below the window's edge until the window grows to show it is not cut.
            const QRect inWindow(widget->mapTo(&top, QPoint(0, 0)), widget->size());
            if (top.rect().intersects(inWindow) && !top.rect().contains(inWindow))
                faults << widget->objectName() + QLatin1String(": cut by the window's edge");
        }
        QVERIFY(checked > 3);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));
    }
};

QTEST_MAIN(TestWholeText)
#include "tst_wholetext.moc"
