#include "platform/QtPlatform.h"

#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

class TestQtPlatform : public QObject {
    Q_OBJECT

private slots:
    void drawsStayBelowOne_data();
    void drawsStayBelowOne();
    void addressReachesTheBrowserUnchanged_data();
    void addressReachesTheBrowserUnchanged();
    void secondCopyFindsTheFirst();
    void lockOfAKilledCopyIsTakenOver();
};

void TestQtPlatform::drawsStayBelowOne_data()
{
    QTest::addColumn<quint32>("bits");
    QTest::addColumn<float>("expected");
    QTest::newRow("all zero") << quint32(0) << 0.0f;
    QTest::newRow("half") << quint32(0x80000000u) << 0.5f;
    QTest::newRow("all ones, which a cast double would round to 1")
        << std::numeric_limits<quint32>::max() << std::nextafter(1.0f, 0.0f);
    QTest::newRow("low bits alone are too fine for a float") << quint32(0xFFu) << 0.0f;
}

void TestQtPlatform::drawsStayBelowOne()
{
    QFETCH(quint32, bits);
    QFETCH(float, expected);
    const float r = platform::unitFloatFromBits(bits);
    QCOMPARE(r, expected);
    QVERIFY(r >= 0.0f && r < 1.0f);
}

void TestQtPlatform::addressReachesTheBrowserUnchanged_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("page") << QStringLiteral("http://www.quillmoor.example/orvane-free-birthday-number/ssd.php?page=donate");
    QTest::newRow("escaped values")
        << QStringLiteral("http://h.example/p/ssd.php?page=kelv-refer-a-friend&taf1=Ann%20%26%20Bob&taf3=Hi%0D%0A"
                          "&taf4=%C3%89mile%23&taf6=http://h.example/p/");
}

void TestQtPlatform::addressReachesTheBrowserUnchanged()
{
    QFETCH(QString, address);
    const QUrl url = platform::urlForAddress(address);
    QVERIFY(url.isValid());
    QCOMPARE(QString::fromLatin1(url.toEncoded()), address);
}

void TestQtPlatform::secondCopyFindsTheFirst()
{
    QTemporaryDir directory;
    const QString lock = directory.filePath(QStringLiteral("app.lock"));
    {
        platform::QtProcess first(lock);
        QVERIFY(!first.previousInstanceRunning());
        QVERIFY(!first.previousInstanceRunning());
        platform::QtProcess second(lock);
        QVERIFY(second.previousInstanceRunning());
    }
    platform::QtProcess afterTheFirstEnded(lock);
    QVERIFY(!afterTheFirstEnded.previousInstanceRunning());
}

void TestQtPlatform::lockOfAKilledCopyIsTakenOver()
{
    QProcess gone;
    gone.start(QStringLiteral("true"));
    QVERIFY(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    QVERIFY(gone.waitForFinished());

    QTemporaryDir directory;
    const QString lock = directory.filePath(QStringLiteral("app.lock"));
    QFile leftBehind(lock);
    QVERIFY(leftBehind.open(QIODevice::WriteOnly));
    // What a copy killed with SIGKILL leaves: its pid, name, host, machine and boot.
    leftBehind.write(QByteArray::number(deadPid) + "\norvane-birthday-number\n" + QSysInfo::machineHostName().toUtf8()
                     + '\n' + QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() + '\n');
    leftBehind.close();

    platform::QtProcess next(lock);
    QVERIFY(!next.previousInstanceRunning());
}

QTEST_GUILESS_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
