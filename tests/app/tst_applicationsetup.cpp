#include "BuildFacts.h"
#include "app/ApplicationSetUp.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace {

// Counts, and holds back, the quit Qt posts to the application by itself.
class QuitCatcher final : public QObject { // clazy:exclude=missing-qobject-macro no signal, slot or cast to it
public:
    int quits = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != qApp || event->type() != QEvent::Quit)
            return false;
        ++quits;
        return true;
    }
};

} // namespace

class TestApplicationSetUp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void desktopPairsTheWindowWithItsEntry();
    void closingTheLastWindowLeavesTheProgramRunning();
};

void TestApplicationSetUp::initTestCase()
{
    app::setUpApplication(*qApp);
}

void TestApplicationSetUp::desktopPairsTheWindowWithItsEntry()
{
    // The installed menu entry is named after the id, which names the Wayland window too.
    QCOMPARE(QGuiApplication::desktopFileName(), QString::fromLatin1(buildfacts::appId));
    QCOMPARE(QCoreApplication::applicationVersion(), QString::fromLatin1(buildfacts::version));
}

// A message box closed while the program's windows are hidden between two of
// them is the last window closed; only the end routine ends the program.
void TestApplicationSetUp::closingTheLastWindowLeavesTheProgramRunning()
{
    QWidget box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QuitCatcher catcher;
    qApp->installEventFilter(&catcher);
    QMetaObject::invokeMethod(
        &box,
        [&box] {
            QVERIFY(box.close());
            // Queued after any quit the close has posted.
            QMetaObject::invokeMethod(
                qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    QCOMPARE(QApplication::exec(), 0);
    qApp->removeEventFilter(&catcher);
    QCOMPARE(catcher.quits, 0);
}

QTEST_MAIN(TestApplicationSetUp)
#include "tst_applicationsetup.moc"
