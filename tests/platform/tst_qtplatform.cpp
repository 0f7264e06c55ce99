#include "ProbeCopies.h"
#include "platform/Immutable.h"
#include "platform/InstanceLock.h"
#include "platform/QtPlatform.h"
#include "platform/QtPlatform_p.h"
#include "platform/SettingsPlace.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <chrono>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

enum class Medium { Writable, FileInTheWay, LockedFolder };

} // namespace

Q_DECLARE_METATYPE(Medium)
Q_DECLARE_METATYPE(platform::SettingsUse)

// What the program asks of the system, on the system it runs on.
class TestQtPlatform : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void drawsStayBelowOne_data();
    void drawsStayBelowOne();
    void eachStartDrawsAfresh();
    void addressReachesTheBrowserUnchanged_data();
    void addressReachesTheBrowserUnchanged();
    void settingComesBackFromTheStore_data();
    void settingComesBackFromTheStore();
    void settingsLiveWhereTheSystemKeepsThem();
    void portableCopyKeepsItsSettingsBesideIt_data();
    void portableCopyKeepsItsSettingsBesideIt();
    void portableCopyMakesItsFolderOnlyToWrite_data();
    void portableCopyMakesItsFolderOnlyToWrite();
    void onlyWebAddressesAreOpened_data();
    void onlyWebAddressesAreOpened();
    void secondCopyFindsTheFirst();
    void copiesStartedTogetherLetExactlyOneRun();
    void killedCopyLocksNobodyOut();

private:
    // Each lock of its own, so that no test meets the user's running copy.
    static QString freshLockName();

    QTemporaryDir m_runtime;
};

void TestQtPlatform::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    // Lock files go here on Unix; Windows keeps its locks in the kernel.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
}

QString TestQtPlatform::freshLockName()
{
    const QString unique = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return platform::userInstanceLockName(u"orvane-test-"_s + unique, u"example.orvane.Test-"_s + unique);
}

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
    const float r = platform::detail::unitFloatFromBits(bits);
    QCOMPARE(r, expected);
    QVERIFY(r >= 0.0f && r < 1.0f);
}

void TestQtPlatform::eachStartDrawsAfresh()
{
    const auto drawsOfAStart = [] {
        platform::TimerSeededRandom random;
        random.seedFromTimer();
        QList<float> draws;
        for (int i = 0; i < 4; ++i)
            draws.append(random.next());
        return draws;
    };
    const QList<float> first = drawsOfAStart();
    // The next start comes at a later tick of the clock.
    const auto seeded = std::chrono::system_clock::now();
    QVERIFY(QTest::qWaitFor([&] { return std::chrono::system_clock::now() != seeded; }));
    const QList<float> second = drawsOfAStart();
    QVERIFY2(first != second, "two starts drew the same");
    for (const float r : first + second)
        QVERIFY(r >= 0.0f && r < 1.0f);
}

void TestQtPlatform::addressReachesTheBrowserUnchanged_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("page") << u"http://h.example/p/ssd.php?page=donate"_s;
    QTest::newRow("escaped values")
        << u"http://h.example/p/ssd.php?page=kelv-refer-a-friend&taf1=Ann%20%26%20Bob&taf3=Hi%0D%0A"
           u"&taf4=%C3%89mile%23&taf6=http://h.example/p/"_s;
}

void TestQtPlatform::addressReachesTheBrowserUnchanged()
{
    QFETCH(QString, address);
    const QUrl url = platform::detail::urlForAddress(address);
    QVERIFY(url.isValid());
    QCOMPARE(QString::fromLatin1(url.toEncoded()), address);
}

void TestQtPlatform::settingComesBackFromTheStore_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("encoded date") << u"10123:8<:="_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("text outside ASCII") << u"\u00e9\u4f60"_s;
}

void TestQtPlatform::settingComesBackFromTheStore()
{
    QFETCH(QString, value);
    // The user's store itself (a private one in the test's environment), under a name no program uses.
    const QString application = u"orvane-test-"_s + QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString maker = u"Orvane Test"_s;
    platform::QtSettingsStore store(maker, application);
    QVERIFY(store.write(application, u"Settings"_s, u"Key"_s, value));
    QCOMPARE(store.read(application, u"Settings"_s, u"Key"_s), value);
    QCOMPARE(store.read(application, u"Settings"_s, u"Other"_s), QString());
    const platform::SettingsPlace place =
        platform::userSettingsPlace(application, maker, application, platform::SettingsUse::Write);
    QSettings(place.path, place.format).clear();
}

void TestQtPlatform::settingsLiveWhereTheSystemKeepsThem()
{
    const platform::SettingsPlace place = platform::userSettingsPlace(
        u"orvane-birthday-number"_s, u"Quillmoor"_s, u"Orvane Birthday Number"_s, platform::SettingsUse::Read);
    QCOMPARE(place.format, QSettings::NativeFormat);
#ifdef Q_OS_WIN
    QCOMPARE(place.path, u"HKEY_CURRENT_USER\\Software\\Quillmoor\\Orvane Birthday Number"_s);
#else
    // Where every earlier version kept its file.
    QCOMPARE(place.path,
             QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                 .filePath(u"orvane-birthday-number.conf"_s));
#endif
}

