#include "BuildFacts.h"
#include "SiteAddresses.h"
#include "fixture/WindowTest.h"
#include "forms/lifecycle/Forms.h"
#include "platform/RecordingPlatform.h"
#include "support/FrmNagScreen2.h"
#include "support/modTellAFriend.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

template <class T>
T *control(const QString &name)
{
    return support::frmNagScreen2->findChild<T *>(name);
}

QLineEdit *box(const QString &name)
{
    return control<QLineEdit>(name);
}

QPlainTextEdit *messageBox()
{
    return control<QPlainTextEdit>(u"txtMessage"_s);
}

void fillIn(const QString &name, const QString &email, const QString &friendName, const QString &friendEmail)
{
    box(u"txtName"_s)->setText(name);
    box(u"txtEmail"_s)->setText(email);
    box(u"txtFriendName"_s)->setText(friendName);
    box(u"txtFriendEmail"_s)->setText(friendEmail);
}

void pressReferAFriend()
{
    QTest::mouseClick(control<QPushButton>(u"cmdSubmit"_s), Qt::LeftButton);
}

} // namespace

class TestFrmNagScreen2 : public WindowTest {
    Q_OBJECT

private slots:
    void loadDrawsOneSupportText_data();
    void loadDrawsOneSupportText();
    void drawnTextStaysWhenShownAgain();
    void familyTextStartsItsSecondParagraphOnALineOfItsOwn();
    void focusStartsOnExit();
    void tabPassesThroughTheHiddenMessageBox();
    void promptsGoAndComeBack_data();
    void promptsGoAndComeBack();
    void borrowedFocusLeavesTheBoxAlone_data();
    void borrowedFocusLeavesTheBoxAlone();
    void typedSpaceIsRefusedInEmailBoxes_data();
    void typedSpaceIsRefusedInEmailBoxes();
    void pastedSpaceIsAccepted();
    void visitButtonOpensTheHomePageEveryTime_data();
    void visitButtonOpensTheHomePageEveryTime();
    void familyLinkOpensTheSoftwaresPage();
    void referAFriendOpensTheReferralAddress();
    void referAFriendReportsTheFirstProblem_data();
    void referAFriendReportsTheFirstProblem();
    void everyPressOverwritesTheCapturedValues();
    void exitEndsTheProgram_data();
    void exitEndsTheProgram();

private:
    void showWindow();
};

void TestFrmNagScreen2::showWindow()
{
    support::frmNagScreen2.Show();
    QVERIFY(QTest::qWaitForWindowActive(&support::frmNagScreen2.get()));
}

void TestFrmNagScreen2::loadDrawsOneSupportText_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("text");
    const QString host = QString::fromLatin1(buildfacts::host);
    QTest::newRow("r = 0") << 0.0f
                           << u"Velmora Softwares, such as this can be created and maintained only with "
                              "your support. The best way to support Quillmoor is to visit "_s
            + host + " regularly and take part in the discussions and other activities on the board.";
    QTest::newRow("r = 0.25") << 0.25f
                              << u"Please visit Quillmoor at "_s + host
            + " regularly and support it by joining its discussions and other activities. Programs like this "
              "cannot be supported and maintained without your regular visits.";
    QTest::newRow("r = 0.5") << 0.5f
                             << host
            + " is a free online discussion forum on Velmora, numerology and more. To help it develop and maintain "
              "this software, please visit it regularly.";
    QTest::newRow("largest r") << std::nextafter(1.0f, 0.0f)
                               << u"Quillmoor needs your help. Please visit "_s + host
            + " regularly and take part in its discussions and activities, so that we can maintain the site and "
              "develop more Velmora Softwares for you.";
}

void TestFrmNagScreen2::loadDrawsOneSupportText()
{
    QFETCH(float, r);
    QFETCH(QString, text);
    m_desktop->draws = {r};
    showWindow();
    QCOMPARE(m_desktop->seeds, 1);
    QCOMPARE(control<QLabel>(u"Label2"_s)->text(), text);
    QCOMPARE(support::frmNagScreen2->windowTitle(), "Orvane Birthday Number v"_L1 + buildfacts::version);
    const QLabel *caption = control<QLabel>(u"lblNagScreen2Caption"_s);
    QCOMPARE(caption->text(), "Orvane Birthday Number v"_L1 + buildfacts::version);
    QVERIFY(caption->width() >= caption->fontMetrics().horizontalAdvance(caption->text()));
    QCOMPARE(control<QPushButton>(u"Check1"_s)->text(), "Click Here To Visit "_L1 + buildfacts::host + " Now");
}

