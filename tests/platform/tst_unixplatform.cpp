#include "ProbeCopies.h"
#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QStringList logged;

void record(QtMsgType, const QMessageLogContext &, const QString &message)
{
    logged.append(message);
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

// The lock file, the runtime folder and the browser helper of Unix systems.
class TestUnixPlatform : public QObject {
    Q_OBJECT

private slots:
    void lockOfAKilledCopyIsTakenOver();
    void lockNamingNoLiveCopyIsTakenOver_data();
    void lockNamingNoLiveCopyIsTakenOver();
    void garbledLockOfALiveCopyStillRefuses();
    void lockStaysPrivateWithoutRuntimeDirectory_data();
    void lockStaysPrivateWithoutRuntimeDirectory();
    void warningWithoutBrowserKeepsTypedValuesOut();

private:
    // A first start each time: a copy that found its reminder due would wait on the question.
    QTemporaryDir m_settings;
    QProcessEnvironment m_copies = [this] {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_CONFIG_HOME"_s, m_settings.path());
        return environment;
    }();
};

void TestUnixPlatform::lockOfAKilledCopyIsTakenOver()
{
    QProcess gone;
    gone.start(u"true"_s);
    QVERIFY(gone.waitForStarted());
    const qint64 deadPid = gone.processId();
    QVERIFY(gone.waitForFinished());

    QTemporaryDir directory;
    const QString lock = directory.filePath(u"app.lock"_s);
    QFile leftBehind(lock);
    QVERIFY(leftBehind.open(QIODevice::WriteOnly));
    // What a copy killed with SIGKILL leaves: its pid, name, host, machine and boot.
    leftBehind.write(QByteArray::number(deadPid) + "\norvane-birthday-number\n" + QSysInfo::machineHostName().toUtf8()
                     + '\n' + QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() + '\n');
    leftBehind.close();

    platform::QtProcess next(lock);
    QVERIFY(!next.previousInstanceRunning());
}

void TestUnixPlatform::lockNamingNoLiveCopyIsTakenOver_data()
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

void TestUnixPlatform::lockNamingNoLiveCopyIsTakenOver()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, ageSeconds);
    QTemporaryDir directory;
    const QString lock = directory.filePath(u"app.lock"_s);
    writeLock(lock, contents, ageSeconds);

    platform::QtProcess next(lock);
    QVERIFY(!next.previousInstanceRunning());
    platform::QtProcess another(lock);
    QVERIFY(another.previousInstanceRunning());
}

void TestUnixPlatform::garbledLockOfALiveCopyStillRefuses()
{
    QTemporaryDir directory;
    const QString lock = directory.filePath(u"app.lock"_s);
    platform::QtProcess first(lock);
    QVERIFY(!first.previousInstanceRunning());
    writeLock(lock, QByteArray(), 60);

    platform::QtProcess second(lock);
    QVERIFY(second.previousInstanceRunning());
}

void TestUnixPlatform::lockStaysPrivateWithoutRuntimeDirectory_data()
{
    QTest::addColumn<Runtime>("runtime");
    QTest::newRow("unset") << Runtime::Unset;
    QTest::newRow("unset, the fallback is a file") << Runtime::UnsetFallbackIsAFile;
    QTest::newRow("unset, another user owns the fallback") << Runtime::UnsetFallbackOfAnotherUser;
    QTest::newRow("set to a folder that cannot be created") << Runtime::SetButCannotBeCreated;
}

void TestUnixPlatform::lockStaysPrivateWithoutRuntimeDirectory()
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
    environment.insert(u"HOME"_s, top.filePath(u"home"_s));
    environment.insert(u"TMPDIR"_s, top.filePath(u"tmp"_s));
    // Where Qt looks when the runtime directory is unset.
    const QString fallback = top.filePath(u"tmp/runtime-"_s + QString::fromLocal8Bit(getpwuid(geteuid())->pw_name));
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
        environment.insert(u"XDG_RUNTIME_DIR"_s, top.filePath(u"missing/run"_s));
        break;
    }

    QProcess first;
    // Nothing on standard error either, where Qt would warn of the unset folder.
    startProbe(first, {}, environment, top.filePath(u"here"_s), QProcess::SeparateChannels);
    const QString answer = answerOf(first);
    QVERIFY2(answer.startsWith(u"running "), qPrintable(answer));
    const QString lock = answer.section(u' ', 1);
    QVERIFY2(QDir::isAbsolutePath(lock), qPrintable(lock));
    const QFileInfo folder(QFileInfo(lock).path());
    QCOMPARE(folder.ownerId(), geteuid());
    // The owner's bits as the folder has them, not as root may use it anyway.
    QCOMPARE(folder.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcess second;
    startProbe(second, {}, environment, top.filePath(u"there"_s));
    QCOMPARE(answerOf(second), u"refused "_s + lock);
    QVERIFY(endsCleanly(second));
    QVERIFY(endsCleanly(first));
    QVERIFY2(!QFileInfo::exists(lock), qPrintable(lock));
    if (runtime == Runtime::Unset)
        QCOMPARE(first.readAllStandardError(), QByteArray());
    QVERIFY(QDir(top.filePath(u"here"_s)).isEmpty());
    QVERIFY(QDir(top.filePath(u"there"_s)).isEmpty());
}

void TestUnixPlatform::warningWithoutBrowserKeepsTypedValuesOut()
{
    const QString address =
        u"http://h.example/p/ssd.php?page=kelv-refer-a-friend&taf1=Ann%20Lee&taf2=ann%40lee.example"_s;
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir nowhere;
    qputenv("PATH", QFile::encodeName(nowhere.path()));
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(&record);
    platform::QtShell().openAddress(address);
    qInstallMessageHandler(previous);
    qputenv("PATH", path);

    const QString everything = logged.join(u'\n');
    QVERIFY2(everything.contains(u"http://h.example/p/ssd.php"), qPrintable(everything));
    QVERIFY2(!everything.contains(u"Ann") && !everything.contains(u"lee.example"), qPrintable(everything));
}

QTEST_GUILESS_MAIN(TestUnixPlatform)
#include "tst_unixplatform.moc"
