#include "fixture/WindowTest.h"
#include "forms/look/DesignStyle.h"
#include "platform/RecordingPlatform.h"
#include "reading/FrmBDNo.h"
#include "reading/FrmMain.h"
#include "support/FrmNagScreen2.h"
#include "web/FrmAbout.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOption>
#include <QTest>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum class Window { Entry, Result, About, Support };

const QColor lightBlue(124, 165, 231);
const QColor navy(0, 0, 128);

// What a dark desktop theme hands the program: light text on dark faces.
QPalette darkDesktop()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(238, 238, 236));
    dark.setColor(QPalette::Base, QColor(45, 45, 45));
    dark.setColor(QPalette::AlternateBase, QColor(60, 60, 60));
    dark.setColor(QPalette::Text, QColor(238, 238, 236));
    dark.setColor(QPalette::Button, QColor(64, 64, 64));
    dark.setColor(QPalette::ButtonText, QColor(238, 238, 236));
    dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
    dark.setColor(QPalette::HighlightedText, QColor(255, 255, 255));
    dark.setColor(QPalette::Light, QColor(80, 80, 80));
    dark.setColor(QPalette::Midlight, QColor(70, 70, 70));
    dark.setColor(QPalette::Mid, QColor(40, 40, 40));
    dark.setColor(QPalette::Dark, QColor(30, 30, 30));
    dark.setColor(QPalette::Shadow, QColor(0, 0, 0));
    return dark;
}

double luminance(const QColor &colour)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour a widget's text is drawn on: its own face for boxes, lists and
// buttons, otherwise whatever the nearest filled ancestor paints.
QColor background(const QWidget &widget)
{
    if (qobject_cast<const QLineEdit *>(&widget))
        return widget.palette().color(QPalette::Base);
    if (const auto *edit = qobject_cast<const QPlainTextEdit *>(&widget))
        return edit->viewport()->palette().color(QPalette::Base);
    if (qobject_cast<const QAbstractButton *>(&widget) || qobject_cast<const QComboBox *>(&widget))
        return widget.palette().color(QPalette::Button);
    for (const QWidget *fill = &widget; fill; fill = fill->parentWidget()) {
        if (fill->autoFillBackground() || fill->isWindow())
            return fill->palette().color(fill->backgroundRole());
    }
    return {};
}

// The colour of a widget's text, or an invalid colour for a widget without text.
QColor textColour(const QWidget &widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        return label->text().isEmpty() ? QColor() : label->palette().color(label->foregroundRole());
    if (const auto *box = qobject_cast<const QGroupBox *>(&widget))
        return box->title().isEmpty() ? QColor() : box->palette().color(QPalette::WindowText);
    if (qobject_cast<const QAbstractButton *>(&widget))
        return widget.palette().color(QPalette::ButtonText);
    if (qobject_cast<const QLineEdit *>(&widget) || qobject_cast<const QComboBox *>(&widget))
        return widget.palette().color(QPalette::Text);
    if (const auto *edit = qobject_cast<const QPlainTextEdit *>(&widget))
        return edit->viewport()->palette().color(QPalette::Text);
    return {};
}

// The text as drawn: a mnemonic's ampersand takes no room.
int drawnWidth(const QFontMetrics &metrics, QString text)
{
    text.replace("&&"_L1, "\x01"_L1).remove(u'&');
    return metrics.horizontalAdvance(text);
}

// What is wrong when a line of the text does not fit the room, or nothing.
QString lineCut(const QFontMetrics &metrics, const QString &text, const QRect &room)
{
    const int width = drawnWidth(metrics, text);
    if (width <= room.width() && metrics.height() <= room.height())
        return {};
    return u"\"%1\" needs %2x%3, has %4x%5"_s.arg(text)
        .arg(width)
        .arg(metrics.height())
        .arg(room.width())
        .arg(room.height());
}

// A button's text runs as wide as its contents and, not clipped there, as
// high as the button.
QRect buttonRoom(const QAbstractButton &button, QStyle::SubElement contents)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    return {room.left(), 0, room.width(), button.height()};
}

