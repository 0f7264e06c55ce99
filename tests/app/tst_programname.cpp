#include "BuildFacts.h"
#include "platform/ProbeCopies.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The program is known by the name it was built with, whatever its file is
// called: a copy under another name shares the first copy's lock and setting.
class TestProgramName : public QObject {
    Q_OBJECT

private slots:
    void copyUnderAnotherNameIsTheSameProgram_data();
    void copyUnderAnotherNameIsTheSameProgram();

private:
    QProcessEnvironment m_environment;
};

void TestProgramName::copyUnderAnotherNameIsTheSameProgram_data()
{
    QTest::addColumn<bool>("linked");
    QTest::newRow("copied file") << false;
    QTest::newRow("symbolic link") << true;
}

void TestProgramName::copyUnderAnotherNameIsTheSameProgram()
{
    QFETCH(bool, linked);
    QTemporaryDir top;
    QVERIFY(top.isValid());
    const QDir root(top.path());
    for (const char *folder : {"run", "config", "home", "bin"})
        QVERIFY(root.mkdir(QLatin1String(folder), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    m_environment = QProcessEnvironment::systemEnvironment();
    m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), root.filePath(QStringLiteral("run")));
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), root.filePath(QStringLiteral("config")));
    m_environment.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home")));
    const QString program = QStringLiteral(LOCK_PROBE);
    const QString renamed = root.filePath(QStringLiteral("bin/another-name"));
    QVERIFY(linked ? QFile::link(program, renamed) : QFile::copy(program, renamed));

    QProcess first;
    startCopy(first, program, {}, m_environment);
    const QString running = answerOf(first);
    const QString lock = running.section(QLatin1Char(' '), 1);
    QCOMPARE(running, QLatin1String("running ") + lock);
    QCOMPARE(QFileInfo(lock).fileName(), QLatin1String(buildfacts::executable) + QLatin1String(".lock"));
    QProcess second;
    startCopy(second, renamed, {}, m_environment);
    QCOMPARE(answerOf(second), QLatin1String("refused ") + lock);
    QVERIFY(endsCleanly(second));
    QVERIFY(endsCleanly(first));

    // Alone, it runs, and finds the reminder date the first copy stored
    // instead of storing one under its own name.
    QProcess alone;
    startCopy(alone, renamed, {}, m_environment);
    QCOMPARE(answerOf(alone), QLatin1String("running ") + lock);
    QVERIFY(endsCleanly(alone));
    QCOMPARE(QDir(root.filePath(QStringLiteral("config"))).entryList(QDir::Files),
             QStringList{QLatin1String(buildfacts::executable) + QLatin1String(".conf")});
}

QTEST_GUILESS_MAIN(TestProgramName)
#include "tst_programname.moc"
