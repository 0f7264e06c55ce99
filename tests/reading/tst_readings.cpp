#include "reading/Readings.h"
#include "reading/Readings_p.h"

#include <QSet>
#include <QTest>

class TestReadings : public QObject {
    Q_OBJECT

private slots:
    void textIsExact_data();
    void textIsExact();
    void everyDayHasItsOwnParagraph_data();
    void everyDayHasItsOwnParagraph();
    void noTwoDaysShareAParagraph();
};

void TestReadings::textIsExact_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("numberLine");
    QTest::newRow("one digit") << 5 << QByteArray("Your Birthday Number is: 5\r\n\r\n");
    QTest::newRow("two digits") << 31 << QByteArray("Your Birthday Number is: 31\r\n\r\n");
}

void TestReadings::textIsExact()
{
    QFETCH(int, number);
    QFETCH(QByteArray, numberLine);
    const QByteArray expected = numberLine
        + "This describes what may happen in your middle years. It also tells you about the various talents you "
          "possess.\r\n\r\n"
        + reading::readingFor(number).toLatin1() + "\r\n\r\n\r\n\r\n";
    QCOMPARE(reading::readingText(number).toLatin1(), expected);
    QCOMPARE(reading::detail::readingBlocks(number).size(), 4);
}

void TestReadings::everyDayHasItsOwnParagraph_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("length");
    const QList<std::pair<const char *, int>> table{
        {"People associated with 1 prefer their uniqueness.", 231},
        {"Generally people having number 2 love to keep peaceful relations.", 309},
        {"People having 3, are very creative, social, charming, romantic, and tolerant.", 354},
        {"4s are known for their sensible nature.", 312},
        {"People with number 5 as their birthday, are diehard adventurers.", 256},
        {"A happy and loving family association is important to you.", 314},
        {"You are technically sound and make grand researchers, uncovering hidden information.", 368},
        {"8s can solve almost all problems that come through your life.", 284},
        {"You are extremely charming, caring and entertaining by nature.", 375},
        {"You are ambitious, skilled and creative.", 322},
        {"You make a perfect visionary.", 380},
        {"Your nature allows you to bounce back rapidly from setbacks, physical or mental.", 530},
        {" People with 13 in their pocket are very honest and self motivated.  ", 305},
        {"14s are immensely talented and versatile, very good at presentation skills.", 364},
        {"You are homely by nature, in the sense you love your family and take", 476},
        {"You must work hard to maintain relations.", 414},
        {"17s goal oriented personalities as you are honest and ethical.", 447},
        {"You can become the corporate leader, as you possess good executive abilities.", 368},
        {"Generally people with 19 are self-confident.", 392},
        {"You are emotional and sensitive in nature.", 256},
        {"You have easygoing nature but still there is restlessness in your nature.", 419},
        {"You are a responsible person with a firm vision and work hard to reach your goals.", 310},
        {"You are extremely talented and versatile, very good at presentation skills.", 345},
        {"Born on the 24th, you have a better capacity be responsible and helping person.", 352},
        {"You have special interest in technical, scientific, or other complex and often", 439},
        {"This number will increase your managerial qualities, which may help you in business world.", 315},
        {"You are a social worker at heart and want to do something for the humankind.", 398},
        {"This number adds extra energy and independence to your life.", 287},
        {"Optimism will be your best friend.", 429},
        {"You are a good conversationalist, and can express yourself very well with words.", 434},
        {"This birthday suggests that you are a good coordinator and administrator, an", 588},
    };
    for (int number = 1; number <= 31; ++number) {
        const auto &[opening, length] = table.at(number - 1);
        QTest::addRow("day %d", number) << number << QString::fromLatin1(opening) << length;
    }
}

void TestReadings::everyDayHasItsOwnParagraph()
{
    QFETCH(int, number);
    QFETCH(QString, opening);
    QFETCH(int, length);
    const QString paragraph = reading::readingFor(number);
    QVERIFY2(paragraph.startsWith(opening), qPrintable(paragraph.left(opening.size())));
    QVERIFY2(qAbs(paragraph.size() - length) <= length / 10, qPrintable(QString::number(paragraph.size())));
    for (const QChar c : paragraph)
        QVERIFY2(c.unicode() >= 32 && c.unicode() <= 126, qPrintable(QString::number(c.unicode())));
    if (number == 13)
        QVERIFY(paragraph.at(opening.size()) != u' ');
}

void TestReadings::noTwoDaysShareAParagraph()
{
    QSet<QString> paragraphs;
    for (int number = 1; number <= 31; ++number)
        paragraphs.insert(reading::readingFor(number));
    QCOMPARE(paragraphs.size(), 31);
    QVERIFY(reading::readingFor(0).isEmpty());
    QVERIFY(reading::readingFor(32).isEmpty());
}

QTEST_GUILESS_MAIN(TestReadings)
#include "tst_readings.moc"
