// Whatever the entry window holds when Next is pressed, the check answers, and
// within the lists' range it refuses exactly the days the calendar lacks.
#include "reading/EntryRules.h"
#include "Require.h"

#include <QDate>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>

namespace {

QString text(FuzzedDataProvider &input)
{
    return QString::fromUtf8(input.ConsumeRandomLengthString(64));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const int day = input.ConsumeIntegral<int>();
    const int month = input.ConsumeIntegral<int>();
    const int year = input.ConsumeIntegral<int>();
    const QString message = reading::impossibleDateMessage(day, month, year);
    require(message.isEmpty() || message == u"Please Enter Correct Date Or Month!"
            || message == u"Please Enter Correct Date Or Month !");

    const int listedDay = input.ConsumeIntegralInRange(0, 30);
    const int listedMonth = input.ConsumeIntegralInRange(0, 11);
    const int listedYear = input.ConsumeIntegralInRange(1900, 2050);
    require(reading::impossibleDateMessage(listedDay, listedMonth, listedYear).isEmpty()
            == QDate(listedYear, listedMonth + 1, listedDay + 1).isValid());

    reading::Entries entries;
    entries.firstName = text(input);
    entries.lastName = text(input);
    entries.dayText = text(input);
    entries.monthText = text(input);
    entries.yearText = text(input);
    entries.dayPosition = input.ConsumeIntegral<int>();
    entries.monthPosition = input.ConsumeIntegral<int>();
    const reading::EntryProblem problem = reading::checkEntries(entries);
    const bool filled = !entries.firstName.isEmpty() && !entries.lastName.isEmpty() && !entries.dayText.isEmpty()
                        && !entries.monthText.isEmpty() && !entries.yearText.isEmpty();
    if (filled) {
        require(problem.message
                == reading::impossibleDateMessage(entries.dayPosition, entries.monthPosition,
                                                  entries.yearText.toInt()));
    } else {
        require(!problem.message.isEmpty() && problem.icon == platform::Icon::Critical);
    }
    return 0;
}