// What is wrong when the widget's text does not show whole in its room, or
// nothing; a widget without text has nothing to cut.
QString textCut(const QWidget &widget)
{
    const QFontMetrics metrics = widget.fontMetrics();
    if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
        if (label->text().isEmpty())
            return {};
        if (!label->wordWrap())
            return lineCut(metrics, label->text(), label->contentsRect());
        const int needed = label->heightForWidth(label->width());
        return needed <= label->height() ? QString()
                                         : u"wrapped, needs %1 of height, has %2"_s.arg(needed).arg(label->height());
    }
    if (const auto *button = qobject_cast<const QPushButton *>(&widget))
        return lineCut(metrics, button->text(), buttonRoom(*button, QStyle::SE_PushButtonContents));
    if (const auto *box = qobject_cast<const QCheckBox *>(&widget))
        return lineCut(metrics, box->text(), buttonRoom(*box, QStyle::SE_CheckBoxContents));
    if (const auto *group = qobject_cast<const QGroupBox *>(&widget)) {
        if (group->title().isEmpty())
            return {};
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect room =
            group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        return lineCut(metrics, group->title(), room.intersected(group->rect()));
    }
    if (const auto *edit = qobject_cast<const QLineEdit *>(&widget))
        return lineCut(metrics, QString(), edit->contentsRect());
    if (const auto *list = qobject_cast<const QComboBox *>(&widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect room =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        for (int item = 0; item < list->count(); ++item) {
            const QString cut = lineCut(metrics, list->itemText(item), room);
            if (!cut.isEmpty())
                return cut;
        }
    }
    return {};
}

QWidget &shown(Window window)
{
    switch (window) {
    case Window::Entry:
        reading::frmMain.Show();
        return reading::frmMain.get();
    case Window::Result:
        reading::frmBDNo.Show();
        return reading::frmBDNo.get();
    case Window::About:
        web::frmAbout.Show();
        return web::frmAbout.get();
    case Window::Support:
        support::frmNagScreen2.Show();
        return support::frmNagScreen2.get();
    }
    Q_UNREACHABLE();
}

} // namespace

class TestTheme : public WindowTest {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyTextReadsOnADarkDesktop_data();
    void everyTextReadsOnADarkDesktop();
    void everyTextShowsWhole_data();
    void everyTextShowsWhole();
    void noWindowAsksForAMissingFamily_data();
    void noWindowAsksForAMissingFamily();
    void designColoursShow_data();
    void designColoursShow();
    void designFontsShow_data();
    void designFontsShow();
    void facesAreFlatLightBlue_data();
    void facesAreFlatLightBlue();
    void openedListKeepsItsColours();

private:
    QPalette m_desktopPalette;
};

void TestTheme::initTestCase()
{
    // The program's own style, which draws the faces and lists of the design.
    QApplication::setStyle(new forms::DesignStyle);
}

void TestTheme::init()
{
    WindowTest::init();
    m_desktopPalette = QApplication::palette();
    QApplication::setPalette(darkDesktop());
}

void TestTheme::cleanup()
{
    WindowTest::cleanup();
    QApplication::setPalette(m_desktopPalette);
}

void TestTheme::everyTextReadsOnADarkDesktop_data()
{
    QTest::addColumn<Window>("window");
    QTest::newRow("entry window") << Window::Entry;
    QTest::newRow("result window") << Window::Result;
    QTest::newRow("about window") << Window::About;
    QTest::newRow("support window") << Window::Support;
}

// Where the desktop's colours meet the fixed colours of a window, the text must
// still read at 4.5:1. The design's own white on light blue stays as it is.
void TestTheme::everyTextReadsOnADarkDesktop()
{
    QFETCH(Window, window);
    QWidget &top = shown(window);
    QVERIFY(QTest::qWaitForWindowExposed(&top));

    QStringList unreadable;
    QList<QWidget *> widgets = top.findChildren<QWidget *>();
    widgets.prepend(&top);
    int texts = 0;
    for (const QWidget *widget : std::as_const(widgets)) {
        if (!widget->isVisible())
            continue;
        const QColor text = textColour(*widget);
        if (!text.isValid())
            continue;
        ++texts;
        const QColor behind = background(*widget);
        if (text == Qt::white && behind == lightBlue)
            continue;
        const double ratio = contrast(text, behind);
        if (ratio < 4.5)
            unreadable
                << u"%1: %2 on %3, %4:1"_s.arg(widget->objectName(), text.name(), behind.name()).arg(ratio, 0, 'f', 2);
    }
    QVERIFY(texts > 3);
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join("; "_L1)));
}

