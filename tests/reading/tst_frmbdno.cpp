#include "fixture/WindowTest.h"
#include "platform/RecordingPlatform.h"
#include "reading/EntryRules.h"
#include "reading/FrmBDNo.h"
#include "reading/FrmMain.h"
#include "reading/ReadingDisplay.h"
#include "reading/Readings.h"
#include "support/FrmNagScreen2.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

template <class T>
T *entry(const char *name)
{
    return reading::frmMain->findChild<T *>(QLatin1String(name));
}

void pressNext(const QString &first, const QString &last, int day, int month, int year)
{
    entry<QLineEdit>("txtFirstName")->setText(first);
    entry<QLineEdit>("txtLastName")->setText(last);
    entry<QComboBox>("cboDate")->setCurrentIndex(day - 1);
    entry<QComboBox>("cboMonth")->setCurrentIndex(month - 1);
    entry<QComboBox>("cboYear")->setCurrentIndex(year - reading::firstListedYear);
    QTest::mouseClick(entry<QPushButton>("cmdNext"), Qt::LeftButton);
    if (reading::frmBDNo.isLoaded()) {
        reading::frmBDNo->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&reading::frmBDNo.get()));
    }
}

QString shownReading(int number)
{
    return reading::readingText(number).replace("\r\n"_L1, "\n"_L1);
}

} // namespace

class TestFrmBDNo : public WindowTest {
    Q_OBJECT

private slots:
    void init();

    void nextShowsTheReadingAlone_data();
    void nextShowsTheReadingAlone();
    void readingIgnoresNamesMonthAndYear();
    void refusedNextChangesNothing();
    void backGivesAFreshEntryWindow_data();
    void backGivesAFreshEntryWindow();
    void readingCannotBeEdited();
    void keysSelectInTheReading_data();
    void keysSelectInTheReading();
    void keysChangeNothing_data();
    void keysChangeNothing();
    void keyboardCopiesTheSelection();
    void mouseTakesBackOnlyOwnClipboard_data();
    void mouseTakesBackOnlyOwnClipboard();
    void pressInsideASelectionStartsNoDrag();
    void clickIsAReleaseInsideTheText_data();
    void clickIsAReleaseInsideTheText();
};

void TestFrmBDNo::init()
{
    WindowTest::init();
    reading::frmMain.Show();
    QVERIFY(QTest::qWaitForWindowActive(&reading::frmMain.get()));
}

void TestFrmBDNo::nextShowsTheReadingAlone_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("5 July by the button") << 5 << false;
    QTest::newRow("14 July by File, Next") << 14 << true;
    QTest::newRow("31 July") << 31 << false;
}

void TestFrmBDNo::nextShowsTheReadingAlone()
{
    QFETCH(int, day);
    QFETCH(bool, byMenu);
    entry<QLineEdit>("txtFirstName")->setText(u"ANN"_s);
    entry<QLineEdit>("txtLastName")->setText(u"LEE"_s);
    entry<QComboBox>("cboDate")->setCurrentIndex(day - 1);
    entry<QComboBox>("cboMonth")->setCurrentIndex(6);
    if (byMenu)
        reading::frmMain->findChild<QAction *>(u"mnuNext"_s)->trigger();
    else
        QTest::keyClick(&reading::frmMain.get(), Qt::Key_N, Qt::AltModifier);

    // A button's access key presses it a moment later.
    QTRY_VERIFY(!reading::frmMain.isLoaded());
    QVERIFY(reading::frmBDNo.isLoaded());
    QVERIFY(reading::frmBDNo->isVisible());
    QVERIFY(support::frmNagScreen2.isLoaded());
    QVERIFY(!support::frmNagScreen2->isVisible());
    reading::ReadingDisplay &display = reading::frmBDNo->txtDisplay();
    QCOMPARE(display.toPlainText(), shownReading(day));
    QVERIFY(!display.toPlainText().contains(u'\r'));
    QCOMPARE(display.textCursor().position(), 0);
    QCOMPARE(display.verticalScrollBar()->value(), 0);
    QCOMPARE(reading::frmBDNo->focusWidget(), reading::frmBDNo->findChild<QPushButton *>(u"cmdback"_s));
    QVERIFY(m_desktop->messages.isEmpty());
}

