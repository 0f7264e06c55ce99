#include "support/SupportRules.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

class TestSupportRules : public QObject {
    Q_OBJECT

private slots:
    void enteringClearsOnlyTheExactPrompt_data();
    void enteringClearsOnlyTheExactPrompt();
    void leavingBlankBringsThePromptBack_data();
    void leavingBlankBringsThePromptBack();
    void drawPicksTheWholePartOfFourTimesR_data();
    void drawPicksTheWholePartOfFourTimesR();
    void emailAddressesAreChecked_data();
    void emailAddressesAreChecked();
};

void TestSupportRules::enteringClearsOnlyTheExactPrompt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("the prompt") << "Your Name"
                                << "Your Name" << true;
    QTest::newRow("the prompt with spaces around") << "  Your Name   "
                                                   << "Your Name" << true;
    QTest::newRow("the prompt in small letters") << "your name"
                                                 << "Your Name" << false;
    QTest::newRow("the prompt after a tab") << "\tYour Name"
                                            << "Your Name" << false;
    QTest::newRow("message prompt with its line break") << "Your Message\r\n"
                                                        << "Your Message" << false;
    QTest::newRow("a typed name") << "Ann"
                                  << "Your Name" << false;
    QTest::newRow("an empty box") << ""
                                  << "Your Name" << false;
}

void TestSupportRules::enteringClearsOnlyTheExactPrompt()
{
    QFETCH(QString, text);
    QFETCH(QString, prompt);
    QFETCH(bool, cleared);
    QCOMPARE(support::clearsOnEntry(text, prompt), cleared);
}

void TestSupportRules::leavingBlankBringsThePromptBack_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("restored");
    QTest::newRow("empty") << "" << true;
    QTest::newRow("only spaces") << "    " << true;
    QTest::newRow("a tab") << "\t" << false;
    QTest::newRow("a line break") << "\r\n" << false;
    QTest::newRow("a letter between spaces") << " a " << false;
}

void TestSupportRules::leavingBlankBringsThePromptBack()
{
    QFETCH(QString, text);
    QFETCH(bool, restored);
    QCOMPARE(support::restoresPromptOnLeaving(text), restored);
}

void TestSupportRules::drawPicksTheWholePartOfFourTimesR_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("index");
    QTest::newRow("r = 0") << 0.0f << 0;
    QTest::newRow("just below a quarter") << std::nextafter(0.25f, 0.0f) << 0;
    QTest::newRow("r = 0.25") << 0.25f << 1;
    QTest::newRow("r = 0.5") << 0.5f << 2;
    QTest::newRow("r = 0.75") << 0.75f << 3;
    QTest::newRow("largest float below 1") << std::nextafter(1.0f, 0.0f) << 3;
}

void TestSupportRules::drawPicksTheWholePartOfFourTimesR()
{
    QFETCH(float, r);
    QFETCH(int, index);
    QCOMPARE(support::supportTextIndex(r), index);
}

void TestSupportRules::emailAddressesAreChecked_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("message");
    const QString distinct = u"Please Enter Distinct Email Addresses"_s;
    const QString proper = u"Please Enter Proper Email Address"_s;
    QTest::newRow("both empty") << ""
                                << "" << distinct;
    QTest::newRow("both at their prompts") << "Your Email Address"
                                           << "Friend's Email Address" << proper;
    QTest::newRow("the same address") << "ann@home.example"
                                      << "ann@home.example" << distinct;
    QTest::newRow("the same address in other letter case") << "ann@home.example"
                                                           << "ANN@HOME.EXAMPLE" << QString();
    QTest::newRow("friend's address without at sign") << "ann@home.example"
                                                      << "cy.work.example" << proper;
    QTest::newRow("own address without dot") << "ann@home"
                                             << "cy@work.example" << proper;
    QTest::newRow("own address without at sign") << "ann.home.example"
                                                 << "cy@work.example" << proper;
    QTest::newRow("friend's address without dot") << "ann@home.example"
                                                  << "cy@work" << proper;
    QTest::newRow("a dot only before the at sign") << "ann.lee@home"
                                                   << "cy@work.example" << QString();
    QTest::newRow("proper and distinct") << "ann@home.example"
                                         << "cy@work.example" << QString();
}

void TestSupportRules::emailAddressesAreChecked()
{
    QFETCH(QString, email);
    QFETCH(QString, friendEmail);
    QFETCH(QString, message);
    QCOMPARE(support::emailProblem(email, friendEmail), message);
}

QTEST_GUILESS_MAIN(TestSupportRules)
#include "tst_supportrules.moc"
