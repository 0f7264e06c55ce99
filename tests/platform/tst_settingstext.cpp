#include "platform/SettingsText.h"
#include "platform/SettingsText_p.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

#include <initializer_list>

using namespace Qt::StringLiterals;

namespace {

// Windows-1252 from 0x80 to 0x9F; below and above it the page is Latin-1. The
// five codes the page leaves undefined stand for the C1 controls of that value.
constexpr char16_t page80to9F[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar windows1252(int code)
{
    if (code >= 0x80 && code <= 0x9F)
        return QChar(page80to9F[code - 0x80]);
    return QChar(code);
}

QString fromCodes(std::initializer_list<int> codes)
{
    QString text;
    for (const int code : codes)
        text += windows1252(code);
    return text;
}

} // namespace

class SettingsTextTest : public QObject {
    Q_OBJECT

private slots:
    void codePage_data()
    {
        QTest::addColumn<int>("code");
        for (int code = 0; code <= 255; ++code)
            QTest::addRow("code 0x%02X", code) << code;
    }

    void codePage()
    {
        QFETCH(int, code);
        QCOMPARE(platform::detail::ansiCharacter(code), QString(windows1252(code)));
        QCOMPARE(platform::detail::ansiCode(windows1252(code)).value_or(-1), code);
    }

    // The table against the system's own converter, over every UTF-16 unit.
    void agreesWithTheSystemCodePage()
    {
        if (!QStringDecoder("windows-1252").isValid())
            QSKIP("This Qt converts no windows-1252: it was built without ICU");
        for (int code = 0; code <= 255; ++code) {
            QStringDecoder decoder("windows-1252");
            const char byte = static_cast<char>(code);
            QCOMPARE(platform::detail::ansiCharacter(code), decoder.decode(QByteArrayView(&byte, 1)));
        }
        for (int unit = 0; unit <= 0xFFFF; ++unit) {
            const QChar character(unit);
            QStringEncoder encoder("windows-1252");
            const QByteArray bytes = encoder.encode(QStringView(&character, 1));
            const int expected = encoder.hasError() || bytes.size() != 1 ? -1 : static_cast<unsigned char>(bytes[0]);
            if (platform::detail::ansiCode(character).value_or(-1) != expected)
                QFAIL(qPrintable(u"U+%1 differs"_s.arg(unit, 4, 16, QChar(u'0'))));
        }
    }

    void encode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("encoded");
        QTest::newRow("abc moves 85 codes up") << u"abc"_s << fromCodes({182, 183, 184});
        QTest::newRow("digit 8 lands on an undefined code") << u"8"_s << fromCodes({0x8D});
        QTest::newRow("code above 170 is left out") << u"a\u00FFb"_s << fromCodes({182, 183});
        QTest::newRow("code 170 lands on the last, 255") << u"\u00AA"_s << u"\u00FF"_s;
        QTest::newRow("code 171 is the first left out") << u"a\u00ABb"_s << fromCodes({182, 183});
        QTest::newRow("letter outside the page is left out") << u"a\u0100b"_s << fromCodes({182, 183});
        QTest::newRow("ideograph is left out") << u"a\u4E2Db"_s << fromCodes({182, 183});
        QTest::newRow("surrogate pair is left out") << u"a\U0001F600b"_s << fromCodes({182, 183});
        QTest::newRow("empty text") << QString() << QString();
    }

    void encode()
    {
        QFETCH(QString, text);
        QFETCH(QString, encoded);
        QCOMPARE(platform::EncodeSetting(text), encoded);
    }

    void decode_data()
    {
        QTest::addColumn<QString>("encoded");
        QTest::addColumn<QString>("text");
        QTest::newRow("codes move 85 down") << fromCodes({182, 183, 184}) << u"abc"_s;
        QTest::newRow("code below 85 is left out") << (u"A"_s + fromCodes({182})) << u"a"_s;
        QTest::newRow("code 85 lands on the first, 0") << u"U"_s << QString(QChar(0));
        QTest::newRow("code 84 is the first left out") << u"Ta"_s << u"\u000C"_s;
        QTest::newRow("character outside the page is left out") << (u"\u4E2D"_s + fromCodes({182})) << u"a"_s;
    }

    void decode()
    {
        QFETCH(QString, encoded);
        QFETCH(QString, text);
        QCOMPARE(platform::DecodeSetting(encoded), text);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("the key") << u"Duration"_s;
        QTest::newRow("ISO date") << u"2026-12-08"_s;
        QTest::newRow("every digit") << u"0123456789"_s;
        QTest::newRow("short dates of other locales") << u"12/8/2026 08.12.2026"_s;
    }

    void roundTrip()
    {
        QFETCH(QString, text);
        const QString encoded = platform::EncodeSetting(text);
        QCOMPARE(encoded.size(), text.size());
        QCOMPARE(platform::DecodeSetting(encoded), text);
    }
};

QTEST_GUILESS_MAIN(SettingsTextTest)
#include "tst_settingstext.moc"
