#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

namespace web {

enum class ReminderStep { StoreFirstDate, Quiet, Ask };

// ISO 8601, so that a change of locale cannot make a stored date unreadable.
QString reminderDateText(QDate date);

// Only a text exactly in the form reminderDateText writes, naming a real day.
std::optional<QDate> reminderDateFromText(QStringView text);

// What a check does with the decoded stored date text on the given day.
ReminderStep reminderStep(QStringView storedDateText, QDate today);

// modHelp's reminder: offers, at most once in 15 days, to open the download page.
void UpdateReminderCheck();

} // namespace web
