#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

#include <pwd.h>
#include <unistd.h>

namespace {

// A copy of the program as far as the instance lock goes: it answers "running"
// or "refused" and its lock's path, then holds the lock until its input ends.
void start(QProcess &copy, const QStringList &arguments, const QProcessEnvironment &environment,
           const QString &workingDirectory = {})
{
    copy.setProgram(QStringLiteral(LOCK_PROBE));
    copy.setArguments(arguments);
    copy.setProcessEnvironment(environment);
    copy.setWorkingDirectory(workingDirectory);
    copy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    copy.start();
}

QString answerOf(QProcess &copy)
{
    // Only a hang runs into this bound.
    while (!copy.canReadLine()) {
        if (!copy.waitForReadyRead(60000))
            return {};
    }
    return QString::fromLocal8Bit(copy.readLine()).trimmed();
}

bool endsCleanly(QProcess &copy)
{
    copy.closeWriteChannel();
    return copy.waitForFinished(60000) && copy.exitStatus() == QProcess::NormalExit && copy.exitCode() == 0;
}

QByteArray ownerRecord(qint64 pid, const QByteArray &applicationName)
{
    return QByteArray::number(pid) + '\n' + applicationName + '\n' + QSysInfo::machineHostName().toUtf8() + '\n'
           + QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() + '\n';
}

void writeLock(const QString &path, const QByteArray &contents, int ageSeconds)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
}

enum class Runtime { Unset, UnsetFallbackIsAFile, UnsetFallbackOfAnotherUser, SetButCannotBeCreated };

} // namespace

Q_DECLARE_METATYPE(Runtime)

class TestQtPlatform : public QObject {
    Q_OBJECT

private slots:
    void drawsStayBelowOne_data();
    void drawsStayBelowOne();
    void addressReachesTheBrowserUnchanged_data();
    void addressReachesTheBrowserUnchanged();
    void secondCopyFindsTheFirst();
    void lockOfAKilledCopyIsTakenOver();
    void lockNamingNoLiveCopyIsTakenOver_data();
    void lockNamingNoLiveCopyIsTakenOver();
    void garbledLockOfALiveCopyStillRefuses();
    void copiesStartedTogetherLetExactlyOneRun();
    void copyKilledWithSigkillLocksNobodyOut();
    void lockStaysPrivateWithoutRuntimeDirectory_data();
    void lockStaysPrivateWithoutRuntimeDirectory();

private:
    // A first start each time: a copy that found its reminder due would wait on the question.
    QTemporaryDir m_settings;
    QProcessEnvironment m_copies = [this] {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_settings.path());
        return environment;
    }();
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
    QTest::newRow("page") << QStringLiteral("http://h.example/p/ssd.php?page=donate");
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

void TestQtPlatform::lockNamingNoLiveCopyIsTakenOver_data()
{
    const qint64 self = QCoreApplication::applicationPid();
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("ageSeconds");
    QTest::newRow("empty, as a full disk leaves it") << QByteArray() << 60;
    QTest::newRow("empty and written just now") << QByteArray() << 0;
    QTest::newRow("garbage bytes") << QByteArray("\xff\xfe\0garbage\n\n\n\x01", 14) << 60;
    QTest::newRow("a pid and nothing more") << QByteArray("4242\n") << 60;
    QTest::newRow("a live process of another program") << ownerRecord(self, "orvane-birthday-number") << 60;
    QTest::newRow("a live process that does not hold it")
        << ownerRecord(self, QCoreApplication::applicationName().toUtf8()) << 60;
}

void TestQtPlatform::lockNamingNoLiveCopyIsTakenOver()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, ageSeconds);
    QTemporaryDir directory;
    const QString lock = directory.filePath(QStringLiteral("app.lock"));
    writeLock(lock, contents, ageSeconds);

    platform::QtProcess next(lock);
    QVERIFY(!next.previousInstanceRunning());
    platform::QtProcess another(lock);
    QVERIFY(another.previousInstanceRunning());
}

void TestQtPlatform::garbledLockOfALiveCopyStillRefuses()
{
    QTemporaryDir directory;
    const QString lock = directory.filePath(QStringLiteral("app.lock"));
    platform::QtProcess first(lock);
    QVERIFY(!first.previousInstanceRunning());
    writeLock(lock, QByteArray(), 60);

    platform::QtProcess second(lock);
    QVERIFY(second.previousInstanceRunning());
}

