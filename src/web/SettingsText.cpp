#include "web/SettingsText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace web {

namespace {

// ICU knows the code page by this name, and maps its five undefined bytes to
// the C1 controls of the same value, as Windows does.
constexpr const char codePage[] = "windows-1252";
constexpr int settingOffset = 85;

QString shiftedCodes(QStringView text, int offset)
{
    QString shifted;
    for (const QChar character : text) {
        const std::optional<int> code = ansiCode(character);
        if (!code)
            continue;
        const int moved = *code + offset;
        if (moved < 0 || moved > 255)
            continue;
        shifted += ansiCharacter(moved);
    }
    return shifted;
}

} // namespace

std::optional<int> ansiCode(QChar character)
{
    QStringEncoder encoder(codePage);
    const QByteArray bytes = encoder.encode(QStringView(&character, 1));
    // A half of a surrogate pair gives no byte; an unknown character, an error.
    if (encoder.hasError() || bytes.size() != 1)
        return std::nullopt;
    return static_cast<unsigned char>(bytes.front());
}

QString ansiCharacter(int code)
{
    QStringDecoder decoder(codePage);
    const char byte = static_cast<char>(code);
    return decoder.decode(QByteArrayView(&byte, 1));
}

} // namespace web

namespace modHelp {

QString EncodeSetting(QStringView text)
{
    return web::shiftedCodes(text, web::settingOffset);
}

QString DecodeSetting(QStringView text)
{
    return web::shiftedCodes(text, -web::settingOffset);
}

} // namespace modHelp