void TestTheme::everyTextShowsWhole_data()
{
    everyTextReadsOnADarkDesktop_data();
}

// Every text of every window shows whole, at whatever scale the desktop runs:
// each in its own room, and each room in its window, but for a part kept
// wholly below the window's edge until the window grows to show it.
void TestTheme::everyTextShowsWhole()
{
    QFETCH(Window, window);
    QWidget &top = shown(window);
    QVERIFY(QTest::qWaitForWindowExposed(&top));

    QStringList faults;
    int texts = 0;
    for (const QWidget *widget : top.findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(&top) || !textColour(*widget).isValid())
            continue;
        ++texts;
        const QString cut = textCut(*widget);
        if (!cut.isEmpty())
            faults << widget->objectName() + ": "_L1 + cut;
        const QRect inWindow(widget->mapTo(&top, QPoint(0, 0)), widget->size());
        if (top.rect().intersects(inWindow) && !top.rect().contains(inWindow))
            faults << widget->objectName() + ": cut by the window's edge"_L1;
    }
    QVERIFY(texts > 3);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; "_L1)));
}

void TestTheme::noWindowAsksForAMissingFamily_data()
{
    everyTextReadsOnADarkDesktop_data();
}

// A family that is not installed costs a fallback search each time it is asked
// for: every font a window sets names one that is there.
void TestTheme::noWindowAsksForAMissingFamily()
{
    QFETCH(Window, window);
    QWidget &top = shown(window);
    const QStringList installed = QFontDatabase::families();
    const QString desktopFamily = QApplication::font().family();

    QList<QWidget *> widgets = top.findChildren<QWidget *>();
    widgets.prepend(&top);
    for (const QWidget *widget : std::as_const(widgets)) {
        const QString family = widget->font().family();
        if (family != desktopFamily)
            QVERIFY2(installed.contains(family), qPrintable(widget->objectName() + ": "_L1 + family));
    }
}

void TestTheme::designColoursShow_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<double>("share");
    const QColor white(Qt::white);
    QTest::newRow("entry window") << Window::Entry << u"centralwidget"_s << lightBlue << 0.3;
    QTest::newRow("first name box") << Window::Entry << u"txtFirstName"_s << lightBlue << 0.5;
    QTest::newRow("middle name box") << Window::Entry << u"txtMiddleName"_s << lightBlue << 0.5;
    QTest::newRow("last name box") << Window::Entry << u"txtLastName"_s << lightBlue << 0.5;
    QTest::newRow("result window") << Window::Result << QString() << lightBlue << 0.3;
    QTest::newRow("reading") << Window::Result << u"txtDisplay"_s << lightBlue << 0.5;
    QTest::newRow("about window") << Window::About << QString() << lightBlue << 0.5;
    QTest::newRow("about window's text") << Window::About << u"Label1"_s << white << 0.001;
    QTest::newRow("support window") << Window::Support << QString() << white << 0.3;
    QTest::newRow("software frame") << Window::Support << u"Frame6"_s << navy << 0.03;
    QTest::newRow("software frame's text") << Window::Support << u"Label3"_s << white << 0.001;
    QTest::newRow("software link") << Window::Support << u"lblGoToHome"_s << QColor(255, 255, 0) << 0.001;
    QTest::newRow("referral frame") << Window::Support << u"Frame2"_s << navy << 0.1;
    QTest::newRow("visit button's text") << Window::Support << u"Check1"_s << QColor(0, 0, 192) << 0.001;
    QTest::newRow("co-brand offer") << Window::Entry << u"lblCobrand"_s << QColor(0, 0, 255) << 0.001;
    QTest::newRow("fully branded offer") << Window::Result << u"lblFullBrand"_s << QColor(0, 0, 255) << 0.001;
}

