#include "platform/SettingsText.h"
#include "platform/SettingsText_p.h"

#include <algorithm>
#include <iterator>

namespace platform {

namespace {

// Windows-1252 from 0x80 to 0x9F; below and above it the page is Latin-1. Its
// five undefined codes stand for the C1 controls of the same value, as on Windows.
constexpr char16_t page80to9F[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
constexpr int settingOffset = 85;

QString shiftedCodes(QStringView text, int offset)
{
    QString shifted;
    for (const QChar character : text) {
        const std::optional<int> code = detail::ansiCode(character);
        if (!code)
            continue;
        const int moved = *code + offset;
        if (moved < 0 || moved > 255)
            continue;
        shifted += detail::ansiCharacter(moved);
    }
    return shifted;
}

} // namespace

namespace detail {

std::optional<int> ansiCode(QChar character)
{
    const char16_t unit = character.unicode();
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    const auto found = std::find(std::begin(page80to9F), std::end(page80to9F), unit);
    if (found == std::end(page80to9F))
        return std::nullopt;
    return 0x80 + static_cast<int>(found - std::begin(page80to9F));
}

QString ansiCharacter(int code)
{
    if (code >= 0x80 && code <= 0x9F)
        return QString(QChar(page80to9F[code - 0x80]));
    return QString(QChar(code));
}

} // namespace detail

QString EncodeSetting(QStringView text)
{
    return shiftedCodes(text, settingOffset);
}

QString DecodeSetting(QStringView text)
{
    return shiftedCodes(text, -settingOffset);
}

} // namespace platform
