#include "platform/QtPlatform.h"
#include "support/modTellAFriend.h"
#include "web/Site.h"

#include <QFile>
#include <QTest>

// The address reaches the browser the desktop starts, here a stand-in first on
// the PATH, exactly as the program built it.
class TestQtShell : public QObject {
    Q_OBJECT

private slots:
    void browserGetsTheAddressExactly_data();
    void browserGetsTheAddressExactly();
};

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
