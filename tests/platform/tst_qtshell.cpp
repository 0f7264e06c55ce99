#include "platform/QtPlatform.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

// The address reaches the browser the desktop starts, here a stand-in first on
// the PATH, exactly as the program built it: a referral's, percent-encoded.
class TestQtShell : public QObject {
    Q_OBJECT

private slots:
    void init();
    void browserGetsTheAddressExactly_data();
    void browserGetsTheAddressExactly();
    void onlyWebAddressesReachTheBrowser_data();
    void onlyWebAddressesReachTheBrowser();

private:
    // The arguments the stand-in was given, one a line: an address each time.
    static QStringList opened();
};

void TestQtShell::init()
{
    QFile::remove(QStringLiteral(STAND_IN_BROWSER_LOG));
}

QStringList TestQtShell::opened()
{
    QFile log(QStringLiteral(STAND_IN_BROWSER_LOG));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestQtShell::browserGetsTheAddressExactly_data()
{
    QTest::addColumn<QString>("address");
    const QString referral = QStringLiteral("http://h.example/p/ssd.php?page=kelv-refer-a-friend");
    QTest::newRow("plain words") << referral + QStringLiteral("&taf1=Ann%20Lee&taf3=Have%20a%20look");
    QTest::newRow("separators and text outside ASCII")
        << referral + QStringLiteral("&taf1=%C3%89mile%20%26%20Zo%C3%AB&taf3=50%25%20%231%0D%0A%E4%BD%A0%E5%A5%BD");
}

void TestQtShell::browserGetsTheAddressExactly()
{
    QFETCH(QString, address);

    platform::QtShell().openAddress(address);

    QTRY_VERIFY_WITH_TIMEOUT(!opened().isEmpty(), 60000);
    QCOMPARE(opened(), QStringList{address});
}

void TestQtShell::onlyWebAddressesReachTheBrowser_data()
{
    QTest::addColumn<QString>("refused");
    QTest::newRow("file") << QStringLiteral("file:///C:/Windows/System32/calc.exe");
    QTest::newRow("script") << QStringLiteral("javascript:alert(1)");
    QTest::newRow("other scheme") << QStringLiteral("ms-settings:privacy");
    QTest::newRow("no scheme") << QStringLiteral("www.quillmoor.example/page");
    QTest::newRow("look-alike scheme") << QStringLiteral("https-evil://h.example/");
    QTest::newRow("web address with a space, not valid") << QStringLiteral("http://h.example/a b");
}

void TestQtShell::onlyWebAddressesReachTheBrowser()
{
    QFETCH(QString, refused);
    const QString accepted = QStringLiteral("https://h.example/after");
    // Refused without a word in the log.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));

    platform::QtShell().openAddress(refused);
    platform::QtShell().openAddress(accepted);

    // Had the refused one been started, it would have been noted by now.
    QTRY_VERIFY_WITH_TIMEOUT(opened().contains(accepted), 60000);
    QCOMPARE(opened(), QStringList{accepted});
}

QTEST_MAIN(TestQtShell)
#include "tst_qtshell.moc"
