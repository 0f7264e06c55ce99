#include "BuildFacts.h"
#include "support/modTellAFriend.h"

#include <QTest>

#include <utility>

using namespace Qt::StringLiterals;

using support::Referral;

Q_DECLARE_METATYPE(Referral)

namespace {

const QString product = "http://forum.test/"_L1 + buildfacts::productPath + '/';

Referral filledIn()
{
    return {u"Ann"_s, u"ann@home.example"_s, u"Hello"_s, u"Cy"_s, u"cy@work.example"_s};
}

// The five typed values in the order of their keys taf1 to taf5.
constexpr QString Referral::*typedFields[] = {&Referral::referrerName, &Referral::referrerEmail, &Referral::message,
                                              &Referral::friendName, &Referral::friendEmail};

// The address with the value of one key, taf1 to taf5, as given and the other
// values of filledIn().
QString addressWith(int key, const QString &encodedValue)
{
    QStringList values{u"Ann"_s, u"ann%40home.example"_s, u"Hello"_s, u"Cy"_s, u"cy%40work.example"_s};
    values[key - 1] = encodedValue;
    QString address = product + "ssd.php?page=kelv-refer-a-friend";
    for (int i = 0; i < values.size(); ++i)
        address += u"&taf%1="_s.arg(i + 1) + values.at(i);
    return address + "&taf6="_L1 + product;
}

} // namespace

class TestModTellAFriend : public QObject {
    Q_OBJECT

private slots:
    void firstUnfilledValueIsReported_data();
    void firstUnfilledValueIsReported();
    void everyValueGoesToItsKeyInOrder();
    void typedCharactersCannotBreakTheAddress_data();
    void typedCharactersCannotBreakTheAddress();
    void aMegabyteValueIsSentWhole();
};

void TestModTellAFriend::firstUnfilledValueIsReported_data()
{
    QTest::addColumn<Referral>("referral");
    QTest::addColumn<QString>("message");
    auto with = [](auto field, const char *value) {
        Referral referral = filledIn();
        referral.*field = QString::fromUtf8(value);
        return referral;
    };
    QTest::newRow("all filled in") << filledIn() << QString();
    QTest::newRow("name empty") << with(&Referral::referrerName, "") << "Please Enter Your Name";
    QTest::newRow("name at its prompt") << with(&Referral::referrerName, "Your Name") << "Please Enter Your Name";
    QTest::newRow("name prompt in small letters") << with(&Referral::referrerName, "your name") << QString();
    QTest::newRow("e-mail at its prompt")
        << with(&Referral::referrerEmail, "Your Email Address") << "Please Enter Your Email";
    QTest::newRow("message empty") << with(&Referral::message, "") << "Please Enter Your Message";
    QTest::newRow("untouched message with its line break") << with(&Referral::message, "Your Message\r\n") << QString();
    QTest::newRow("friend's name at its prompt")
        << with(&Referral::friendName, "Friend's Name") << "Please Enter Your Friend's Name";
    QTest::newRow("friend's e-mail empty") << with(&Referral::friendEmail, "") << "Please Enter Your Friend's Email";
    QTest::newRow("friend's e-mail at its prompt")
        << with(&Referral::friendEmail, "Friend's Email Address") << "Please Enter Your Friend's Email";
    QTest::newRow("everything empty") << Referral{} << "Please Enter Your Name";
}

void TestModTellAFriend::firstUnfilledValueIsReported()
{
    QFETCH(Referral, referral);
    QFETCH(QString, message);
    QCOMPARE(support::referralProblem(referral), message);
}

void TestModTellAFriend::everyValueGoesToItsKeyInOrder()
{
    const Referral referral{u"A"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s};
    QCOMPARE(support::referralAddress(referral, u"forum.test"_s),
             product + "ssd.php?page=kelv-refer-a-friend&taf1=A&taf2=b&taf3=c&taf4=d&taf5=e&taf6=" + product);
}

void TestModTellAFriend::typedCharactersCannotBreakTheAddress_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("encoded");
    const std::pair<const char *, std::pair<QString, QString>> cases[] = {
        {"ampersand", {u"Ann & Bob"_s, u"Ann%20%26%20Bob"_s}},
        {"hash", {u"Ann#2"_s, u"Ann%232"_s}},
        {"equals sign", {u"taf5=x"_s, u"taf5%3Dx"_s}},
        {"CR LF", {u"Ann\r\nBob"_s, u"Ann%0D%0ABob"_s}},
        {"non-ASCII name", {QString::fromUtf8("Zoë Łukasz"), u"Zo%C3%AB%20%C5%81ukasz"_s}},
        {"plus, percent and slash", {u"1+1%/2"_s, u"1%2B1%25%2F2"_s}},
        {"unreserved characters stay", {u"a-b.c_d~E9"_s, u"a-b.c_d~E9"_s}},
    };
    for (int key = 1; key <= 5; ++key) {
        for (const auto &[name, values] : cases)
            QTest::addRow("taf%d %s", key, name) << key << values.first << values.second;
    }
}

void TestModTellAFriend::typedCharactersCannotBreakTheAddress()
{
    QFETCH(int, key);
    QFETCH(QString, value);
    QFETCH(QString, encoded);
    Referral referral = filledIn();
    referral.*typedFields[key - 1] = value;
    QCOMPARE(support::referralAddress(referral, u"forum.test"_s), addressWith(key, encoded));
}

void TestModTellAFriend::aMegabyteValueIsSentWhole()
{
    Referral referral = filledIn();
    referral.referrerName = QString(1 << 20, u'&');
    QCOMPARE(support::referralAddress(referral, u"forum.test"_s), addressWith(1, u"%26"_s.repeated(1 << 20)));
}

QTEST_GUILESS_MAIN(TestModTellAFriend)
#include "tst_modtellafriend.moc"
