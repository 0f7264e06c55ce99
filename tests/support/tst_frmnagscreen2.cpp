#include "BuildFacts.h"
#include "SiteAddresses.h"
#include "fixture/WindowTest.h"
#include "forms/Forms.h"
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

namespace {

template <class T>
T *control(const QString &name)
{
    return frmNagScreen2->findChild<T *>(name);
}

QLineEdit *box(const QString &name)
{
    return control<QLineEdit>(name);
}

QPlainTextEdit *messageBox()
{
    return control<QPlainTextEdit>(QStringLiteral("txtMessage"));
}

void fillIn(const QString &name, const QString &email, const QString &friendName, const QString &friendEmail)
{
    box(QStringLiteral("txtName"))->setText(name);
    box(QStringLiteral("txtEmail"))->setText(email);
    box(QStringLiteral("txtFriendName"))->setText(friendName);
    box(QStringLiteral("txtFriendEmail"))->setText(friendEmail);
}

void pressReferAFriend()
{
    QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdSubmit")), Qt::LeftButton);
}

} // namespace

class TestFrmNagScreen2 : public WindowTest {
    Q_OBJECT

private slots:
    void loadDrawsOneSupportText_data();
    void loadDrawsOneSupportText();
    void drawnTextStaysWhenShownAgain();
    void focusStartsOnExit();
    void tabPassesThroughTheHiddenMessageBox();
    void promptsGoAndComeBack_data();
    void promptsGoAndComeBack();
    void menuBorrowingTheFocusLeavesTheBoxAlone();
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
    frmNagScreen2.Show();
    QVERIFY(QTest::qWaitForWindowActive(&frmNagScreen2.get()));
}

void TestFrmNagScreen2::loadDrawsOneSupportText_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("text");
    const QString host = QString::fromLatin1(buildfacts::host);
    QTest::newRow("r = 0") << 0.0f
                           << QStringLiteral("Velmora Softwares, such as this can be created and maintained only with "
                                             "your support. The best way to support Quillmoor is to visit ")
            + host + " regularly and take part in the discussions and other activities on the board.";
    QTest::newRow("r = 0.25") << 0.25f
                              << QStringLiteral("Please visit Quillmoor at ") + host
            + " regularly and support it by joining its discussions and other activities. Programs like this "
              "cannot be supported and maintained without your regular visits.";
    QTest::newRow("r = 0.5") << 0.5f
                             << host
            + " is a free online discussion forum on Velmora, numerology and more. To help it develop and maintain "
              "this software, please visit it regularly.";
    QTest::newRow("largest r") << std::nextafter(1.0f, 0.0f)
                               << QStringLiteral("Quillmoor needs your help. Please visit ") + host
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
    QCOMPARE(control<QLabel>(QStringLiteral("Label2"))->text(), text);
    QCOMPARE(frmNagScreen2->windowTitle(), QLatin1String("Orvane Birthday Number v") + buildfacts::version);
    const QLabel *caption = control<QLabel>(QStringLiteral("lblNagScreen2Caption"));
    QCOMPARE(caption->text(), QLatin1String("Orvane Birthday Number v") + buildfacts::version);
    QVERIFY(caption->width() >= caption->fontMetrics().horizontalAdvance(caption->text()));
    QCOMPARE(control<QPushButton>(QStringLiteral("Check1"))->text(),
             QLatin1String("Click Here To Visit ") + buildfacts::host + " Now");
}

void TestFrmNagScreen2::drawnTextStaysWhenShownAgain()
{
    m_desktop->draws = {0.0f, 0.75f};
    showWindow();
    frmNagScreen2.Hide();
    showWindow();
    QCOMPARE(m_desktop->seeds, 1);
    QVERIFY(control<QLabel>(QStringLiteral("Label2"))->text().startsWith(u"Velmora Softwares, such as this"));
}

void TestFrmNagScreen2::focusStartsOnExit()
{
    showWindow();
    QTRY_COMPARE(QApplication::focusWidget(), control<QPushButton>(QStringLiteral("cmdClose")));
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
    auto text = [&] { return name == QLatin1String("txtMessage") ? messageBox()->toPlainText() : box(name)->text(); };
    if (name == QLatin1String("txtMessage"))
        messageBox()->setPlainText(start);
    else
        box(name)->setText(start);
    widget->setFocus(Qt::TabFocusReason);
    QCOMPARE(text(), entered);
    control<QPushButton>(QStringLiteral("cmdClose"))->setFocus(Qt::TabFocusReason);
    QCOMPARE(text(), left);
}