void TestFrmBDNo::readingIgnoresNamesMonthAndYear()
{
    pressNext(u"A"_s, u"B"_s, 29, 2, 2000);
    const QString first = reading::frmBDNo->txtDisplay().toPlainText();
    QTest::mouseClick(reading::frmBDNo->findChild<QPushButton *>(u"cmdback"_s), Qt::LeftButton);
    pressNext(u"ZED"_s, u"QUINN"_s, 29, 12, 2050);
    QCOMPARE(reading::frmBDNo->txtDisplay().toPlainText(), first);
    QVERIFY(first.startsWith("Your Birthday Number is: 29\n"_L1));
}

void TestFrmBDNo::refusedNextChangesNothing()
{
    pressNext(u"ANN"_s, u"LEE"_s, 31, 4, 1985);
    QCOMPARE(m_desktop->messages.size(), 1);
    QVERIFY(reading::frmMain.isLoaded());
    QVERIFY(reading::frmMain->isVisible());
    QVERIFY(!reading::frmBDNo.isLoaded());
    QVERIFY(!support::frmNagScreen2.isLoaded());
    QCOMPARE(entry<QLineEdit>("txtFirstName")->text(), u"ANN"_s);
    QCOMPARE(entry<QComboBox>("cboDate")->currentText(), u"31"_s);
    QCOMPARE(entry<QComboBox>("cboMonth")->currentText(), u"April"_s);
}

void TestFrmBDNo::backGivesAFreshEntryWindow_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("click") << 0;
    QTest::newRow("Enter on the focused Back") << int(Qt::Key_Return);
    QTest::newRow("space bar") << int(Qt::Key_Space);
    QTest::newRow("Alt+B") << int(Qt::Key_B);
}

void TestFrmBDNo::backGivesAFreshEntryWindow()
{
    QFETCH(int, key);
    pressNext(u"ANN"_s, u"LEE"_s, 14, 7, 1985);
    auto *back = reading::frmBDNo->findChild<QPushButton *>(u"cmdback"_s);
    if (key == 0)
        QTest::mouseClick(back, Qt::LeftButton);
    else if (key == Qt::Key_B)
        QTest::keyClick(&reading::frmBDNo.get(), Qt::Key_B, Qt::AltModifier);
    else
        QTest::keyClick(back, Qt::Key(key));

    QTRY_VERIFY(reading::frmMain.isLoaded());
    QVERIFY(!reading::frmBDNo.isLoaded());
    QVERIFY(reading::frmMain->isVisible());
    QVERIFY(support::frmNagScreen2.isLoaded());
    QVERIFY(!support::frmNagScreen2->isVisible());
    QVERIFY(entry<QLineEdit>("txtFirstName")->text().isEmpty());
    QVERIFY(entry<QLineEdit>("txtLastName")->text().isEmpty());
    QCOMPARE(entry<QComboBox>("cboDate")->currentText(), u"1"_s);
    QCOMPARE(entry<QComboBox>("cboMonth")->currentText(), u"January"_s);
    QCOMPARE(entry<QComboBox>("cboYear")->currentText(), u"1900"_s);
}

void TestFrmBDNo::readingCannotBeEdited()
{
    pressNext(u"ANN"_s, u"LEE"_s, 14, 7, 1985);
    reading::ReadingDisplay &display = reading::frmBDNo->txtDisplay();
    const QString before = display.toPlainText();
    display.setFocus();
    QTest::keyClicks(&display, u"xyz"_s);
    QTest::keyClick(&display, Qt::Key_Delete);
    QTest::keyClick(&display, Qt::Key_Backspace);
    QCOMPARE(display.toPlainText(), before);
    QCOMPARE(display.contextMenuPolicy(), Qt::NoContextMenu);
}

