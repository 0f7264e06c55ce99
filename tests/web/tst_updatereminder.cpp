#include "SiteAddresses.h"
#include "platform/ProductFacts.h"
#include "platform/RecordingPlatform.h"
#include "platform/SettingsText.h"
#include "web/UpdateReminder.h"

#include <QTest>

using namespace Qt::StringLiterals;

using web::ReminderStep;

namespace {

// Stands for a key that is not in the store at all.
const QString absent = u"(absent)"_s;

QString reminderKey()
{
    return platform::applicationName() + "/Settings/"_L1 + platform::EncodeSetting(u"Duration");
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
        QTest::newRow("same day") << u"2026-12-08"_s << today << ReminderStep::Quiet;
        QTest::newRow("14 days before") << u"2026-11-24"_s << today << ReminderStep::Quiet;
        QTest::newRow("14 days after") << u"2026-12-22"_s << today << ReminderStep::Quiet;
        QTest::newRow("15 days before") << u"2026-11-23"_s << today << ReminderStep::Ask;
        QTest::newRow("15 days after") << u"2026-12-23"_s << today << ReminderStep::Ask;
        QTest::newRow("15 days across a year end") << u"2026-12-20"_s << QDate(2027, 1, 4) << ReminderStep::Ask;
        QTest::newRow("far future after the clock was set back") << u"2099-01-01"_s << today << ReminderStep::Ask;
        QTest::newRow("damaged value") << u"not a date"_s << today << ReminderStep::Quiet;
        QTest::newRow("short date of a locale") << u"11/23/2026"_s << today << ReminderStep::Quiet;
        QTest::newRow("impossible day") << u"2026-02-30"_s << today << ReminderStep::Quiet;
        QTest::newRow("time after the date") << u"2026-11-23T10:00:00"_s << today << ReminderStep::Quiet;
        QTest::newRow("space after the date") << u"2026-11-23 "_s << today << ReminderStep::Quiet;
        QTest::newRow("signed year") << u"+2026-11-23"_s << today << ReminderStep::Quiet;
        QTest::newRow("digits of another script")
            << u"\u0662\u0660\u0662\u0666-\u0661\u0661-\u0662\u0663"_s << today << ReminderStep::Quiet;
        QTest::newRow("one-digit month") << u"2026-1-023"_s << today << ReminderStep::Quiet;
        QTest::newRow("sign inside the day") << u"2026-11-+3"_s << today << ReminderStep::Quiet;
        QTest::newRow("slash for a digit of the day") << u"2026-11-1/"_s << QDate(2026, 12, 30) << ReminderStep::Quiet;
        QTest::newRow("year zero") << u"0000-11-23"_s << today << ReminderStep::Quiet;
        QTest::newRow("month thirteen") << u"2026-13-23"_s << today << ReminderStep::Quiet;
        // Each with readable numbers in their places, a due date but for the one wrong mark.
        QTest::newRow("slash for the first dash") << u"2026/11-23"_s << today << ReminderStep::Quiet;
        QTest::newRow("digit for the first dash") << u"2026011-23"_s << today << ReminderStep::Quiet;
        QTest::newRow("slash for the second dash") << u"2026-11/23"_s << today << ReminderStep::Quiet;
        QTest::newRow("digit for the second dash") << u"2026-11023"_s << today << ReminderStep::Quiet;
        QTest::newRow("letter in the year") << u"2O26-11-23"_s << today << ReminderStep::Quiet;
        QTest::newRow("letter in the month") << u"2026-1l-23"_s << today << ReminderStep::Quiet;
        QTest::newRow("colon for a digit of the day") << u"2026-11-2:"_s << QDate(2026, 12, 30) << ReminderStep::Quiet;
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
        QTest::newRow("single-digit month and day") << QDate(2026, 1, 5) << u"2026-01-05"_s;
        QTest::newRow("leap day") << QDate(2028, 2, 29) << u"2028-02-29"_s;
        QTest::newRow("year below 1000") << QDate(999, 3, 1) << u"0999-03-01"_s;
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
        QTest::newRow("30 February") << u"2026-02-30"_s;
        QTest::newRow("day zero") << u"2026-11-00"_s;
        QTest::newRow("year zero") << u"0000-11-23"_s;
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
            << absent << false << false << false << 1 << u"2026-12-08"_s << false;
        QTest::newRow("empty value counts as a first run")
            << QString() << false << false << false << 1 << u"2026-12-08"_s << false;
        QTest::newRow("14 days before stays quiet and writes nothing")
            << u"2026-11-24"_s << false << false << false << 0 << u"2026-11-24"_s << false;
        QTest::newRow("due, No stores today and opens nothing")
            << u"2026-11-23"_s << false << false << true << 1 << u"2026-12-08"_s << false;
        QTest::newRow("due, Yes stores today and opens the download page")
            << u"2026-11-23"_s << false << true << true << 1 << u"2026-12-08"_s << true;
        QTest::newRow("date in the future asks too")
            << u"2026-12-23"_s << false << false << true << 1 << u"2026-12-08"_s << false;
        QTest::newRow("damaged value is left alone") << u"8/12"_s << false << true << false << 0 << u"8/12"_s << false;
        QTest::newRow("failing first write ends quietly") << absent << true << false << false << 1 << absent << false;
        QTest::newRow("failing write after Yes opens nothing")
            << u"2026-11-23"_s << true << true << true << 1 << u"2026-11-23"_s << false;
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
            downloadOpened ? QStringList{expected::pageAddress(u"download-web-page"_s)} : QStringList();
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
                 u"There maybe an update to this software available\r"
                 u"Do you want to check for an update?"_s);
        QCOMPARE(message.icon, platform::Icon::Information);
        QCOMPARE(message.buttons, platform::Buttons::YesNo);
    }
};

QTEST_GUILESS_MAIN(UpdateReminderTest)
#include "tst_updatereminder.moc"