void TestFrmNagScreen2::menuBorrowingTheFocusLeavesTheBoxAlone()
{
    showWindow();
    QLineEdit *name = box(QStringLiteral("txtName"));
    name->setFocus(Qt::TabFocusReason);
    QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(name, &toMenu);
    QVERIFY(name->text().isEmpty());
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
    QTest::keyClicks(email, QStringLiteral("ann@"));
    // The box takes the focus away as a real one would.
    m_desktop->whileMessageShown = [](const RecordingPlatform::Message &) {
        control<QPushButton>(QStringLiteral("cmdClose"))->setFocus();
    };
    QTest::keyClick(email, Qt::Key_Space);
    QTest::keyClicks(email, QStringLiteral("home.example"));
    QCOMPARE(m_desktop->messages.size(), 1);
    QCOMPARE(m_desktop->messages.first().text, QStringLiteral("Email Address Cannot Contain Space"));
    QCOMPARE(m_desktop->messages.first().icon, platform::Icon::Critical);
    QCOMPARE(m_desktop->messages.first().buttons, platform::Buttons::Ok);
    QCOMPARE(email->text(), QStringLiteral("ann@home.example"));
    QCOMPARE(QApplication::focusWidget(), email);
}

void TestFrmNagScreen2::pastedSpaceIsAccepted()
{
    showWindow();
    QLineEdit *email = box(QStringLiteral("txtEmail"));
    email->setFocus(Qt::TabFocusReason);
    QGuiApplication::clipboard()->setText(QStringLiteral("ann lee@home.example"));
    QTest::keyClick(email, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(email->text(), QStringLiteral("ann lee@home.example"));
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
    QPushButton *visit = control<QPushButton>(QStringLiteral("Check1"));
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
             QStringList({expected::pageAddress("home-page"), expected::pageAddress("home-page")}));
}

void TestFrmNagScreen2::familyLinkOpensTheSoftwaresPage()
{
    showWindow();
    QTest::mouseClick(control<QLabel>(QStringLiteral("lblGoToHome")), Qt::LeftButton);
    QCOMPARE(m_desktop->openedAddresses, QStringList({expected::pageAddress("velmorasoftwares")}));
}

void TestFrmNagScreen2::referAFriendOpensTheReferralAddress()
{
    showWindow();
    fillIn(QStringLiteral("  Ann & Bob "), QStringLiteral("ann@home.example"), QStringLiteral("Cy"),
           QStringLiteral("cy@work.example"));
    pressReferAFriend();
    pressReferAFriend();
    const QString address = expected::pageAddress("kelv-refer-a-friend")
        + "&taf1=Ann%20%26%20Bob&taf2=ann%40home.example"
          "&taf3=Your%20Message%0D%0A&taf4=Cy&taf5=cy%40work.example&taf6="
        + expected::productAddress();
    QVERIFY(m_desktop->messages.isEmpty());
    QCOMPARE(m_desktop->openedAddresses, QStringList({address, address}));
    QVERIFY(frmNagScreen2->isVisible());
    QCOMPARE(box(QStringLiteral("txtName"))->text(), QStringLiteral("  Ann & Bob "));
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
    QCOMPARE(box(QStringLiteral("txtFriendName"))->text(), friendName);
}

void TestFrmNagScreen2::everyPressOverwritesTheCapturedValues()
{
    showWindow();
    fillIn(QStringLiteral("Ann"), QStringLiteral("ann@home.example"), QStringLiteral("Cy"),
           QStringLiteral("cy@work.example"));
    pressReferAFriend();
    const QString sent = support::ReferralAddress;
    fillIn(QStringLiteral(" Bea "), QStringLiteral("bea@home.example"), QStringLiteral("Dee"),
           QStringLiteral("bea@home.example"));
    pressReferAFriend();
    QCOMPARE(m_desktop->messages.size(), 1);
    QCOMPARE(support::ReferrerName, QStringLiteral("Bea"));
    QCOMPARE(support::FriendName, QStringLiteral("Dee"));
    QCOMPARE(support::ReferralMessage, QStringLiteral("Your Message\r\n"));
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
    QPushButton *exit = control<QPushButton>(QStringLiteral("cmdClose"));
    if (how == QLatin1String("click"))
        QTest::mouseClick(exit, Qt::LeftButton);
    else if (how == QLatin1String("enter"))
        QTest::keyClick(exit, Qt::Key_Return);
    else if (how == QLatin1String("alt-x"))
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
    else
        frmNagScreen2->close();
    // A mnemonic animates the press, so the click comes a moment later.
    QTRY_VERIFY(!frmNagScreen2.isLoaded());
    QCOMPARE(m_desktop->ends, 1);
}

QTEST_MAIN(TestFrmNagScreen2)
#include "tst_frmnagscreen2.moc"
