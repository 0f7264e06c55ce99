#include "app/StartUp.h"
#include "fixture/Windows.h"
#include "forms/Application.h"
#include "forms/EndRoutine.h"
#include "forms/Forms.h"
#include "platform/RecordingPlatform.h"
#include "reading/FrmMain.h"
#include "web/SettingsText.h"

#include <QTest>

#include <memory>

namespace {

QString reminderKey()
{
    return forms::applicationName() + QLatin1String("/Settings/") + modHelp::EncodeSetting(u"Duration");
}

} // namespace

// Start-up and every new entry window each run the reminder check.
class ReminderAtStartUpTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_platform = std::make_unique<RecordingPlatform>();
    }

    void cleanup()
    {
        QVERIFY(noWindowWasLeftLoaded());
        m_platform.reset();
    }

    void startAsksAtMostOnce_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("questions");
        QTest::addColumn<QString>("storedAfter");
        QTest::newRow("first start") << QString() << 0 << QStringLiteral("2026-12-08");
        QTest::newRow("quiet start") << QStringLiteral("2026-12-01") << 0 << QStringLiteral("2026-12-01");
        QTest::newRow("due start") << QStringLiteral("2026-11-23") << 1 << QStringLiteral("2026-12-08");
        QTest::newRow("due after the clock was set back") << QStringLiteral("2027-06-01") << 1
                                                          << QStringLiteral("2026-12-08");
    }

    void startAsksAtMostOnce()
    {
        QFETCH(QString, stored);
        QFETCH(int, questions);
        QFETCH(QString, storedAfter);
        if (!stored.isEmpty())
            m_platform->stored.insert(reminderKey(), modHelp::EncodeSetting(stored));
        bool entryWindowLoadedWhenAsked = false;
        m_platform->whileMessageShown = [&](const RecordingPlatform::Message &) {
            entryWindowLoadedWhenAsked = frmMain.isLoaded();
        };

        app::StartUp();

        QCOMPARE(m_platform->messages.size(), questions);
        QVERIFY(!entryWindowLoadedWhenAsked);
        QCOMPARE(modHelp::DecodeSetting(m_platform->stored.value(reminderKey())), storedAfter);
        QVERIFY(frmMain.isLoaded());
        modHelp::UnloadAllAndEnd();
    }

    void entryWindowLoadedAgainChecksAgain()
    {
        app::StartUp();
        QVERIFY(m_platform->messages.isEmpty());

        frmMain.Unload();
        m_platform->date = m_platform->date.addDays(15);
        frmMain.Show();

        QCOMPARE(m_platform->messages.size(), 1);
        modHelp::UnloadAllAndEnd();
    }

private:
    std::unique_ptr<RecordingPlatform> m_platform;
};

QTEST_MAIN(ReminderAtStartUpTest)
#include "tst_reminderatstartup.moc"
