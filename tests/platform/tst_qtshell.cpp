#include "platform/QtPlatform.h"

#include <QFile>
#include <QTest>

// The address reaches the browser the desktop starts, here a stand-in first on
// the PATH, exactly as the program built it: a referral's, percent-encoded.
class TestQtShell : public QObject {
    Q_OBJECT

private slots:
    void browserGetsTheAddressExactly_data();
    void browserGetsTheAddressExactly();
};

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
    QFile opened(QStringLiteral(STAND_IN_BROWSER_LOG));
    opened.remove();

    platform::QtShell().openAddress(address);

    // The stand-in writes its file whole, by renaming it into place.
    QTRY_VERIFY_WITH_TIMEOUT(opened.exists(), 60000);
    QVERIFY(opened.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(opened.readAll()).trimmed(), address);
}

QTEST_MAIN(TestQtShell)
#include "tst_qtshell.moc"
