#include "forms/look/DesignStyle.h"
#include "forms/look/Look.h"
#include "forms/look/Png.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

bool imagePluginLoaded()
{
    QFile maps(u"/proc/self/maps"_s);
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

// All of a frame, caption too, in black on a transparent image.
QImage captionedFrameDrawnBy(const QStyle &style, const QGroupBox &box)
{
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.palette.setColor(QPalette::WindowText, Qt::black);
    option.text = box.title();
    option.textAlignment = Qt::AlignLeft;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.lineWidth = 1;
    QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(box.font());
    style.drawComplexControl(QStyle::CC_GroupBox, &option, &painter, &box);
    return image;
}

qint64 ink(const QImage &image)
{
    qint64 sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            sum += image.pixelColor(x, y).alpha();
    }
    return sum;
}

QImage frameDrawnBy(const QStyle &style, const QGroupBox &box)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    style.drawPrimitive(QStyle::PE_FrameGroupBox, &option, &painter, &box);
    return image;
}

} // namespace

class TestDesignStyle : public QObject {
    Q_OBJECT

private slots:
    // Every window reads these as it is built and painted; detecting the
    // format would load every image plugin, and libjpeg with them.
    void windowImagesLoadNoImagePlugin();
    void framesLookAsFusionDrawsThem_data();
    void framesLookAsFusionDrawsThem();
    void framesAreOneLineOnOtherStyles_data();
    void framesAreOneLineOnOtherStyles();
    void buttonFacesAreFlatOnEveryStyle_data();
    void buttonFacesAreFlatOnEveryStyle();
    void outlineMarksTheFocus_data();
    void outlineMarksTheFocus();
    void frameCaptionIsBold();
    void overflowIconPointsTheWayTheMenuRuns_data();
    void overflowIconPointsTheWayTheMenuRuns();
};

void TestDesignStyle::windowImagesLoadNoImagePlugin()
{
    if (!QFile::exists(u"/proc/self/maps"_s))
        QSKIP("Only a system that lists a process's libraries in /proc tells which plugins it loaded");
    QVERIFY(!imagePluginLoaded());
    forms::DesignStyle style(QStyleFactory::create(u"fusion"_s));
    const QIcon overflow = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QCOMPARE(overflow.availableSizes().size(), 3);
    QCOMPARE(forms::pngPixmap(u":/icons/32x32.png"_s).size(), QSize(32, 32));
    QGroupBox frame(u"Date Of Birth"_s);
    frame.resize(200, 60);
    QVERIFY(!frameDrawnBy(style, frame).isNull());
    QVERIFY(!imagePluginLoaded());
}

void TestDesignStyle::framesLookAsFusionDrawsThem_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<int>("points");
    QTest::addColumn<QSize>("size");
    QTest::newRow("no caption") << QString() << false << 9 << QSize(420, 57);
    QTest::newRow("caption") << u"Please Fill In The Below Details:"_s << false << 8 << QSize(417, 107);
    QTest::newRow("large caption") << u"Refer A Friend"_s << false << 14 << QSize(470, 100);
    QTest::newRow("check box, no caption") << QString() << true << 9 << QSize(120, 40);
    QTest::newRow("smaller than its corners") << QString() << false << 9 << QSize(10, 8);
}

// Drawn from the same image in the same places, pixel for pixel.
void TestDesignStyle::framesLookAsFusionDrawsThem()
{
    QFETCH(QString, caption);
    QFETCH(bool, checkable);
    QFETCH(int, points);
    QFETCH(QSize, size);
    QGroupBox frame(caption);
    frame.setCheckable(checkable);
    QFont font = frame.font();
    font.setPointSize(points);
    frame.setFont(font);
    frame.resize(size);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"fusion"_s));
    const forms::DesignStyle design(QStyleFactory::create(u"fusion"_s));
    QCOMPARE(frameDrawnBy(design, frame), frameDrawnBy(*fusion, frame));
}

void TestDesignStyle::framesAreOneLineOnOtherStyles_data()
{
    QTest::addColumn<QString>("base");
    for (const QString &key : QStyleFactory::keys()) {
        if (key.compare("fusion"_L1, Qt::CaseInsensitive) != 0)
            QTest::newRow(qPrintable(key)) << key;
    }
}

// Not Windows' etched double line: Fusion's faint one, whatever the base.
void TestDesignStyle::framesAreOneLineOnOtherStyles()
{
    QFETCH(QString, base);
    QGroupBox frame;
    frame.resize(200, 60);
    const forms::DesignStyle design(QStyleFactory::create(base));
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"fusion"_s));
    const QImage drawn = frameDrawnBy(design, frame);
    const QImage expected = frameDrawnBy(*fusion, frame);
    const int middle = drawn.height() / 2;
    for (const int x : {0, 1, 2, drawn.width() / 2, drawn.width() - 2, drawn.width() - 1}) {
        const QColor a = drawn.pixelColor(x, middle);
        const QColor b = expected.pixelColor(x, middle);
        QVERIFY2(qAbs(a.alpha() - b.alpha()) <= 8 && qAbs(a.red() - b.red()) <= 8,
                 qPrintable(u"x %1: %2 against %3"_s.arg(x).arg(a.name(QColor::HexArgb), b.name(QColor::HexArgb))));
    }
}

