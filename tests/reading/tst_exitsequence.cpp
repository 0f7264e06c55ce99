#include "fixture/WindowTest.h"
#include "forms/lifecycle/Forms_p.h"
#include "platform/RecordingPlatform.h"
#include "reading/FrmBDNo.h"
#include "reading/FrmMain.h"
#include "support/FrmNagScreen2.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

void next()
{
    reading::frmMain->findChild<QLineEdit *>(u"txtFirstName"_s)->setText(u"ANN"_s);
    reading::frmMain->findChild<QLineEdit *>(u"txtLastName"_s)->setText(u"LEE"_s);
    QTest::mouseClick(reading::frmMain->findChild<QPushButton *>(u"cmdNext"_s), Qt::LeftButton);
}

void back()
{
    QTest::mouseClick(reading::frmBDNo->findChild<QPushButton *>(u"cmdback"_s), Qt::LeftButton);
}

// Counts the support window's Show events, and notes whether the window the
// user leaves was still on screen when it came.
class SupportWatch final : public QObject {
public:
    SupportWatch() { qApp->installEventFilter(this); }

    int shows = 0;
    QPointer<QWidget> leaving;
    bool leavingWasOnScreen = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == "frmNagScreen2"_L1) {
            ++shows;
            leavingWasOnScreen = leaving && leaving->isVisible();
        }
        return false;
    }
};

// A modal box runs an event loop of its own while it waits for the user.
void runModalLoop(const RecordingPlatform::Message &)
{
    QEventLoop loop;
    QTimer::singleShot(0, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

class TestExitSequence : public WindowTest {
    Q_OBJECT

private slots:
    void init();

    void leavingShowsTheSupportWindowUntilItCloses_data();
    void leavingShowsTheSupportWindowUntilItCloses();
    void switchesNeverLeaveTheSupportWindowOnScreen();
    void switchesNeverPutTheSupportWindowOnScreen_data();
    void switchesNeverPutTheSupportWindowOnScreen();
};

void TestExitSequence::init()
{
    WindowTest::init();
    reading::frmMain.Show();
}

void TestExitSequence::leavingShowsTheSupportWindowUntilItCloses_data()
{
    QTest::addColumn<QString>("leave");
    QTest::addColumn<bool>("closeBox");
    for (const char *leave : {"File, Exit", "entry close box", "result close box"}) {
        QTest::addRow("%s, then Exit", leave) << leave << false;
        QTest::addRow("%s, then its close box", leave) << leave << true;
    }
}

void TestExitSequence::leavingShowsTheSupportWindowUntilItCloses()
{
    QFETCH(QString, leave);
    QFETCH(bool, closeBox);
    SupportWatch watch;
    if (leave == "File, Exit"_L1) {
        watch.leaving = &reading::frmMain.get();
        reading::frmMain->findChild<QAction *>(u"mnuExit"_s)->trigger();
    } else if (leave == "entry close box"_L1) {
        watch.leaving = &reading::frmMain.get();
        reading::frmMain->close();
    } else {
        next();
        watch.leaving = &reading::frmBDNo.get();
        reading::frmBDNo->close();
    }
    QCOMPARE(forms::loaded().size(), 1);
    QVERIFY(support::frmNagScreen2.isLoaded());
    QTRY_VERIFY(support::frmNagScreen2->isVisible());
    QTRY_VERIFY(watch.leaving.isNull());
    QCOMPARE(watch.shows, 1);
    QVERIFY(watch.leavingWasOnScreen);
    QCOMPARE(m_desktop->ends, 0);

    if (closeBox)
        support::frmNagScreen2->close();
    else
        QTest::mouseClick(support::frmNagScreen2->findChild<QPushButton *>(u"cmdClose"_s), Qt::LeftButton);
    QVERIFY(forms::loaded().isEmpty());
    QCOMPARE(m_desktop->ends, 1);
    QVERIFY(m_desktop->messages.isEmpty());
}

void TestExitSequence::switchesNeverLeaveTheSupportWindowOnScreen()
{
    next();
    support::FrmNagScreen2 *window = &support::frmNagScreen2.get();
    QVERIFY(!window->isVisible());
    back();
    QVERIFY(!window->isVisible());
    next();
    back();
    QCOMPARE(&support::frmNagScreen2.get(), window);
    QVERIFY(!window->isVisible());
    QVERIFY(reading::frmMain->isVisible());
    QCOMPARE(forms::loaded().size(), 2);
    QCOMPARE(m_desktop->ends, 0);
}

void TestExitSequence::switchesNeverPutTheSupportWindowOnScreen_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("Next") << QStringList{"Next"};
    QTest::newRow("Next, Back") << QStringList{"Next", "Back"};
    QTest::newRow("Next, Back, Next, Back") << QStringList{"Next", "Back", "Next", "Back"};
    QTest::newRow("Back while the update reminder asks") << QStringList{"Next", "reminder due", "Back"};
}

void TestExitSequence::switchesNeverPutTheSupportWindowOnScreen()
{
    QFETCH(QStringList, steps);
    SupportWatch watch;
    m_desktop->whileMessageShown = runModalLoop;
    for (const QString &step : steps) {
        if (step == "reminder due"_L1) {
            m_desktop->date = m_desktop->date.addDays(15);
            continue;
        }
        QPointer<QWidget> left = step == "Next"_L1 ? static_cast<QWidget *>(&reading::frmMain.get())
                                                   : static_cast<QWidget *>(&reading::frmBDNo.get());
        // From the event loop, as a real click comes; the window left is
        // gone once the switch is over.
        QTimer::singleShot(0, step == "Next"_L1 ? next : back);
        QTRY_VERIFY(left.isNull());
    }
    QCOMPARE(m_desktop->messages.size(), steps.contains("reminder due"_L1) ? 1 : 0);
    QCOMPARE(watch.shows, 0);
    QVERIFY(support::frmNagScreen2.isLoaded());
    QVERIFY(!support::frmNagScreen2->isVisible());
    QVERIFY(!forms::detail::isShowPending(support::frmNagScreen2.get()));
    QCOMPARE(m_desktop->seeds, 1);
}

QTEST_MAIN(TestExitSequence)
#include "tst_exitsequence.moc"
