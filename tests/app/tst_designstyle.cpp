#include "app/DesignStyle.h"
#include "app/Png.h"

#include <QFile>
#include <QIcon>
#include <QTest>

namespace {

bool imagePluginLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

} // namespace

class TestDesignStyle : public QObject {
    Q_OBJECT

private slots:
    // Every window reads these at start-up; detecting the format would load
    // every image plugin, and libjpeg with them.
    void startUpImagesLoadNoImagePlugin();
};

void TestDesignStyle::startUpImagesLoadNoImagePlugin()
{
    QVERIFY(!imagePluginLoaded());
    app::DesignStyle style;
    const QIcon overflow = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QCOMPARE(overflow.availableSizes().size(), 3);
    QCOMPARE(app::pngPixmap(QStringLiteral(":/orvane.png")).size(), QSize(32, 32));
    QVERIFY(!imagePluginLoaded());
}

QTEST_MAIN(TestDesignStyle)
#include "tst_designstyle.moc"
