#include "app/StartUp.h"
#include "fixture/WindowTest.h"
#include "forms/lifecycle/Forms.h"
#include "forms/lifecycle/UnloadAllAndEnd.h"
#include "platform/ProductFacts.h"
#include "platform/RecordingPlatform.h"
#include "platform/SettingsText.h"
#include "reading/FrmMain.h"

#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString reminderKey()
{
    return platform::applicationName() + "/Settings/"_L1 + platform::EncodeSetting(u"Duration");
}

} // namespace

// Start-up and every new entry window each run the reminder check.
class ReminderAtStartUpTest : public WindowTest {
    Q_OBJECT

public:
    ReminderAtStartUpTest()
        : WindowTest(Leftovers::Refused)
    {
    }

private slots:
    void startAsksAtMostOnce_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("storedAfter");
        QTest::newRow("first start") << QString() << 0 << u"2026-12-08"_s;
        QTest::newRow("quiet start") << u"2026-12-01"_s << 0 << u"2026-12-01"_s;
        QTest::newRow("due start") << u"2026-11-23"_s << 1 << u"2026-12-08"_s;
        QTest::newRow("due after the clock was set back") << u"2027-06-01"_s << 1 << u"2026-12-08"_s;
    }

    void startAsksAtMostOnce()
    {
        QFETCH(QString, stored);
        QFETCH(int, questions);
        QFETCH(QString, storedAfter);
        if (!stored.isEmpty())
            m_desktop->stored.insert(reminderKey(), platform::EncodeSetting(stored));
        bool entryWindowLoadedWhenAsked = false;
        m_desktop->whileMessageShown = [&](const RecordingPlatform::Message &) {
            entryWindowLoadedWhenAsked = reading::frmMain.isLoaded();
        };

        app::StartUp();

        QCOMPARE(m_desktop->messages.size(), questions);
        QVERIFY(!entryWindowLoadedWhenAsked);
        QCOMPARE(platform::DecodeSetting(m_desktop->stored.value(reminderKey())), storedAfter);
        QVERIFY(reading::frmMain.isLoaded());
        forms::UnloadAllAndEnd();
    }

    void entryWindowLoadedAgainChecksAgain()
    {
        app::StartUp();
        QVERIFY(m_desktop->messages.isEmpty());

        reading::frmMain.Unload();
        m_desktop->date = m_desktop->date.addDays(15);
        reading::frmMain.Show();

        QCOMPARE(m_desktop->messages.size(), 1);
        forms::UnloadAllAndEnd();
    }
};

QTEST_MAIN(ReminderAtStartUpTest)
#include "tst_reminderatstartup.moc"
