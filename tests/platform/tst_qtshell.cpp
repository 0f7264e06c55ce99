#include "platform/QtPlatform.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

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
    return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void TestQtShell::browserGetsTheAddressExactly_data()
{
    QTest::addColumn<QString>("address");
    const QString referral = u"http://h.example/p/ssd.php?page=kelv-refer-a-friend"_s;
    QTest::newRow("plain words") << referral + u"&taf1=Ann%20Lee&taf3=Have%20a%20look"_s;
    QTest::newRow("separators and text outside ASCII")
        << referral + u"&taf1=%C3%89mile%20%26%20Zo%C3%AB&taf3=50%25%20%231%0D%0A%E4%BD%A0%E5%A5%BD"_s;
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
    QTest::newRow("file") << u"file:///C:/Windows/System32/calc.exe"_s;
    QTest::newRow("script") << u"javascript:alert(1)"_s;
    QTest::newRow("other scheme") << u"ms-settings:privacy"_s;
    QTest::newRow("no scheme") << u"www.quillmoor.example/page"_s;
    QTest::newRow("look-alike scheme") << u"https-evil://h.example/"_s;
    QTest::newRow("web address with a space, not valid") << u"http://h.example/a b"_s;
}

void TestQtShell::onlyWebAddressesReachTheBrowser()
{
    QFETCH(QString, refused);
    const QString accepted = u"https://h.example/after"_s;
    // Refused without a word in the log.
    QTest::failOnWarning(QRegularExpression(u"."_s));

    platform::QtShell().openAddress(refused);
    platform::QtShell().openAddress(accepted);

    // Had the refused one been started, it would have been noted by now.
    QTRY_VERIFY_WITH_TIMEOUT(opened().contains(accepted), 60000);
    QCOMPARE(opened(), QStringList{accepted});
}

QTEST_MAIN(TestQtShell)
#include "tst_qtshell.moc"
