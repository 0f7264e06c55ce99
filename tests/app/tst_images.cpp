#include "app/ApplicationSetUp.h"
#include "app/StartUp.h"
#include "fixture/ProgramWindows.h"
#include "fixture/WindowTest.h"
#include "reading/FrmMain.h"
#include "web/FrmAbout.h"

#include <QApplication>
#include <QImageReader>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool imagePluginAsked()
{
    return qEnvironmentVariableIsSet(ASKED_VARIABLE);
}

} // namespace

// Images are read as PNGs alone: were Qt left to choose a reader, it would load
// and ask every image plugin, among them one of the test's own.
class TestImages : public WindowTest {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void startUpAsksNoImagePlugin();
    void aboutWindowAsksNoImagePlugin();
    void windowIconComesInEverySize_data();
    void windowIconComesInEverySize();
};

void TestImages::initTestCase()
{
    QCoreApplication::addLibraryPath(QStringLiteral(PLUGIN_FOLDER));
    // As QPixmap reads a file: left to choose, Qt asks the test's plugin too.
    QVERIFY(!QImageReader(u":/icons/32x32.png"_s).read().isNull());
    QVERIFY(imagePluginAsked());
    app::setUpApplication(*qApp);
}

void TestImages::init()
{
    WindowTest::init();
    qunsetenv(ASKED_VARIABLE);
}

void TestImages::startUpAsksNoImagePlugin()
{
    app::StartUp();
    QVERIFY(QTest::qWaitForWindowExposed(&reading::frmMain.get()));
    reading::frmMain->grab();
    QVERIFY(!imagePluginAsked());
}

void TestImages::aboutWindowAsksNoImagePlugin()
{
    web::frmAbout.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&web::frmAbout.get()));
    web::frmAbout->grab();
    QVERIFY(!imagePluginAsked());
}

void TestImages::windowIconComesInEverySize_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("entry") << "entry";
    QTest::newRow("result") << "result";
    QTest::newRow("about") << "about";
    QTest::newRow("support") << "support";
}

void TestImages::windowIconComesInEverySize()
{
    QFETCH(QString, window);
    QList<QSize> sizes = showProgramWindow(window).windowIcon().availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    const QList<QSize> expected{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    QCOMPARE(sizes, expected);
}

QTEST_MAIN(TestImages)
#include "tst_images.moc"
