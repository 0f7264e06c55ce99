#include "BuildFacts.h"
#include "SiteAddresses.h"
#include "fixture/WindowTest.h"
#include "fixture/Windows.h"
#include "platform/RecordingPlatform.h"
#include "reading/EntryRules.h"
#include "reading/FrmMain.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

template <class T>
T *control(const char *name)
{
    return reading::frmMain->findChild<T *>(QLatin1String(name));
}

QStringList items(const QComboBox &list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts.append(list.itemText(i));
    return texts;
}

QStringList numbers(int first, int last)
{
    QStringList texts;
    for (int n = first; n <= last; ++n)
        texts.append(QString::number(n));
    return texts;
}

// Types as the keyboard would, letters outside ASCII included.
void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

class TestFrmMain : public WindowTest {
    Q_OBJECT

private slots:
    void init();

    void opensWithEmptyNamesAndTheFirstDate();
    void clientAreaKeepsItsDesignedSize_data();
    void clientAreaKeepsItsDesignedSize();
    void typedSmallLettersBecomeCapitals_data();
    void typedSmallLettersBecomeCapitals();
    void tabVisitsTheEntriesInReadingOrder();
    void enterInANameBoxDoesNotRunNext();
    void nextReportsTheFirstProblem_data();
    void nextReportsTheFirstProblem();
    void eachLinkOpensItsPage_data();
    void eachLinkOpensItsPage();
    void switchedOffItemCannotBeChosen();
    void listsBuildTheirDropDownsOnlyWhenOpened();
};

void TestFrmMain::init()
{
    WindowTest::init();
    reading::frmMain.Show();
    QVERIFY(QTest::qWaitForWindowActive(&reading::frmMain.get()));
}

void TestFrmMain::opensWithEmptyNamesAndTheFirstDate()
{
    QCOMPARE(items(*control<QComboBox>("cboDate")), numbers(1, 31));
    QCOMPARE(items(*control<QComboBox>("cboYear")), numbers(reading::firstListedYear, reading::lastListedYear));
    QCOMPARE(items(*control<QComboBox>("cboMonth")),
             QStringList({"January", "February", "March", "April", "May", "June", "July", "August", "September",
                          "October", "November", "December"}));
    QCOMPARE(control<QComboBox>("cboDate")->currentText(), u"1"_s);
    QCOMPARE(control<QComboBox>("cboMonth")->currentText(), u"January"_s);
    QCOMPARE(control<QComboBox>("cboYear")->currentText(), u"1900"_s);
    for (const char *name : {"txtFirstName", "txtMiddleName", "txtLastName"})
        QVERIFY(control<QLineEdit>(name)->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>("txtFirstName"));
    QCOMPARE(reading::frmMain->windowTitle(), "Orvane Birthday Number v"_L1 + buildfacts::version);
    QVERIFY(!control<QComboBox>("cboDate")->isEditable());
}

void TestFrmMain::clientAreaKeepsItsDesignedSize_data()
{
    QTest::addColumn<int>("menuPointSize");
    QTest::newRow("menu bar in the usual font") << 0;
    QTest::newRow("menu bar in a large font") << 24;
}

// The menu bar sits above the client area, however tall its font makes it.
void TestFrmMain::clientAreaKeepsItsDesignedSize()
{
    QFETCH(int, menuPointSize);
    const QFont usual = QApplication::font("QMenuBar");
    const auto restore = qScopeGuard([&usual] { QApplication::setFont(usual, "QMenuBar"); });
    if (menuPointSize > 0) {
        QVERIFY(unloadEveryWindow());
        QFont large = usual;
        large.setPointSize(menuPointSize);
        QApplication::setFont(large, "QMenuBar");
        reading::frmMain.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&reading::frmMain.get()));
    }
    const QMainWindow &window = reading::frmMain.get();
    QCOMPARE(window.centralWidget()->size(), QSize(427, 222));
    QCOMPARE(window.size(), QSize(427, 222 + window.menuBar()->height()));
    QCOMPARE(window.minimumSize(), window.maximumSize());
}

void TestFrmMain::typedSmallLettersBecomeCapitals_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters, space and apostrophe") << "txtFirstName"
                                                   << "ann o'neil"
                                                   << "ANN O'NEIL";
    QTest::newRow("capitals and digits stay") << "txtMiddleName"
                                              << "Mary 2nd"
                                              << "MARY 2ND";
    QTest::newRow("accented letter stays") << "txtLastName" << QString::fromUtf8("zoë") << QString::fromUtf8("ZOë");
}

