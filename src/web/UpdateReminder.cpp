#include "web/UpdateReminder.h"

#include "app/Application.h"
#include "platform/Platform.h"
#include "web/PageOpeners.h"
#include "web/SettingsText.h"

#include <QRegularExpression>

namespace web {

namespace {

constexpr qint64 toleranceDays = 14;
constexpr QLatin1String section("Settings");

QString reminderQuestion()
{
    return QStringLiteral("There maybe an update to this software available") + QLatin1Char('\r')
        + QStringLiteral("Do you want to check for an update?");
}

// False when the store refused it.
bool storeToday(const QString &application, const QString &key)
{
    const QString dateText = reminderDateText(platform::clock().today());
    return platform::settings().write(application, section, key, modHelp::EncodeSetting(dateText));
}

} // namespace

QString reminderDateText(QDate date)
{
    return date.toString(Qt::ISODate);
}

std::optional<QDate> reminderDateFromText(const QString &text)
{
    // QDate's own parsers let signs, longer years and trailing text through.
    const QRegularExpression shape(QStringLiteral("\\A[0-9]{4}-[0-9]{2}-[0-9]{2}\\z"));
    if (!shape.match(text).hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

ReminderStep reminderStep(const QString &storedDateText, QDate today)
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

} // namespace web

namespace modHelp {

void UpdateReminderCheck()
{
    const QString application = app::applicationName();
    const QString key = EncodeSetting(u"Duration");
    const QString stored = DecodeSetting(platform::settings().read(application, web::section, key));
    switch (web::reminderStep(stored, platform::clock().today())) {
    case web::ReminderStep::Quiet:
        return;
    case web::ReminderStep::StoreFirstDate:
        web::storeToday(application, key);
        return;
    case web::ReminderStep::Ask:
        break;
    }
    const platform::Answer answer = platform::messageBox().show(web::reminderQuestion(), platform::Icon::Information,
                                                                platform::Buttons::YesNo);
    if (!web::storeToday(application, key))
        return;
    if (answer == platform::Answer::Yes)
        OpenDownloadPage();
}

} // namespace modHelp