void TestQtPlatform::portableCopyKeepsItsSettingsBesideIt_data()
{
    QTest::addColumn<bool>("marked");
    QTest::addColumn<Medium>("medium");
    QTest::newRow("portable") << true << Medium::Writable;
    QTest::newRow("portable, a file where its folder would be") << true << Medium::FileInTheWay;
    QTest::newRow("portable, its folder cannot be written") << true << Medium::LockedFolder;
    QTest::newRow("installed") << false << Medium::Writable;
}

void TestQtPlatform::portableCopyKeepsItsSettingsBesideIt()
{
    QFETCH(bool, marked);
    QFETCH(Medium, medium);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString program = root.filePath(u"program"_s);
    const QString config = QDir(program).filePath(u"config"_s);
    QVERIFY(QDir().mkdir(program));
    if (marked)
        QVERIFY(QFile(QDir(program).filePath(QLatin1String(platform::portableMarker))).open(QIODevice::WriteOnly));
    // Even root cannot make a folder below a plain file.
    if (medium == Medium::FileInTheWay)
        QVERIFY(QFile(config).open(QIODevice::WriteOnly));
    bool locked = false;
    const auto unlock = qScopeGuard([&] {
        if (locked)
            setImmutable(config, false);
    });
    if (medium == Medium::LockedFolder) {
        QVERIFY(QDir().mkdir(config));
        // Permission bits do not stop root, as whom the tests may run.
        locked = setImmutable(config, true);
        if (!locked)
            QSKIP("This file system cannot make a folder immutable (chattr +i), so root could write to it");
        QVERIFY(!QFile(QDir(config).filePath(u"try"_s)).open(QIODevice::WriteOnly));
    }

    QCOMPARE(platform::isPortableCopy(program), marked);
    const platform::SettingsPlace place =
        platform::portableSettingsPlace(program, u"app"_s, platform::SettingsUse::Write);
    if (medium != Medium::Writable) {
        QCOMPARE(place.path, QString());
        return;
    }
    QCOMPARE(place.path, root.path() + "/program/config/app.ini"_L1);
    QCOMPARE(place.format, QSettings::IniFormat);
    // Nothing is left of finding out that the folder can be written.
    QCOMPARE(QDir(config).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), QStringList());
}

void TestQtPlatform::portableCopyMakesItsFolderOnlyToWrite_data()
{
    QTest::addColumn<bool>("folderThere");
    QTest::addColumn<platform::SettingsUse>("use");
    QTest::addColumn<bool>("placeGiven");
    QTest::newRow("a read before any write") << false << platform::SettingsUse::Read << false;
    QTest::newRow("a read after a write") << true << platform::SettingsUse::Read << true;
    QTest::newRow("the first write") << false << platform::SettingsUse::Write << true;
}

void TestQtPlatform::portableCopyMakesItsFolderOnlyToWrite()
{
    QFETCH(bool, folderThere);
    QFETCH(platform::SettingsUse, use);
    QFETCH(bool, placeGiven);
    QTemporaryDir program;
    QVERIFY(program.isValid());
    const QString folder = program.filePath(u"config"_s);
    if (folderThere)
        QVERIFY(QDir().mkdir(folder));

    const platform::SettingsPlace place = platform::portableSettingsPlace(program.path(), u"app"_s, use);
    QCOMPARE(place.path, placeGiven ? program.filePath(u"config/app.ini"_s) : QString());
    QCOMPARE(QFileInfo(folder).isDir(), placeGiven);
}

void TestQtPlatform::onlyWebAddressesAreOpened_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("opened");
    QTest::newRow("http") << u"http://h.example/p/"_s << true;
    QTest::newRow("https") << u"https://h.example/p/"_s << true;
    QTest::newRow("upper-case scheme") << u"HTTP://h.example/p/"_s << true;
    QTest::newRow("file") << u"file:///etc/passwd"_s << false;
    QTest::newRow("script") << u"javascript:alert(1)"_s << false;
    QTest::newRow("look-alike scheme") << u"https-evil://h.example/"_s << false;
    QTest::newRow("no scheme") << u"h.example/p/"_s << false;
}

void TestQtPlatform::onlyWebAddressesAreOpened()
{
    QFETCH(QString, address);
    QFETCH(bool, opened);
    QCOMPARE(platform::detail::isWebAddress(platform::detail::urlForAddress(address)), opened);
}

void TestQtPlatform::secondCopyFindsTheFirst()
{
    const QString lock = freshLockName();
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

void TestQtPlatform::copiesStartedTogetherLetExactlyOneRun()
{
    for (int round = 0; round < 10; ++round) {
        const QString lock = freshLockName();
        QProcess one;
        QProcess other;
        startProbe(one, {lock});
        startProbe(other, {lock});
        const QStringList answers{answerOf(one).section(u' ', 0, 0), answerOf(other).section(u' ', 0, 0)};
        QCOMPARE(answers.count(u"running"_s), 1);
        QCOMPARE(answers.count(u"refused"_s), 1);
        QVERIFY(endsCleanly(one));
        QVERIFY(endsCleanly(other));
    }
}

void TestQtPlatform::killedCopyLocksNobodyOut()
{
    const QString lock = freshLockName();
    QProcess killed;
    startProbe(killed, {lock});
    QVERIFY(answerOf(killed).startsWith(u"running "));
    killed.kill();
    QVERIFY(killed.waitForFinished());

    QProcess next;
    startProbe(next, {lock});
    QVERIFY(answerOf(next).startsWith(u"running "));
    QVERIFY(endsCleanly(next));
}

QTEST_GUILESS_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