namespace {

void pressKeys(QWidget &widget, const QStringList &keys)
{
    for (const QString &key : keys) {
        const QKeyCombination combination = QKeySequence(key)[0];
        QTest::keyClick(&widget, combination.key(), combination.keyboardModifiers());
    }
}

QString selection(const reading::ReadingDisplay &display)
{
    return display.textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n');
}

} // namespace

void TestFrmBDNo::keysSelectInTheReading_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("selected");
    const QString whole = shownReading(14);
    const QString numberLine = u"Your Birthday Number is: 14"_s;
    QTest::newRow("Shift+Right four times")
        << QStringList{"Shift+Right", "Shift+Right", "Shift+Right", "Shift+Right"} << "Your";
    QTest::newRow("Shift+End") << QStringList{"Shift+End"} << numberLine;
    QTest::newRow("Shift+Down takes the line and its break") << QStringList{"Shift+Down"} << numberLine + u'\n';
    QTest::newRow("Shift+Left gives back what Shift+End took")
        << QStringList{"Shift+End", "Shift+Left", "Shift+Left", "Shift+Left"} << numberLine.chopped(3);
    QTest::newRow("End then Shift+Home") << QStringList{"End", "Shift+Home"} << numberLine;
    QTest::newRow("Ctrl+End, Ctrl+Home, Shift+End") << QStringList{"Ctrl+End", "Ctrl+Home", "Shift+End"} << numberLine;
    QTest::newRow("Ctrl+Shift+End from the start") << QStringList{"Ctrl+Shift+End"} << whole;
    QTest::newRow("Ctrl+End then Ctrl+Shift+Home") << QStringList{"Ctrl+End", "Ctrl+Shift+Home"} << whole;
    QTest::newRow("Ctrl+A") << QStringList{"Ctrl+A"} << whole;
    QTest::newRow("a plain arrow drops the selection") << QStringList{"Ctrl+A", "Right"} << "";
}

void TestFrmBDNo::keysSelectInTheReading()
{
    QFETCH(QStringList, keys);
    QFETCH(QString, selected);
    pressNext(u"ANN"_s, u"LEE"_s, 14, 7, 1985);
    reading::ReadingDisplay &display = reading::frmBDNo->txtDisplay();
    display.setFocus();
    pressKeys(display, keys);
    QCOMPARE(selection(display), selected);
}

void TestFrmBDNo::keysChangeNothing_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("letters") << QStringList{"X", "Y", "Z"};
    QTest::newRow("Delete and Backspace") << QStringList{"Right", "Delete", "Backspace"};
    QTest::newRow("Enter") << QStringList{"Return"};
    QTest::newRow("a letter over a selection") << QStringList{"Shift+End", "Q"};
    QTest::newRow("Ctrl+X") << QStringList{"Ctrl+A", "Ctrl+X"};
    QTest::newRow("Ctrl+V") << QStringList{"Ctrl+V"};
    QTest::newRow("Ctrl+Z after a try") << QStringList{"X", "Ctrl+Z"};
}

void TestFrmBDNo::keysChangeNothing()
{
    QFETCH(QStringList, keys);
    pressNext(u"ANN"_s, u"LEE"_s, 14, 7, 1985);
    QGuiApplication::clipboard()->setText(u"pasted"_s);
    reading::ReadingDisplay &display = reading::frmBDNo->txtDisplay();
    display.setFocus();
    pressKeys(display, keys);
    QCOMPARE(display.toPlainText(), shownReading(14));
    QVERIFY(display.isReadOnly());
}

void TestFrmBDNo::keyboardCopiesTheSelection()
{
    pressNext(u"ANN"_s, u"LEE"_s, 14, 7, 1985);
    m_desktop->clipboardText = u"ours"_s;
    m_desktop->clipboardOwned = true;
    reading::ReadingDisplay &display = reading::frmBDNo->txtDisplay();
    display.setFocus();
    pressKeys(display, {u"Shift+End"_s, u"Ctrl+C"_s});
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Your Birthday Number is: 14"_s);
    // Keys are no mouse activity: the guard leaves the clipboard alone.
    QCOMPARE(m_desktop->clipboardText, u"ours"_s);
    QTest::mouseMove(display.viewport(), QPoint(40, 30));
    // A real desktop delivers the move when it moves the pointer, a little later.
    QTRY_VERIFY(m_desktop->clipboardText.isEmpty());
}

