#include "reading/EntryRules.h"

#include <QDate>
#include <QTest>

using namespace Qt::StringLiterals;

using platform::Icon;
using reading::Field;

Q_DECLARE_METATYPE(reading::Field)
Q_DECLARE_METATYPE(platform::Icon)

namespace {
const QString february = u"Please Enter Correct Date Or Month!"_s;
const QString thirtyOne = u"Please Enter Correct Date Or Month !"_s;
} // namespace

class TestEntryRules : public QObject {
    Q_OBJECT

private slots:
    void onlySmallLettersAreRaised_data();
    void onlySmallLettersAreRaised();
    void everyListedDateIsJudgedByTheCalendar();
    void dateMessages_data();
    void dateMessages();
    void firstProblemWins_data();
    void firstProblemWins();
};

void TestEntryRules::onlySmallLettersAreRaised_data()
{
    QTest::addColumn<char16_t>("typed");
    QTest::addColumn<char16_t>("received");
    QTest::newRow("a") << char16_t(u'a') << char16_t(u'A');
    QTest::newRow("z") << char16_t(u'z') << char16_t(u'Z');
    QTest::newRow("capital") << char16_t(u'Q') << char16_t(u'Q');
    QTest::newRow("digit") << char16_t(u'7') << char16_t(u'7');
    QTest::newRow("space") << char16_t(u' ') << char16_t(u' ');
    QTest::newRow("apostrophe") << char16_t(u'\'') << char16_t(u'\'');
    QTest::newRow("backquote just below a") << char16_t(u'`') << char16_t(u'`');
    QTest::newRow("brace just above z") << char16_t(u'{') << char16_t(u'{');
    QTest::newRow("backspace") << char16_t(8) << char16_t(8);
    QTest::newRow("accented small letter") << char16_t(u'\u00e9') << char16_t(u'\u00e9');
}

void TestEntryRules::onlySmallLettersAreRaised()
{
    QFETCH(char16_t, typed);
    QFETCH(char16_t, received);
    QCOMPARE(reading::upperCasedKey(typed), received);
}

// Every day, month and year the lists offer, against the Gregorian calendar.
void TestEntryRules::everyListedDateIsJudgedByTheCalendar()
{
    for (int year = reading::firstListedYear; year <= reading::lastListedYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const QString message = reading::impossibleDateMessage(day - 1, month - 1, year);
                const QByteArray where =
                    QByteArray::number(year) + '-' + QByteArray::number(month) + '-' + QByteArray::number(day);
                QVERIFY2(message.isEmpty() == QDate::isValid(year, month, day), where.constData());
                if (!message.isEmpty())
                    QCOMPARE(message, month == 2 ? february : thirtyOne);
            }
        }
    }
}

void TestEntryRules::dateMessages_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message");
    QTest::newRow("29 February 2000, a leap century") << 29 << 2 << 2000 << QString();
    QTest::newRow("29 February 1900, no leap day") << 29 << 2 << 1900 << february;
    QTest::newRow("29 February 2001") << 29 << 2 << 2001 << february;
    QTest::newRow("29 February 2004") << 29 << 2 << 2004 << QString();
    QTest::newRow("30 February 2000") << 30 << 2 << 2000 << february;
    QTest::newRow("31 February 2000") << 31 << 2 << 2000 << february;
    QTest::newRow("31 April") << 31 << 4 << 1985 << thirtyOne;
    QTest::newRow("31 June") << 31 << 6 << 1985 << thirtyOne;
    QTest::newRow("31 September") << 31 << 9 << 1985 << thirtyOne;
    QTest::newRow("31 November") << 31 << 11 << 1985 << thirtyOne;
    QTest::newRow("30 April") << 30 << 4 << 1985 << QString();
    QTest::newRow("31 March") << 31 << 3 << 1985 << QString();
    QTest::newRow("31 December") << 31 << 12 << 1985 << QString();
    QTest::newRow("31 January") << 31 << 1 << 1985 << QString();
}

void TestEntryRules::dateMessages()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, message);
    QCOMPARE(reading::impossibleDateMessage(day - 1, month - 1, year), message);
}

void TestEntryRules::firstProblemWins_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Icon>("icon");
    QTest::addColumn<Field>("focus");
    const QString ok;
    QTest::newRow("both names empty") << ""
                                      << ""
                                      << "1"
                                      << "January"
                                      << "1900"
                                      << "Please Enter Your First Name" << Icon::Critical << Field::FirstName;
    QTest::newRow("last name empty") << "A"
                                     << ""
                                     << "1"
                                     << "January"
                                     << "1900"
                                     << "Please Enter Your Last Name" << Icon::Critical << Field::LastName;
    QTest::newRow("one letter each, no middle name") << "A"
                                                     << "B"
                                                     << "1"
                                                     << "January"
                                                     << "1900" << ok << Icon::Critical << Field::None;
    QTest::newRow("first name of spaces") << "   "
                                          << "B"
                                          << "1"
                                          << "January"
                                          << "1900" << ok << Icon::Critical << Field::None;
    QTest::newRow("no day") << "A"
                            << "B"
                            << ""
                            << ""
                            << ""
                            << "Please Specify Your Birth Date" << Icon::Critical << Field::Day;
    QTest::newRow("no month") << "A"
                              << "B"
                              << "3"
                              << ""
                              << ""
                              << "Please Specify Your Birth Month" << Icon::Critical << Field::Month;
    QTest::newRow("no year") << "A"
                             << "B"
                             << "3"
                             << "May"
                             << ""
                             << "Please Specify Your Birth Year" << Icon::Critical << Field::Year;
    QTest::newRow("names before the date") << ""
                                           << "B"
                                           << "31"
                                           << "April"
                                           << "1900"
                                           << "Please Enter Your First Name" << Icon::Critical << Field::FirstName;
    QTest::newRow("31 April keeps the focus") << "A"
                                              << "B"
                                              << "31"
                                              << "April"
                                              << "1900" << thirtyOne << Icon::Information << Field::None;
}

void TestEntryRules::firstProblemWins()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, message);
    QFETCH(Icon, icon);
    QFETCH(Field, focus);
    static const QStringList months{"January", "February", "March",     "April",   "May",      "June",
                                    "July",    "August",   "September", "October", "November", "December"};
    const reading::Entries entries{
        first, last, day, month, year, day.isEmpty() ? -1 : day.toInt() - 1, int(months.indexOf(month))};
    const reading::EntryProblem problem = reading::checkEntries(entries);
    QCOMPARE(problem.message, message);
    if (!message.isEmpty()) {
        QCOMPARE(problem.icon, icon);
        QCOMPARE(problem.focus, focus);
    }
}

QTEST_GUILESS_MAIN(TestEntryRules)
#include "tst_entryrules.moc"