void TestFrmNagScreen2::drawnTextStaysWhenShownAgain()
{
    m_desktop->draws = {0.0f, 0.75f};
    showWindow();
    support::frmNagScreen2.Hide();
    showWindow();
    QCOMPARE(m_desktop->seeds, 1);
    QVERIFY(control<QLabel>(u"Label2"_s)->text().startsWith(u"Velmora Softwares, such as this"));
}

void TestFrmNagScreen2::familyTextStartsItsSecondParagraphOnALineOfItsOwn()
{
    showWindow();
    const QLabel *family = control<QLabel>(u"Label3"_s);
    QCOMPARE(family->text(),
             u"If you have enjoyed this software you will surely be interested in our other Velmora Softwares. "
             "What began as a single program has grown, thanks to loyal users around the globe, into the "
             "world\u2019s largest collection of such programs, covering astrology, psychic, tarot, numerology and "
             "occult subjects, with new titles added all the time."
             "                                                             "
             "All of our programs are simple, fun and informative, made for curious beginners and keen "
             "experts alike. Why not try them today, explore what they reveal about you, and share the "
             "experience with your friends and family? "_s);
}

void TestFrmNagScreen2::focusStartsOnExit()
{
    showWindow();
    QTRY_COMPARE(QApplication::focusWidget(), control<QPushButton>(u"cmdClose"_s));
}

void TestFrmNagScreen2::tabPassesThroughTheHiddenMessageBox()
{
    showWindow();
    const QStringList expected{"Check1",         "txtName",       "cmdSubmit",  "txtEmail",
                               "txtFriendEmail", "txtFriendName", "txtMessage", "cmdClose"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, expected);
    QVERIFY(messageBox()->isVisible());
    QVERIFY(messageBox()->visibleRegion().isEmpty());
}

void TestFrmNagScreen2::promptsGoAndComeBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("left");
    QTest::newRow("name prompt with spaces around") << "txtName"
                                                    << "  Your Name "
                                                    << ""
                                                    << "Your Name";
    QTest::newRow("e-mail prompt") << "txtEmail"
                                   << "Your Email Address"
                                   << ""
                                   << "Your Email Address";
    QTest::newRow("friend's name left as spaces") << "txtFriendName"
                                                  << "   "
                                                  << "   "
                                                  << "Friend's Name";
    QTest::newRow("untouched message keeps its line break") << "txtMessage"
                                                            << "Your Message\n"
                                                            << "Your Message\n"
                                                            << "Your Message\n";
    QTest::newRow("emptied message gets the prompt alone") << "txtMessage"
                                                           << ""
                                                           << ""
                                                           << "Your Message";
}

void TestFrmNagScreen2::promptsGoAndComeBack()
{
    QFETCH(QString, name);
    QFETCH(QString, start);
    QFETCH(QString, entered);
    QFETCH(QString, left);
    showWindow();
    QWidget *widget = control<QWidget>(name);
    auto text = [&] { return name == "txtMessage"_L1 ? messageBox()->toPlainText() : box(name)->text(); };
    if (name == "txtMessage"_L1)
        messageBox()->setPlainText(start);
    else
        box(name)->setText(start);
    widget->setFocus(Qt::TabFocusReason);
    QCOMPARE(text(), entered);
    control<QPushButton>(u"cmdClose"_s)->setFocus(Qt::TabFocusReason);
    QCOMPARE(text(), left);
}

void TestFrmNagScreen2::borrowedFocusLeavesTheBoxAlone_data()
{
    QTest::addColumn<QEvent::Type>("type");
    QTest::addColumn<Qt::FocusReason>("reason");
    QTest::addColumn<QString>("text");
    QTest::newRow("emptied box loses it to a context menu") << QEvent::FocusOut << Qt::PopupFocusReason << "";
    QTest::newRow("emptied box loses it to another window") << QEvent::FocusOut << Qt::ActiveWindowFocusReason << "";
    QTest::newRow("prompt gets it back from a context menu") << QEvent::FocusIn << Qt::PopupFocusReason << "Your Name";
    QTest::newRow("prompt gets it back from another window")
        << QEvent::FocusIn << Qt::ActiveWindowFocusReason << "Your Name";
}

