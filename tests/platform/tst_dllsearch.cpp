#include "platform/ProcessStart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <windows.h>

// A library dropped beside the program, as into a Downloads folder beside a
// portable copy, never loads into it once the process is prepared.
class TestDllSearch : public QObject {
    Q_OBJECT

private slots:
    void plantedLibraryNeverLoads();
};

void TestDllSearch::plantedLibraryNeverLoads()
{
    const QString planted = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(PLANTED_LIBRARY));
    QVERIFY2(QFileInfo::exists(planted), qPrintable(planted));
    const auto byName = reinterpret_cast<LPCWSTR>(QStringLiteral(PLANTED_LIBRARY).utf16());

    // Unprepared, Windows looks beside the program first, and finds it.
    HMODULE unprepared = LoadLibraryW(byName);
    QVERIFY(unprepared);
    FreeLibrary(unprepared);

    platform::prepareProcess();
    HMODULE prepared = LoadLibraryW(byName);
    if (prepared)
        FreeLibrary(prepared);
    QVERIFY(!prepared);
}

QTEST_GUILESS_MAIN(TestDllSearch)
#include "tst_dllsearch.moc"
