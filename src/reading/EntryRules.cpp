#include "reading/EntryRules.h"

using namespace Qt::StringLiterals;

namespace reading {

namespace {

constexpr int february = 1;

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool isThirtyDayMonth(int monthPosition)
{
    return monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10;
}

} // namespace

char16_t upperCasedKey(char16_t code)
{
    return code >= u'a' && code <= u'z' ? static_cast<char16_t>(code - 32) : code;
}

QString impossibleDateMessage(int dayPosition, int monthPosition, int year)
{
    if (monthPosition == february && dayPosition >= (isLeapYear(year) ? 29 : 28))
        return u"Please Enter Correct Date Or Month!"_s;
    // The stray space is part of the message the users know.
    if (isThirtyDayMonth(monthPosition) && dayPosition == 30)
        return u"Please Enter Correct Date Or Month !"_s;
    return {};
}

EntryProblem checkEntries(const Entries &entries)
{
    using platform::Icon;
    if (entries.firstName.isEmpty())
        return {u"Please Enter Your First Name"_s, Icon::Critical, Field::FirstName};
    if (entries.lastName.isEmpty())
        return {u"Please Enter Your Last Name"_s, Icon::Critical, Field::LastName};
    if (entries.dayText.isEmpty())
        return {u"Please Specify Your Birth Date"_s, Icon::Critical, Field::Day};
    if (entries.monthText.isEmpty())
        return {u"Please Specify Your Birth Month"_s, Icon::Critical, Field::Month};
    if (entries.yearText.isEmpty())
        return {u"Please Specify Your Birth Year"_s, Icon::Critical, Field::Year};
    const QString dateMessage =
        impossibleDateMessage(entries.dayPosition, entries.monthPosition, entries.yearText.toInt());
    if (!dateMessage.isEmpty())
        return {dateMessage, Icon::Information, Field::None};
    return {};
}

} // namespace reading