// A context menu or another window takes the focus only for a while.
void TestFrmNagScreen2::borrowedFocusLeavesTheBoxAlone()
{
    QFETCH(QEvent::Type, type);
    QFETCH(Qt::FocusReason, reason);
    QFETCH(QString, text);
    showWindow();
    QLineEdit *name = box(u"txtName"_s);
    if (type == QEvent::FocusOut)
        name->setFocus(Qt::TabFocusReason);
    QFocusEvent borrowed(type, reason);
    QApplication::sendEvent(name, &borrowed);
    QCOMPARE(name->text(), text);
}

void TestFrmNagScreen2::typedSpaceIsRefusedInEmailBoxes_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("own e-mail") << "txtEmail";
    QTest::newRow("friend's e-mail") << "txtFriendEmail";
}

void TestFrmNagScreen2::typedSpaceIsRefusedInEmailBoxes()
{
    QFETCH(QString, name);
    showWindow();
    QLineEdit *email = box(name);
    email->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(email, u"ann@"_s);
    // The box takes the focus away as a real one would.
    m_desktop->whileMessageShown = [](const RecordingPlatform::Message &) {
        control<QPushButton>(u"cmdClose"_s)->setFocus();
    };
    QTest::keyClick(email, Qt::Key_Space);
    QTest::keyClicks(email, u"home.example"_s);
    QCOMPARE(m_desktop->messages.size(), 1);
    QCOMPARE(m_desktop->messages.first().text, u"Email Address Cannot Contain Space"_s);
    QCOMPARE(m_desktop->messages.first().icon, platform::Icon::Critical);
    QCOMPARE(m_desktop->messages.first().buttons, platform::Buttons::Ok);
    QCOMPARE(email->text(), u"ann@home.example"_s);
    QCOMPARE(QApplication::focusWidget(), email);
}

void TestFrmNagScreen2::pastedSpaceIsAccepted()
{
    showWindow();
    QLineEdit *email = box(u"txtEmail"_s);
    email->setFocus(Qt::TabFocusReason);
    QGuiApplication::clipboard()->setText(u"ann lee@home.example"_s);
    QTest::keyClick(email, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(email->text(), u"ann lee@home.example"_s);
    QVERIFY(m_desktop->messages.isEmpty());
}

void TestFrmNagScreen2::visitButtonOpensTheHomePageEveryTime_data()
{
    QTest::addColumn<bool>("spaceBar");
    QTest::newRow("mouse click") << false;
    QTest::newRow("space bar") << true;
}

void TestFrmNagScreen2::visitButtonOpensTheHomePageEveryTime()
{
    QFETCH(bool, spaceBar);
    showWindow();
    QPushButton *visit = control<QPushButton>(u"Check1"_s);
    visit->setFocus(Qt::TabFocusReason);
    for (int press = 1; press <= 2; ++press) {
        if (spaceBar)
            QTest::keyClick(visit, Qt::Key_Space);
        else
            QTest::mouseClick(visit, Qt::LeftButton);
        QVERIFY(!visit->isChecked());
        QCOMPARE(m_desktop->openedAddresses.size(), press);
    }
    QCOMPARE(m_desktop->openedAddresses,
             QStringList({expected::pageAddress(u"home-page"), expected::pageAddress(u"home-page")}));
}

void TestFrmNagScreen2::familyLinkOpensTheSoftwaresPage()
{
    showWindow();
    QTest::mouseClick(control<QLabel>(u"lblGoToHome"_s), Qt::LeftButton);
    QCOMPARE(m_desktop->openedAddresses, QStringList({expected::pageAddress(u"velmorasoftwares")}));
}

void TestFrmNagScreen2::referAFriendOpensTheReferralAddress()
{
    showWindow();
    // Spaces can be pasted around the addresses; they are not sent.
    fillIn(u"  Ann & Bob "_s, u" ann@home.example"_s, u"Cy"_s, u"cy@work.example  "_s);
    pressReferAFriend();
    pressReferAFriend();
    const QString address = expected::pageAddress(u"kelv-refer-a-friend")
        + "&taf1=Ann%20%26%20Bob&taf2=ann%40home.example"
          "&taf3=Your%20Message%0D%0A&taf4=Cy&taf5=cy%40work.example&taf6="
        + expected::productAddress();
    QVERIFY(m_desktop->messages.isEmpty());
    QCOMPARE(m_desktop->openedAddresses, QStringList({address, address}));
    QVERIFY(support::frmNagScreen2->isVisible());
    QCOMPARE(box(u"txtName"_s)->text(), u"  Ann & Bob "_s);
}

void TestFrmNagScreen2::referAFriendReportsTheFirstProblem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("friendName");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("problem");
    QTest::newRow("untouched form") << "Your Name"
                                    << "Your Email Address"
                                    << "Your Message\n"
                                    << "Friend's Name"
                                    << "Friend's Email Address"
                                    << "Please Enter Proper Email Address";
    QTest::newRow("name at its prompt") << "Your Name"
                                        << "ann@home.example"
                                        << "Hi"
                                        << "Cy"
                                        << "cy@work.example"
                                        << "Please Enter Your Name";
    QTest::newRow("friend's name only spaces") << "Ann"
                                               << "ann@home.example"
                                               << "Hi"
                                               << "   "
                                               << "cy@work.example"
                                               << "Please Enter Your Friend's Name";
}