void TestDesignStyle::buttonFacesAreFlatOnEveryStyle_data()
{
    QTest::addColumn<QString>("base");
    for (const QString &key : QStyleFactory::keys())
        QTest::newRow(qPrintable(key)) << key;
}

// Windows' styles paint a button from the theme unless told otherwise.
void TestDesignStyle::buttonFacesAreFlatOnEveryStyle()
{
    QFETCH(QString, base);
    forms::DesignStyle design(QStyleFactory::create(base));
    QPushButton next(u"Next"_s);
    next.setStyle(&design);
    QPalette palette = next.palette();
    palette.setColor(QPalette::Button, forms::lightBlue());
    next.setPalette(palette);
    forms::DesignStyle::adopt(next);
    next.resize(130, 23);
    const QImage face = next.grab().toImage();
    for (const QPoint &inside : {QPoint(3, 3), QPoint(3, 19), QPoint(126, 11)})
        QCOMPARE(face.pixelColor(inside).name(), forms::lightBlue().name());
}

void TestDesignStyle::outlineMarksTheFocus_data()
{
    QTest::addColumn<bool>("focused");
    QTest::addColumn<QColor>("outline");
    QTest::newRow("without the focus") << false << QColor(89, 118, 165);
    QTest::newRow("with the focus") << true << QColor(255, 0, 0);
}

void TestDesignStyle::outlineMarksTheFocus()
{
    QFETCH(bool, focused);
    QFETCH(QColor, outline);
    const forms::DesignStyle design(QStyleFactory::create(u"fusion"_s));
    QPushButton next(u"Next"_s);
    forms::DesignStyle::adopt(next);
    QStyleOptionButton option;
    option.initFrom(&next);
    option.rect = QRect(0, 0, 130, 23);
    option.palette.setColor(QPalette::Button, QColor(124, 165, 231));
    option.palette.setColor(QPalette::Highlight, QColor(255, 0, 0));
    option.state.setFlag(QStyle::State_HasFocus, focused);
    QImage face(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&face);
    design.drawControl(QStyle::CE_PushButtonBevel, &option, &painter, &next);
    painter.end();
    QCOMPARE(face.pixelColor(0, 11), outline);
    QCOMPARE(face.pixelColor(65, 11), QColor(124, 165, 231));
}

// Only the caption is bold, so its strokes carry more ink than Fusion's
// caption in the frame's own font.
void TestDesignStyle::frameCaptionIsBold()
{
    QGroupBox frame(u"Please Fill In The Below Details:"_s);
    frame.resize(417, 107);
    forms::DesignStyle::adopt(frame);
    const forms::DesignStyle design(QStyleFactory::create(u"fusion"_s));
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"fusion"_s));
    const qint64 designed = ink(captionedFrameDrawnBy(design, frame));
    const qint64 plain = ink(captionedFrameDrawnBy(*fusion, frame));
    QVERIFY2(designed > plain + plain / 10, qPrintable(u"%1 against %2"_s.arg(designed).arg(plain)));
}

void TestDesignStyle::overflowIconPointsTheWayTheMenuRuns_data()
{
    QTest::addColumn<bool>("ofAWidget");
    QTest::addColumn<int>("direction");
    QTest::newRow("a left-to-right menu bar") << true << int(Qt::LeftToRight);
    QTest::newRow("a right-to-left menu bar") << true << int(Qt::RightToLeft);
    QTest::newRow("no widget, a right-to-left application") << false << int(Qt::RightToLeft);
    QTest::newRow("no widget, a left-to-right application") << false << int(Qt::LeftToRight);
}

void TestDesignStyle::overflowIconPointsTheWayTheMenuRuns()
{
    QFETCH(bool, ofAWidget);
    QFETCH(int, direction);
    QWidget bar;
    bar.setLayoutDirection(Qt::LayoutDirection(direction));
    const Qt::LayoutDirection before = QGuiApplication::layoutDirection();
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(u"fusion"_s));
    forms::DesignStyle style(QStyleFactory::create(u"fusion"_s));
    // A widget's own direction counts, whatever the application's.
    QGuiApplication::setLayoutDirection(ofAWidget ? Qt::LeftToRight : Qt::LayoutDirection(direction));
    const QIcon ours =
        style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, ofAWidget ? &bar : nullptr);
    QGuiApplication::setLayoutDirection(Qt::LayoutDirection(direction));
    const QIcon qts = fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QGuiApplication::setLayoutDirection(before);
    // Qt's own images, as Fusion reads them for an application running that way.
    for (const int size : {8, 16, 32})
        QCOMPARE(ours.pixmap(size).toImage(), qts.pixmap(size).toImage());
}

QTEST_MAIN(TestDesignStyle)
#include "tst_designstyle.moc"
