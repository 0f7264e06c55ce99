// The stored date is read back from whatever the settings store holds: only a
// date in the exact written form counts, and the reminder decides from it.
#include "Fuzz.h"
#include "web/UpdateReminder.h"

void fuzzOne(FuzzedDataProvider &input)
{
    const QDate written(input.ConsumeIntegralInRange(1, 9999), input.ConsumeIntegralInRange(1, 12),
                        input.ConsumeIntegralInRange(1, 31));
    const QDate today = QDate::fromJulianDay(
        input.ConsumeIntegralInRange<qint64>(QDate(1, 1, 1).toJulianDay(), QDate(9999, 12, 31).toJulianDay()));
    const QString text = QString::fromUtf8(input.ConsumeRemainingBytesAsString());

    if (written.isValid())
        require(web::reminderDateFromText(web::reminderDateText(written)) == written);

    const std::optional<QDate> read = web::reminderDateFromText(text);
    if (read) {
        require(read->isValid());
        require(web::reminderDateText(*read) == text);
    }

    const web::ReminderStep step = web::reminderStep(text, today);
    if (text.isEmpty())
        require(step == web::ReminderStep::StoreFirstDate);
    else if (!read)
        require(step == web::ReminderStep::Quiet);
    else
        require(step == (std::abs(today.daysTo(*read)) <= 14 ? web::ReminderStep::Quiet : web::ReminderStep::Ask));
}