void TestFrmNagScreen2::referAFriendReportsTheFirstProblem()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, message);
    QFETCH(QString, friendName);
    QFETCH(QString, friendEmail);
    QFETCH(QString, problem);
    showWindow();
    fillIn(name, email, friendName, friendEmail);
    messageBox()->setPlainText(message);
    pressReferAFriend();
    QCOMPARE(m_desktop->messages.size(), 1);
    QCOMPARE(m_desktop->messages.first().text, problem);
    QCOMPARE(m_desktop->messages.first().icon, platform::Icon::Critical);
    QVERIFY(m_desktop->openedAddresses.isEmpty());
    QCOMPARE(box(u"txtFriendName"_s)->text(), friendName);
}

void TestFrmNagScreen2::everyPressOverwritesTheCapturedValues()
{
    showWindow();
    fillIn(u"Ann"_s, u"ann@home.example"_s, u"Cy"_s, u"cy@work.example"_s);
    pressReferAFriend();
    const QString sent = support::ReferralAddress;
    fillIn(u" Bea "_s, u"bea@home.example"_s, u"Dee"_s, u"bea@home.example"_s);
    pressReferAFriend();
    QCOMPARE(m_desktop->messages.size(), 1);
    QCOMPARE(support::ReferrerName, u"Bea"_s);
    QCOMPARE(support::FriendName, u"Dee"_s);
    QCOMPARE(support::ReferralMessage, u"Your Message\r\n"_s);
    QCOMPARE(support::ReferralAddress, sent);
    QCOMPARE(m_desktop->openedAddresses, QStringList({sent}));
}

void TestFrmNagScreen2::exitEndsTheProgram_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit button") << "click";
    QTest::newRow("Enter on Exit") << "enter";
    QTest::newRow("Alt+X") << "alt-x";
    QTest::newRow("close box") << "close";
}

void TestFrmNagScreen2::exitEndsTheProgram()
{
    QFETCH(QString, how);
    showWindow();
    QPushButton *exit = control<QPushButton>(u"cmdClose"_s);
    if (how == "click"_L1)
        QTest::mouseClick(exit, Qt::LeftButton);
    else if (how == "enter"_L1)
        QTest::keyClick(exit, Qt::Key_Return);
    else if (how == "alt-x"_L1)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
    else
        support::frmNagScreen2->close();
    // A mnemonic animates the press, so the click comes a moment later.
    QTRY_VERIFY(!support::frmNagScreen2.isLoaded());
    QCOMPARE(m_desktop->ends, 1);
}

QTEST_MAIN(TestFrmNagScreen2)
#include "tst_frmnagscreen2.moc"
