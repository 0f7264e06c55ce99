#include "support/modTellAFriend.h"

#include <QTest>

using modTellAFriend::Referral;

Q_DECLARE_METATYPE(Referral)

namespace {

const QString product = QStringLiteral("http://forum.test/orvane-free-birthday-number/");

Referral filledIn()
{
    return {QStringLiteral("Ann"), QStringLiteral("ann@home.example"), QStringLiteral("Hello"),
            QStringLiteral("Cy"), QStringLiteral("cy@work.example")};
}

// The address with taf1 as given and the other values of filledIn().
QString addressWithName(const QString &encodedName)
{
    return product + QLatin1String("ssd.php?page=kelv-refer-a-friend&taf1=") + encodedName
           + QLatin1String("&taf2=ann%40home.example&taf3=Hello&taf4=Cy&taf5=cy%40work.example&taf6=") + product;
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
    QTest::newRow("e-mail at its prompt") << with(&Referral::referrerEmail, "Your Email Address")
                                          << "Please Enter Your Email";
    QTest::newRow("message empty") << with(&Referral::message, "") << "Please Enter Your Message";
    QTest::newRow("untouched message with its line break") << with(&Referral::message, "Your Message\r\n")
                                                           << QString();
    QTest::newRow("friend's name at its prompt") << with(&Referral::friendName, "Friend's Name")
                                                 << "Please Enter Your Friend's Name";
    QTest::newRow("friend's e-mail empty") << with(&Referral::friendEmail, "") << "Please Enter Your Friend's Email";
    QTest::newRow("everything empty") << Referral{} << "Please Enter Your Name";
}

void TestModTellAFriend::firstUnfilledValueIsReported()
{
    QFETCH(Referral, referral);
    QFETCH(QString, message);
    QCOMPARE(modTellAFriend::referralProblem(referral), message);
}

void TestModTellAFriend::everyValueGoesToItsKeyInOrder()
{
    const Referral referral{QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d"),
                            QStringLiteral("e")};
    QCOMPARE(modTellAFriend::referralAddress(referral, QStringLiteral("forum.test")),
             QStringLiteral("http://forum.test/orvane-free-birthday-number/ssd.php?page=kelv-refer-a-friend"
                            "&taf1=A&taf2=b&taf3=c&taf4=d&taf5=e"
                            "&taf6=http://forum.test/orvane-free-birthday-number/"));
}

void TestModTellAFriend::typedCharactersCannotBreakTheAddress_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("ampersand") << "Ann & Bob" << "Ann%20%26%20Bob";
    QTest::newRow("hash") << "Ann#2" << "Ann%232";
    QTest::newRow("equals sign") << "taf5=x" << "taf5%3Dx";
    QTest::newRow("CR LF") << "Ann\r\nBob" << "Ann%0D%0ABob";
    QTest::newRow("non-ASCII name") << QString::fromUtf8("Zoë Łukasz") << "Zo%C3%AB%20%C5%81ukasz";
    QTest::newRow("plus, percent and slash") << "1+1%/2" << "1%2B1%25%2F2";
    QTest::newRow("unreserved characters stay") << "a-b.c_d~E9" << "a-b.c_d~E9";
}

void TestModTellAFriend::typedCharactersCannotBreakTheAddress()
{
    QFETCH(QString, name);
    QFETCH(QString, encoded);
    Referral referral = filledIn();
    referral.referrerName = name;
    QCOMPARE(modTellAFriend::referralAddress(referral, QStringLiteral("forum.test")), addressWithName(encoded));
}

void TestModTellAFriend::aMegabyteValueIsSentWhole()
{
    Referral referral = filledIn();
    referral.referrerName = QString(1 << 20, u'&');
    QCOMPARE(modTellAFriend::referralAddress(referral, QStringLiteral("forum.test")),
             addressWithName(QStringLiteral("%26").repeated(1 << 20)));
}

QTEST_GUILESS_MAIN(TestModTellAFriend)
#include "tst_modtellafriend.moc"
