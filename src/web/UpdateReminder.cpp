#include "web/UpdateReminder.h"

#include "platform/Platform.h"
#include "platform/ProductFacts.h"
#include "platform/SettingsText.h"
#include "web/PageOpeners.h"

using namespace Qt::StringLiterals;

namespace web {

namespace {

constexpr qint64 toleranceDays = 14;
constexpr auto section = "Settings"_L1;

QString reminderQuestion()
{
    return u"There maybe an update to this software available"_s + u'\r' + u"Do you want to check for an update?"_s;
}

// False when the store refused it.
bool storeToday(const QString &application, const QString &key)
{
    const QString dateText = reminderDateText(platform::clock().today());
    return platform::settings().write(application, section, key, platform::EncodeSetting(dateText));
}

// The number the count characters from position from spell, if all are ASCII digits.
std::optional<int> asciiNumber(QStringView text, qsizetype from, qsizetype count)
{
    int number = 0;
    for (const QChar character : text.sliced(from, count)) {
        if (character < u'0' || character > u'9')
            return std::nullopt;
        number = number * 10 + (character.unicode() - u'0');
    }
    return number;
}

} // namespace

QString reminderDateText(QDate date)
{
    return date.toString(Qt::ISODate);
}

std::optional<QDate> reminderDateFromText(QStringView text)
{
    // QDate's own parsers let signs, longer years and trailing text through.
    if (text.size() != 10 || text.at(4) != u'-' || text.at(7) != u'-')
        return std::nullopt;
    const std::optional<int> year = asciiNumber(text, 0, 4);
    const std::optional<int> month = asciiNumber(text, 5, 2);
    const std::optional<int> day = asciiNumber(text, 8, 2);
    if (!year || !month || !day)
        return std::nullopt;
    const QDate date(*year, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

ReminderStep reminderStep(QStringView storedDateText, QDate today)
{
    if (storedDateText.isEmpty())
        return ReminderStep::StoreFirstDate;
    const std::optional<QDate> stored = reminderDateFromText(storedDateText);
    // An unreadable date silences the reminder until it can be read again.
    if (!stored)
        return ReminderStep::Quiet;
    const qint64 difference = today.daysTo(*stored);
    if (difference >= -toleranceDays && difference <= toleranceDays)
        return ReminderStep::Quiet;
    return ReminderStep::Ask;
}

void UpdateReminderCheck()
{
    const QString application = platform::applicationName();
    const QString key = platform::EncodeSetting(u"Duration");
    const QString stored = platform::DecodeSetting(platform::settings().read(application, section, key));
    switch (reminderStep(stored, platform::clock().today())) {
    case ReminderStep::Quiet:
        return;
    case ReminderStep::StoreFirstDate:
        storeToday(application, key);
        return;
    case ReminderStep::Ask:
        break;
    }
    const platform::Answer answer =
        platform::messageBox().show(reminderQuestion(), platform::Icon::Information, platform::Buttons::YesNo);
    if (!storeToday(application, key))
        return;
    if (answer == platform::Answer::Yes)
        OpenDownloadPage();
}

} // namespace web
