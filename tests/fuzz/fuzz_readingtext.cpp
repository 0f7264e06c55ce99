// Any number asks for a reading without harm; only 1 to 31 have a paragraph.
#include "Fuzz.h"
#include "reading/Readings.h"
#include "reading/Readings_p.h"

void fuzzOne(FuzzedDataProvider &input)
{
    const int number = input.ConsumeIntegral<int>();
    const bool hasReading = number >= 1 && number <= 31;
    require(reading::readingFor(number).isEmpty() != hasReading);

    const QStringList blocks = reading::detail::readingBlocks(number);
    for (const QString &block : blocks)
        require(block.endsWith(u"\r\n\r\n"));
    require(reading::readingText(number) == blocks.join(QString()));
    if (hasReading)
        require(reading::readingText(number).contains(reading::readingFor(number)));
}