void TestFrmBDNo::mouseTakesBackOnlyOwnClipboard_data()
{
    QTest::addColumn<bool>("ours");
    QTest::addColumn<QString>("activity");
    QTest::addColumn<QString>("left");
    for (const char *activity : {"move", "press", "click"}) {
        QTest::addRow("another program's text survives a %s", activity) << false << activity << "copied elsewhere";
        QTest::addRow("our own text goes on a %s", activity) << true << activity << "";
    }
}

void TestFrmBDNo::mouseTakesBackOnlyOwnClipboard()
{
    QFETCH(bool, ours);
    QFETCH(QString, activity);
    QFETCH(QString, left);
    pressNext(u"ANN"_s, u"LEE"_s, 14, 7, 1985);
    m_desktop->clipboardText = u"copied elsewhere"_s;
    m_desktop->clipboardOwned = ours;
    QWidget *surface = reading::frmBDNo->txtDisplay().viewport();
    if (activity == "move"_L1)
        QTest::mouseMove(surface, QPoint(40 + m_desktop->clipboardOwned, 30));
    else if (activity == "press"_L1)
        QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(40, 30));
    else
        QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(40, 30));
    QTRY_COMPARE(m_desktop->clipboardText, left);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(40, 30));
}

void TestFrmBDNo::pressInsideASelectionStartsNoDrag()
{
    pressNext(u"ANN"_s, u"LEE"_s, 14, 7, 1985);
    reading::ReadingDisplay &display = reading::frmBDNo->txtDisplay();
    display.selectAll();
    QTest::mousePress(display.viewport(), Qt::LeftButton, {}, QPoint(40, 10));
    QVERIFY(!display.textCursor().hasSelection());
    QTest::mouseRelease(display.viewport(), Qt::LeftButton, {}, QPoint(40, 10));
}

void TestFrmBDNo::clickIsAReleaseInsideTheText_data()
{
    QTest::addColumn<QPoint>("releasedAt");
    QTest::addColumn<QStringList>("told");
    const QStringList click{u"down"_s, u"up"_s, u"click"_s};
    const QStringList noClick{u"down"_s, u"up"_s};
    QTest::newRow("inside") << QPoint(40, 30) << click;
    QTest::newRow("on the last pixel") << QPoint(199, 99) << click;
    QTest::newRow("just right of it") << QPoint(200, 30) << noClick;
    QTest::newRow("just below it") << QPoint(40, 100) << noClick;
}

void TestFrmBDNo::clickIsAReleaseInsideTheText()
{
    QFETCH(QPoint, releasedAt);
    QFETCH(QStringList, told);
    reading::ReadingDisplay display;
    display.setFrameStyle(QFrame::NoFrame);
    display.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    display.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    display.resize(200, 100);
    display.show();
    QVERIFY(QTest::qWaitForWindowExposed(&display));
    QCOMPARE(display.viewport()->size(), QSize(200, 100));
    QStringList heard;
    QObject::connect(&display, &reading::ReadingDisplay::mouseDown, [&] { heard.append(u"down"_s); });
    QObject::connect(&display, &reading::ReadingDisplay::mouseUp, [&] { heard.append(u"up"_s); });
    QObject::connect(&display, &reading::ReadingDisplay::clicked, [&] { heard.append(u"click"_s); });
    QTest::mousePress(display.viewport(), Qt::LeftButton, {}, QPoint(40, 30));
    QTest::mouseRelease(display.viewport(), Qt::LeftButton, {}, releasedAt);
    QCOMPARE(heard, told);
}

QTEST_MAIN(TestFrmBDNo)
#include "tst_frmbdno.moc"
