#include "platform/QtPlatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(platform::Icon)
Q_DECLARE_METATYPE(platform::Buttons)
Q_DECLARE_METATYPE(platform::Answer)

namespace {

QMessageBox *shownBox()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(widget); box && box->isVisible())
            return box;
    }
    return nullptr;
}

// Runs the step inside the box's own modal loop, once the box is on screen.
void whenShown(std::function<void(QMessageBox &)> step, int triesLeft = 1000)
{
    QTimer::singleShot(0, [step = std::move(step), triesLeft]() mutable {
        if (QMessageBox *box = shownBox())
            step(*box);
        else if (triesLeft > 0)
            whenShown(std::move(step), triesLeft - 1);
    });
}

} // namespace

// The real message box: what it shows, and the answer a pressed button gives.
class TestQtMessageBox : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void boxShowsTheMessageAndAnswersThePress_data();
    void boxShowsTheMessageAndAnswersThePress();
};

void TestQtMessageBox::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void TestQtMessageBox::boxShowsTheMessageAndAnswersThePress_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<platform::Icon>("icon");
    QTest::addColumn<platform::Buttons>("buttons");
    QTest::addColumn<QMessageBox::StandardButton>("press");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QMessageBox::Icon>("shownIcon");
    QTest::addColumn<QMessageBox::StandardButtons>("shownButtons");
    QTest::addColumn<platform::Answer>("answer");
    using platform::Answer;
    using platform::Buttons;
    using platform::Icon;
    QTest::newRow("a wrong entry: error icon and OK")
        << u"Please Enter Your First Name"_s << Icon::Critical << Buttons::Ok << QMessageBox::Ok
        << u"Please Enter Your First Name"_s << QMessageBox::Critical << QMessageBox::StandardButtons(QMessageBox::Ok)
        << Answer::Ok;
    QTest::newRow("carriage return and line feed, and a lone carriage return, break the line")
        << u"one\r\ntwo\rthree\nfour"_s << Icon::Information << Buttons::Ok << QMessageBox::Ok
        << u"one\ntwo\nthree\nfour"_s << QMessageBox::Information << QMessageBox::StandardButtons(QMessageBox::Ok)
        << Answer::Ok;
    QTest::newRow("a question answered yes")
        << u"Update?"_s << Icon::Information << Buttons::YesNo << QMessageBox::Yes << u"Update?"_s
        << QMessageBox::Information << (QMessageBox::Yes | QMessageBox::No) << Answer::Yes;
    QTest::newRow("a question answered no")
        << u"Update?"_s << Icon::Information << Buttons::YesNo << QMessageBox::No << u"Update?"_s
        << QMessageBox::Information << (QMessageBox::Yes | QMessageBox::No) << Answer::No;
}

void TestQtMessageBox::boxShowsTheMessageAndAnswersThePress()
{
    QFETCH(QString, text);
    QFETCH(platform::Icon, icon);
    QFETCH(platform::Buttons, buttons);
    QFETCH(QMessageBox::StandardButton, press);
    QFETCH(QString, shown);
    QFETCH(QMessageBox::Icon, shownIcon);
    QFETCH(QMessageBox::StandardButtons, shownButtons);
    QFETCH(platform::Answer, answer);

    const QString title = u"A Program's Title"_s;
    bool seen = false;
    QString seenTitle;
    QString seenText;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons seenButtons;
    whenShown([&](QMessageBox &box) {
        seen = true;
        seenTitle = box.windowTitle();
        seenText = box.text();
        seenIcon = box.icon();
        seenButtons = box.standardButtons();
        if (QAbstractButton *button = box.button(press))
            button->click();
        else
            box.reject();
    });
    platform::QtMessageBox messageBox(title);
    const platform::Answer given = messageBox.show(text, icon, buttons);

    QVERIFY(seen);
    QCOMPARE(seenTitle, title);
    QCOMPARE(seenText, shown);
    QCOMPARE(seenIcon, shownIcon);
    QCOMPARE(seenButtons, shownButtons);
    QCOMPARE(given, answer);
}

QTEST_MAIN(TestQtMessageBox)
#include "tst_qtmessagebox.moc"
