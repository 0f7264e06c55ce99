#pragma once

#include "platform/MessageKinds.h"

#include <QString>

namespace reading {

// The years the entry window lists, first and last.
inline constexpr int firstListedYear = 1900;
inline constexpr int lastListedYear = 2050;

// A typed a to z comes out as its capital; every other code passes unchanged.
char16_t upperCasedKey(char16_t code);

// What the entry window holds when Next is pressed. Positions count from 0 and
// are -1 when nothing is selected.
struct Entries {
    QString firstName;
    QString lastName;
    QString dayText;
    QString monthText;
    QString yearText;
    int dayPosition = -1;
    int monthPosition = -1;
};

enum class Field { None, FirstName, LastName, Day, Month, Year };

// The first problem found, or an empty message when the entries pass.
struct EntryProblem {
    QString message;
    platform::Icon icon = platform::Icon::Critical;
    Field focus = Field::None;
};

// The message for a day the month does not have in that year, or an empty text.
QString impossibleDateMessage(int dayPosition, int monthPosition, int year);

EntryProblem checkEntries(const Entries &entries);

} // namespace reading