void TestFrmMain::typedSmallLettersBecomeCapitals()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QLineEdit *edit = control<QLineEdit>(box.toLatin1().constData());
    edit->setFocus();
    type(edit, typed);
    QCOMPARE(edit->text(), shown);
}

void TestFrmMain::tabVisitsTheEntriesInReadingOrder()
{
    const QStringList expected{"txtMiddleName", "txtLastName", "cboMonth",    "cboDate",
                               "cboYear",       "cmdNext",     "txtFirstName"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, expected);
}

void TestFrmMain::enterInANameBoxDoesNotRunNext()
{
    QTest::keyClick(control<QLineEdit>("txtFirstName"), Qt::Key_Return);
    QVERIFY(m_desktop->messages.isEmpty());
}

void TestFrmMain::nextReportsTheFirstProblem_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("nothing typed") << ""
                                   << "" << 0 << 0 << 0 << "Please Enter Your First Name"
                                   << "txtFirstName";
    QTest::newRow("no last name") << "A"
                                  << "" << 0 << 0 << 0 << "Please Enter Your Last Name"
                                  << "txtLastName";
    QTest::newRow("no day") << "A"
                            << "B" << -1 << 0 << 0 << "Please Specify Your Birth Date"
                            << "cboDate";
    QTest::newRow("no month") << "A"
                              << "B" << 0 << -1 << 0 << "Please Specify Your Birth Month"
                              << "cboMonth";
    QTest::newRow("no year") << "A"
                             << "B" << 0 << 0 << -1 << "Please Specify Your Birth Year"
                             << "cboYear";
    QTest::newRow("31 April") << "A"
                              << "B" << 30 << 3 << 0 << "Please Enter Correct Date Or Month !"
                              << "cmdNext";
    QTest::newRow("29 February 1900") << "A"
                                      << "B" << 28 << 1 << 0 << "Please Enter Correct Date Or Month!"
                                      << "cmdNext";
}

void TestFrmMain::nextReportsTheFirstProblem()
{
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    control<QLineEdit>("txtFirstName")->setText(first);
    control<QLineEdit>("txtLastName")->setText(last);
    control<QComboBox>("cboDate")->setCurrentIndex(day);
    control<QComboBox>("cboMonth")->setCurrentIndex(month);
    control<QComboBox>("cboYear")->setCurrentIndex(year);
    QPushButton *next = control<QPushButton>("cmdNext");
    next->setFocus();
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(m_desktop->messages.size(), 1);
    QCOMPARE(m_desktop->messages.first().text, message);
    QCOMPARE(m_desktop->messages.first().buttons, platform::Buttons::Ok);
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(reading::frmMain.isLoaded());
}

void TestFrmMain::eachLinkOpensItsPage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    QTest::newRow("Online Help") << "mnuOnline" << expected::pageAddress(u"help-web-page"_s);
    QTest::newRow("Visit Us Online") << "mnuVisit" << expected::pageAddress(u"home-page"_s);
    QTest::newRow("Check for Software Update") << "mnuUpdate" << expected::pageAddress(u"download-web-page"_s);
    QTest::newRow("Donate") << "mnuDonate" << expected::pageAddress(u"donate"_s);
    QTest::newRow("visit label") << "Label61" << expected::pageAddress(u"home-page"_s);
    QTest::newRow("co-brand label") << "lblCobrand" << expected::pageAddress(u"co-brand"_s);
    QTest::newRow("fully branded label") << "lblFullBrand" << expected::pageAddress(u"fully-branded"_s);
}

void TestFrmMain::eachLinkOpensItsPage()
{
    QFETCH(QString, name);
    QFETCH(QString, address);
    for (int press = 0; press < 2; ++press) {
        if (auto *label = control<QLabel>(name.toLatin1().constData()))
            QTest::mouseClick(label, Qt::LeftButton);
        else
            control<QAction>(name.toLatin1().constData())->trigger();
    }
    QCOMPARE(m_desktop->openedAddresses, QStringList({address, address}));
}

void TestFrmMain::switchedOffItemCannotBeChosen()
{
    QAction *item = control<QAction>("makemoneyonline");
    QCOMPARE(item->text(), u"Make Money &Online"_s);
    QVERIFY(!item->isEnabled());
    item->trigger();
    QVERIFY(m_desktop->openedAddresses.isEmpty());
}

// Building the three drop-downs is a good part of the window's start-up; a
// font or style handed to a list after it is built would build its drop-down.
void TestFrmMain::listsBuildTheirDropDownsOnlyWhenOpened()
{
    for (const char *name : {"cboMonth", "cboDate", "cboYear"})
        QVERIFY2(!control<QComboBox>(name)->findChild<QAbstractItemView *>(), name);
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