// The colours of the design, on a dark desktop too: each covers at least its
// share of the window or control.
void TestTheme::designColoursShow()
{
    QFETCH(Window, window);
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    QFETCH(double, share);
    QWidget &top = shown(window);
    QVERIFY(QTest::qWaitForWindowExposed(&top));
    QWidget *area = name.isEmpty() ? &top : top.findChild<QWidget *>(name);
    QVERIFY(area);

    const QImage image = area->grab().toImage();
    qsizetype matching = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            matching += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    const double found = double(matching) / double(image.width() * image.height());
    QVERIFY2(found >= share, qPrintable(u"%1 covers %2"_s.arg(colour.name()).arg(found)));
}

void TestTheme::designFontsShow_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underlined");
    QTest::newRow("site link") << Window::Entry << u"Label61"_s << 9.0 << false << true;
    QTest::newRow("co-brand offer") << Window::Entry << u"lblCobrand"_s << 8.25 << true << true;
    QTest::newRow("Next") << Window::Entry << u"cmdNext"_s << 9.0 << false << false;
    QTest::newRow("about window's title") << Window::About << u"Label2"_s << 9.75 << true << false;
    QTest::newRow("about window's home page link") << Window::About << u"lblHomePage"_s << 8.25 << false << true;
    QTest::newRow("software link") << Window::Support << u"lblGoToHome"_s << 8.5 << true << true;
    QTest::newRow("Submit") << Window::Support << u"cmdSubmit"_s << 8.25 << true << false;
    QTest::newRow("software frame's text") << Window::Support << u"Label3"_s << 9.0 << false << false;
}

// Links are underlined and titles bold, each at its designed size.
void TestTheme::designFontsShow()
{
    QFETCH(Window, window);
    QFETCH(QString, name);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(bool, underlined);
    const QWidget *widget = shown(window).findChild<QWidget *>(name);
    QVERIFY(widget);
    const QFont font = widget->font();
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.underline(), underlined);
}

void TestTheme::facesAreFlatLightBlue_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("name");
    QTest::newRow("month list") << Window::Entry << u"cboMonth"_s;
    QTest::newRow("day list") << Window::Entry << u"cboDate"_s;
    QTest::newRow("year list") << Window::Entry << u"cboYear"_s;
    QTest::newRow("Next") << Window::Entry << u"cmdNext"_s;
    QTest::newRow("Back") << Window::Result << u"cmdback"_s;
    QTest::newRow("OK") << Window::About << u"cmdOK"_s;
}

// No gradient and no desktop colour: a column just inside the outline, clear
// of the text, is the one light blue from top to bottom.
void TestTheme::facesAreFlatLightBlue()
{
    QFETCH(Window, window);
    QFETCH(QString, name);
    QWidget &top = shown(window);
    QVERIFY(QTest::qWaitForWindowExposed(&top));
    QWidget *face = top.findChild<QWidget *>(name);
    QVERIFY(face);
    // The face, not the focus frame an active window draws on it.
    face->clearFocus();

    const QImage image = face->grab().toImage();
    // Two pixels in from the edge, past the frame however the scale rounds it.
    const int x = static_cast<int>(std::ceil(2 * face->devicePixelRatioF()));
    for (int y = x; y < image.height() - x; ++y)
        QCOMPARE(image.pixelColor(x, y), lightBlue);
}

void TestTheme::openedListKeepsItsColours()
{
    QWidget &top = shown(Window::Entry);
    QVERIFY(QTest::qWaitForWindowExposed(&top));
    auto *months = top.findChild<QComboBox *>(u"cboMonth"_s);
    months->showPopup();
    QAbstractItemView *list = months->view();
    QVERIFY(QTest::qWaitForWindowExposed(list->window()));

    QCOMPARE(list->palette().color(QPalette::Text), QColor(Qt::white));
    const QRect march = list->visualRect(months->model()->index(2, 0));
    const QImage image = list->viewport()->grab().toImage();
    QCOMPARE(image.pixelColor(march.right() - 2, march.center().y()), lightBlue);
    months->hidePopup();
}

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
