#include "SiteAddresses.h"
#include "forms/Application.h"
#include "platform/RecordingPlatform.h"
#include "platform/SettingsText.h"
#include "web/UpdateReminder.h"

#include <QTest>

using web::ReminderStep;

namespace {

// Stands for a key that is not in the store at all.
const QString absent = QStringLiteral("(absent)");

QString reminderKey()
{
    return forms::applicationName() + QLatin1String("/Settings/") + platform::EncodeSetting(u"Duration");
}

} // namespace

class UpdateReminderTest : public QObject {
    Q_OBJECT

private slots:
    void step_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<ReminderStep>("step");
        const QDate today(2026, 12, 8);
        QTest::newRow("first run") << QString() << today << ReminderStep::StoreFirstDate;
        QTest::newRow("same day") << QStringLiteral("2026-12-08") << today << ReminderStep::Quiet;
        QTest::newRow("14 days before") << QStringLiteral("2026-11-24") << today << ReminderStep::Quiet;
        QTest::newRow("14 days after") << QStringLiteral("2026-12-22") << today << ReminderStep::Quiet;
        QTest::newRow("15 days before") << QStringLiteral("2026-11-23") << today << ReminderStep::Ask;
        QTest::newRow("15 days after") << QStringLiteral("2026-12-23") << today << ReminderStep::Ask;
        QTest::newRow("15 days across a year end")
            << QStringLiteral("2026-12-20") << QDate(2027, 1, 4) << ReminderStep::Ask;
        QTest::newRow("far future after the clock was set back")
            << QStringLiteral("2099-01-01") << today << ReminderStep::Ask;
        QTest::newRow("damaged value") << QStringLiteral("not a date") << today << ReminderStep::Quiet;
        QTest::newRow("short date of a locale") << QStringLiteral("11/23/2026") << today << ReminderStep::Quiet;
        QTest::newRow("impossible day") << QStringLiteral("2026-02-30") << today << ReminderStep::Quiet;
        QTest::newRow("time after the date") << QStringLiteral("2026-11-23T10:00:00") << today << ReminderStep::Quiet;
        QTest::newRow("space after the date") << QStringLiteral("2026-11-23 ") << today << ReminderStep::Quiet;
        QTest::newRow("signed year") << QStringLiteral("+2026-11-23") << today << ReminderStep::Quiet;
        QTest::newRow("digits of another script")
            << QStringLiteral("\u0662\u0660\u0662\u0666-\u0661\u0661-\u0662\u0663") << today << ReminderStep::Quiet;
        QTest::newRow("one-digit month") << QStringLiteral("2026-1-023") << today << ReminderStep::Quiet;
        QTest::newRow("sign inside the day") << QStringLiteral("2026-11-+3") << today << ReminderStep::Quiet;
        QTest::newRow("slash for a digit of the day")
            << QStringLiteral("2026-11-1/") << QDate(2026, 12, 30) << ReminderStep::Quiet;
        QTest::newRow("year zero") << QStringLiteral("0000-11-23") << today << ReminderStep::Quiet;
        QTest::newRow("month thirteen") << QStringLiteral("2026-13-23") << today << ReminderStep::Quiet;
        // Each with readable numbers in their places, a due date but for the one wrong mark.
        QTest::newRow("slash for the first dash") << QStringLiteral("2026/11-23") << today << ReminderStep::Quiet;
        QTest::newRow("digit for the first dash") << QStringLiteral("2026011-23") << today << ReminderStep::Quiet;
        QTest::newRow("slash for the second dash") << QStringLiteral("2026-11/23") << today << ReminderStep::Quiet;
        QTest::newRow("digit for the second dash") << QStringLiteral("2026-11023") << today << ReminderStep::Quiet;
        QTest::newRow("letter in the year") << QStringLiteral("2O26-11-23") << today << ReminderStep::Quiet;
        QTest::newRow("letter in the month") << QStringLiteral("2026-1l-23") << today << ReminderStep::Quiet;
        QTest::newRow("colon for a digit of the day")
            << QStringLiteral("2026-11-2:") << QDate(2026, 12, 30) << ReminderStep::Quiet;
    }

    void step()
    {
        QFETCH(QString, stored);
        QFETCH(QDate, today);
        QFETCH(ReminderStep, step);
        QCOMPARE(web::reminderStep(stored, today), step);
    }

    void dateText_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("single-digit month and day") << QDate(2026, 1, 5) << QStringLiteral("2026-01-05");
        QTest::newRow("leap day") << QDate(2028, 2, 29) << QStringLiteral("2028-02-29");
        QTest::newRow("year below 1000") << QDate(999, 3, 1) << QStringLiteral("0999-03-01");
    }

    void dateText()
    {
        QFETCH(QDate, date);
        QFETCH(QString, text);
        QCOMPARE(web::reminderDateText(date), text);
        QCOMPARE(web::reminderDateFromText(text), std::optional<QDate>(date));
    }

    // A date QDate itself refuses is no date either, not one the reminder counts from.
    void impossibleDateIsNoDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("30 February") << QStringLiteral("2026-02-30");
        QTest::newRow("day zero") << QStringLiteral("2026-11-00");
        QTest::newRow("year zero") << QStringLiteral("0000-11-23");
    }

    void impossibleDateIsNoDate()
    {
        QFETCH(QString, text);
        QCOMPARE(web::reminderDateFromText(text), std::optional<QDate>());
    }

    void check_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("failWrites");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("writes");
        QTest::addColumn<QString>("storedAfter");
        QTest::addColumn<bool>("downloadOpened");
        QTest::newRow("first run stores today without asking")
            << absent << false << false << false << 1 << QStringLiteral("2026-12-08") << false;
        QTest::newRow("empty value counts as a first run")
            << QString() << false << false << false << 1 << QStringLiteral("2026-12-08") << false;
        QTest::newRow("14 days before stays quiet and writes nothing")
            << QStringLiteral("2026-11-24") << false << false << false << 0 << QStringLiteral("2026-11-24") << false;
        QTest::newRow("due, No stores today and opens nothing")
            << QStringLiteral("2026-11-23") << false << false << true << 1 << QStringLiteral("2026-12-08") << false;
        QTest::newRow("due, Yes stores today and opens the download page")
            << QStringLiteral("2026-11-23") << false << true << true << 1 << QStringLiteral("2026-12-08") << true;
        QTest::newRow("date in the future asks too")
            << QStringLiteral("2026-12-23") << false << false << true << 1 << QStringLiteral("2026-12-08") << false;
        QTest::newRow("damaged value is left alone")
            << QStringLiteral("8/12") << false << true << false << 0 << QStringLiteral("8/12") << false;
        QTest::newRow("failing first write ends quietly") << absent << true << false << false << 1 << absent << false;
        QTest::newRow("failing write after Yes opens nothing")
            << QStringLiteral("2026-11-23") << true << true << true << 1 << QStringLiteral("2026-11-23") << false;
    }

    void check()
    {
        QFETCH(QString, stored);
        QFETCH(bool, failWrites);
        QFETCH(bool, answerYes);
        QFETCH(bool, asked);
        QFETCH(int, writes);
        QFETCH(QString, storedAfter);
        QFETCH(bool, downloadOpened);
        RecordingPlatform platform;
        if (stored != absent)
            platform.stored.insert(reminderKey(), platform::EncodeSetting(stored));
        platform.failWrites = failWrites;
        platform.answers = {answerYes ? platform::Answer::Yes : platform::Answer::No};

        web::UpdateReminderCheck();

        QCOMPARE(platform.messages.size(), asked ? 1 : 0);
        QCOMPARE(platform.writes, writes);
        if (storedAfter == absent)
            QVERIFY(!platform.stored.contains(reminderKey()));
        else
            QCOMPARE(platform::DecodeSetting(platform.stored.value(reminderKey())), storedAfter);
        const QStringList opened =
            downloadOpened ? QStringList{expected::pageAddress(QStringLiteral("download-web-page"))} : QStringList();
        QCOMPARE(platform.openedAddresses, opened);
    }

    void question()
    {
        RecordingPlatform platform;
        platform.stored.insert(reminderKey(), platform::EncodeSetting(u"2026-11-23"));

        web::UpdateReminderCheck();

        QCOMPARE(platform.messages.size(), 1);
        const RecordingPlatform::Message &message = platform.messages.first();
        QCOMPARE(message.text,
                 QStringLiteral("There maybe an update to this software available\r"
                                "Do you want to check for an update?"));
        QCOMPARE(message.icon, platform::Icon::Information);
        QCOMPARE(message.buttons, platform::Buttons::YesNo);
    }
};

QTEST_GUILESS_MAIN(UpdateReminderTest)
#include "tst_updatereminder.moc"
