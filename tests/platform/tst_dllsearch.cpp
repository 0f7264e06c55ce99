#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;

// A library dropped beside the program, as into a Downloads folder beside a
// portable copy, never loads into it once the process is prepared. Each
// attempt is a process of its own, as a program makes it once.
class TestDllSearch : public QObject {
    Q_OBJECT

private slots:
    void plantedLibraryLoadsOnlyUnprepared_data();
    void plantedLibraryLoadsOnlyUnprepared();
};

void TestDllSearch::plantedLibraryLoadsOnlyUnprepared_data()
{
    QTest::addColumn<QString>("preparation");
    QTest::addColumn<int>("status");
    // Unprepared, Windows looks beside the program first, and finds it.
    QTest::newRow("unprepared") << u"unprepared"_s << 0;
    QTest::newRow("prepared") << u"prepared"_s << 1;
}

void TestDllSearch::plantedLibraryLoadsOnlyUnprepared()
{
    QFETCH(QString, preparation);
    QFETCH(int, status);
    const QDir folder(QCoreApplication::applicationDirPath());
    QVERIFY(QFileInfo::exists(folder.filePath(QStringLiteral(PLANTED_LIBRARY))));
    QProcess probe;
    probe.start(folder.filePath(QStringLiteral(PLANTED_PROBE)), {preparation});
    QVERIFY(probe.waitForFinished(60000));
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(probe.exitCode(), status);
}

QTEST_GUILESS_MAIN(TestDllSearch)
#include "tst_dllsearch.moc"
