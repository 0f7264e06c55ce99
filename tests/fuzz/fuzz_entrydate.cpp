// Whatever the entry window holds when Next is pressed, the check answers, and
// within the lists' range it refuses exactly the days the calendar lacks.
#include "Fuzz.h"
#include "reading/EntryRules.h"

#include <QDate>

void fuzzOne(FuzzedDataProvider &input)
{
    const int day = input.ConsumeIntegral<int>();
    const int month = input.ConsumeIntegral<int>();
    const int year = input.ConsumeIntegral<int>();
    const QString message = reading::impossibleDateMessage(day, month, year);
    require(message.isEmpty() || message == u"Please Enter Correct Date Or Month!"
            || message == u"Please Enter Correct Date Or Month !");

    const int listedDay = input.ConsumeIntegralInRange(0, 30);
    const int listedMonth = input.ConsumeIntegralInRange(0, 11);
    const int listedYear = input.ConsumeIntegralInRange(reading::firstListedYear, reading::lastListedYear);
    require(reading::impossibleDateMessage(listedDay, listedMonth, listedYear).isEmpty()
            == QDate(listedYear, listedMonth + 1, listedDay + 1).isValid());

    // A braced list is read left to right: first name first, month position last.
    const reading::Entries entries{typedText(input, 64),        typedText(input, 64), typedText(input, 64),
                                   typedText(input, 64),        typedText(input, 64), input.ConsumeIntegral<int>(),
                                   input.ConsumeIntegral<int>()};
    const reading::EntryProblem problem = reading::checkEntries(entries);
    const bool filled = !entries.firstName.isEmpty() && !entries.lastName.isEmpty() && !entries.dayText.isEmpty()
        && !entries.monthText.isEmpty() && !entries.yearText.isEmpty();
    if (filled) {
        require(
            problem.message
            == reading::impossibleDateMessage(entries.dayPosition, entries.monthPosition, entries.yearText.toInt()));
    } else {
        require(!problem.message.isEmpty() && problem.icon == platform::Icon::Critical);
    }
}
