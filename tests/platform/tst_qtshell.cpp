#include "platform/QtPlatform.h"
#include "support/modTellAFriend.h"
#include "web/Site.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

// The address reaches the browser the desktop starts, here a stand-in first on
// the PATH, exactly as the program built it.
class TestQtShell : public QObject {
    Q_OBJECT

private slots:
    void init();
    void browserGetsTheAddressExactly_data();
    void browserGetsTheAddressExactly();
    void onlyWebAddressesReachTheBrowser_data();
    void onlyWebAddressesReachTheBrowser();

private:
    // The addresses the stand-in was given, one a line.
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
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("plain words") << QStringLiteral("Ann Lee") << QStringLiteral("Have a look");
    QTest::newRow("separators and text outside ASCII")
        << QStringLiteral("\u00c9mile & Zo\u00eb") << QStringLiteral("50% #1\r\n\u4f60\u597d");
}

void TestQtShell::browserGetsTheAddressExactly()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    const modTellAFriend::Referral referral{name, QStringLiteral("ann@lee.example"), message,
                                            QStringLiteral("Friend Person"), QStringLiteral("friend@person.example")};
    const QString address = modTellAFriend::referralAddress(referral, web::host());

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