void TestQtPlatform::copiesStartedTogetherLetExactlyOneRun()
{
    for (int round = 0; round < 10; ++round) {
        QTemporaryDir directory;
        const QStringList arguments{directory.filePath(QStringLiteral("app.lock"))};
        QProcess one;
        QProcess other;
        start(one, arguments, m_copies);
        start(other, arguments, m_copies);
        const QStringList answers{answerOf(one).section(u' ', 0, 0), answerOf(other).section(u' ', 0, 0)};
        QCOMPARE(answers.count(QStringLiteral("running")), 1);
        QCOMPARE(answers.count(QStringLiteral("refused")), 1);
        QVERIFY(endsCleanly(one));
        QVERIFY(endsCleanly(other));
    }
}

void TestQtPlatform::copyKilledWithSigkillLocksNobodyOut()
{
    QTemporaryDir directory;
    const QStringList arguments{directory.filePath(QStringLiteral("app.lock"))};
    QProcess killed;
    start(killed, arguments, m_copies);
    QVERIFY(answerOf(killed).startsWith(u"running "));
    killed.kill();
    QVERIFY(killed.waitForFinished());

    QProcess next;
    start(next, arguments, m_copies);
    QVERIFY(answerOf(next).startsWith(u"running "));
    QVERIFY(endsCleanly(next));
}

void TestQtPlatform::lockStaysPrivateWithoutRuntimeDirectory_data()
{
    QTest::addColumn<Runtime>("runtime");
    QTest::newRow("unset") << Runtime::Unset;
    QTest::newRow("unset, the fallback is a file") << Runtime::UnsetFallbackIsAFile;
    QTest::newRow("unset, another user owns the fallback") << Runtime::UnsetFallbackOfAnotherUser;
    QTest::newRow("set to a folder that cannot be created") << Runtime::SetButCannotBeCreated;
}

void TestQtPlatform::lockStaysPrivateWithoutRuntimeDirectory()
{
    QFETCH(Runtime, runtime);
    if (runtime == Runtime::UnsetFallbackOfAnotherUser && geteuid() != 0)
        QSKIP("Only root can give a folder to another user");

    QTemporaryDir root;
    const QDir top(root.path());
    for (const char *folder : {"home", "tmp", "here", "there"})
        QVERIFY(top.mkdir(QLatin1String(folder)));
    QProcessEnvironment environment = m_copies;
    for (const char *name : {"XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("HOME"), top.filePath(QStringLiteral("home")));
    environment.insert(QStringLiteral("TMPDIR"), top.filePath(QStringLiteral("tmp")));
    // Where Qt looks when the runtime directory is unset.
    const QString fallback =
        top.filePath(QStringLiteral("tmp/runtime-") + QString::fromLocal8Bit(getpwuid(geteuid())->pw_name));
    switch (runtime) {
    case Runtime::Unset:
        break;
    case Runtime::UnsetFallbackIsAFile: {
        QFile file(fallback);
        QVERIFY(file.open(QIODevice::WriteOnly));
        break;
    }
    case Runtime::UnsetFallbackOfAnotherUser:
        QVERIFY(top.mkdir(fallback, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(chown(QFile::encodeName(fallback).constData(), 65534, 65534), 0);
        break;
    case Runtime::SetButCannotBeCreated:
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), top.filePath(QStringLiteral("missing/run")));
        break;
    }

    QProcess first;
    start(first, {}, environment, top.filePath(QStringLiteral("here")));
    const QString answer = answerOf(first);
    QVERIFY2(answer.startsWith(u"running "), qPrintable(answer));
    const QString lock = answer.section(u' ', 1);
    QVERIFY2(QDir::isAbsolutePath(lock), qPrintable(lock));
    const QFileInfo folder(QFileInfo(lock).path());
    QCOMPARE(folder.ownerId(), geteuid());
    QCOMPARE(folder.permissions() & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                                     | QFile::WriteOther | QFile::ExeOther),
             QFile::Permissions());

    QProcess second;
    start(second, {}, environment, top.filePath(QStringLiteral("there")));
    QCOMPARE(answerOf(second), QStringLiteral("refused ") + lock);
    QVERIFY(endsCleanly(second));
    QVERIFY(endsCleanly(first));
    QVERIFY(QDir(top.filePath(QStringLiteral("here"))).isEmpty());
    QVERIFY(QDir(top.filePath(QStringLiteral("there"))).isEmpty());
}

QTEST_GUILESS_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
