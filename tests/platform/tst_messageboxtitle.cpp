#include "platform/QtPlatform.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// Qt's own title bar on Wayland, as drawn by its decoration: 3 pixels of border
// on each side, the window icon from 8 pixels in, three buttons in the 77
// pixels on the right, and the title centred on the bar by its width in the
// application font, yet drawn at 14 pixels and cut where the bar's room ends.
namespace waylandBar {
constexpr int border = 3;
constexpr int titleStart = 8 + 22 + 5;
constexpr int buttons = 77;
constexpr int fontPixels = 14;
} // namespace waylandBar

class TestMessageBoxTitle : public QObject {
    Q_OBJECT

private slots:
    void boxShowsWholeTitleAndOnlyClose_data();
    void boxShowsWholeTitleAndOnlyClose();
};

void TestMessageBoxTitle::boxShowsWholeTitleAndOnlyClose_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("the program's title over a short text")
        << u"Orvane Birthday Number"_s << u"Application is already running"_s;
    QTest::newRow("a long title over one word") << u"Orvane Birthday Number, Fully Branded Edition"_s << u"OK?"_s;
    QTest::newRow("a title of capitals") << u"WWWWWWWWWWWWWWWWWWWWWWWW"_s << u"x"_s;
}

void TestMessageBoxTitle::boxShowsWholeTitleAndOnlyClose()
{
    QFETCH(QString, title);
    QFETCH(QString, text);
    int width = 0;
    Qt::WindowFlags flags;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QVERIFY(QTest::qWaitForWindowExposed(box));
        width = box->width();
        flags = box->windowFlags();
        box->accept();
    });
    platform::QtMessageBox(title).show(text, platform::Icon::Information, platform::Buttons::Ok);
    QVERIFY(width > 0);
    // What title bars that read the flags offer: close alone, as on every window.
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    QFont barFont = QApplication::font();
    barFont.setPixelSize(waylandBar::fontPixels);
    const int bar = waylandBar::border + width + waylandBar::border;
    const int titleLeft = (bar - QFontMetrics(QApplication::font()).horizontalAdvance(title)) / 2;
    const int titleRight = titleLeft + QFontMetrics(barFont).horizontalAdvance(title);
    QVERIFY2(titleLeft >= waylandBar::titleStart, qPrintable(QString::number(titleLeft)));
    QVERIFY2(titleRight <= bar - waylandBar::buttons,
             qPrintable(u"the title ends at %1 of %2"_s.arg(titleRight).arg(bar)));
}

QTEST_MAIN(TestMessageBoxTitle)
#include "tst_messageboxtitle.moc"
