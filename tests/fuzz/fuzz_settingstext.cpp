// Keys and values of the settings store pass through the transform: what was
// encoded must decode to every character the code page can move that far.
#include "Fuzz.h"
#include "platform/SettingsText.h"

#include <QStringEncoder>

#include <optional>
#include <string>

namespace {

constexpr int offset = 85;

// Windows-1252 as ICU knows it, apart from the code under test.
std::optional<int> code(QChar character)
{
    QStringEncoder encoder("windows-1252");
    const QByteArray bytes = encoder.encode(QStringView(&character, 1));
    if (encoder.hasError() || bytes.size() != 1)
        return std::nullopt;
    return static_cast<unsigned char>(bytes.front());
}

QString keptWhere(QStringView text, bool (*inRange)(int))
{
    QString kept;
    for (const QChar character : text) {
        const std::optional<int> c = code(character);
        if (c && inRange(*c))
            kept += character;
    }
    return kept;
}

} // namespace

void fuzzOne(FuzzedDataProvider &input)
{
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    const QString text(reinterpret_cast<const QChar *>(bytes.data()), static_cast<qsizetype>(bytes.size() / 2));

    const QString encoded = platform::EncodeSetting(text);
    const QString canMoveUp = keptWhere(text, [](int c) { return c + offset <= 255; });
    require(encoded.size() == canMoveUp.size());
    for (qsizetype i = 0; i < encoded.size(); ++i)
        require(code(encoded[i]) == *code(canMoveUp[i]) + offset);
    require(platform::DecodeSetting(encoded) == canMoveUp);

    const QString decoded = platform::DecodeSetting(text);
    const QString canMoveDown = keptWhere(text, [](int c) { return c - offset >= 0; });
    require(decoded.size() == canMoveDown.size());
    require(platform::EncodeSetting(decoded) == canMoveDown);
}
