#include "BuildFacts.h"
#include "platform/ProbeCopies.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

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
    m_environment.insert(u"XDG_RUNTIME_DIR"_s, root.filePath(u"run"_s));
    m_environment.insert(u"XDG_CONFIG_HOME"_s, root.filePath(u"config"_s));
    m_environment.insert(u"HOME"_s, root.filePath(u"home"_s));
    const QString program = QStringLiteral(LOCK_PROBE);
    const QString renamed = root.filePath(u"bin/another-name"_s);
    QVERIFY(linked ? QFile::link(program, renamed) : QFile::copy(program, renamed));

    QProcess first;
    startCopy(first, program, {}, m_environment);
    const QString running = answerOf(first);
    const QString lock = running.section(u' ', 1);
    QCOMPARE(running, "running "_L1 + lock);
    QCOMPARE(QFileInfo(lock).fileName(), QLatin1String(buildfacts::executable) + ".lock"_L1);
    QProcess second;
    startCopy(second, renamed, {}, m_environment);
    QCOMPARE(answerOf(second), "refused "_L1 + lock);
    QVERIFY(endsCleanly(second));
    QVERIFY(endsCleanly(first));

    // Alone, it runs, and finds the reminder date the first copy stored
    // instead of storing one under its own name.
    QProcess alone;
    startCopy(alone, renamed, {}, m_environment);
    QCOMPARE(answerOf(alone), "running "_L1 + lock);
    QVERIFY(endsCleanly(alone));
    QCOMPARE(QDir(root.filePath(u"config"_s)).entryList(QDir::Files),
             QStringList{QLatin1String(buildfacts::executable) + ".conf"_L1});
}

QTEST_GUILESS_MAIN(TestProgramName)
#include "tst_programname.moc"
