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

namespace {

template <class T>
T *entry(const char *name)
{
    return frmMain->findChild<T *>(QLatin1String(name));
}

void pressNext(const QString &first, const QString &last, int day, int month, int year)
{
    entry<QLineEdit>("txtFirstName")->setText(first);
    entry<QLineEdit>("txtLastName")->setText(last);
    entry<QComboBox>("cboDate")->setCurrentIndex(day - 1);
    entry<QComboBox>("cboMonth")->setCurrentIndex(month - 1);
    entry<QComboBox>("cboYear")->setCurrentIndex(year - reading::firstListedYear);
    QTest::mouseClick(entry<QPushButton>("cmdNext"), Qt::LeftButton);
    if (frmBDNo.isLoaded()) {
        frmBDNo->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frmBDNo.get()));
    }
}

QString shownReading(int number)
{
    return reading::readingText(number).replace(QLatin1String("\r\n"), QLatin1String("\n"));
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
    frmMain.Show();
    QVERIFY(QTest::qWaitForWindowActive(&frmMain.get()));
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
    entry<QLineEdit>("txtFirstName")->setText(QStringLiteral("ANN"));
    entry<QLineEdit>("txtLastName")->setText(QStringLiteral("LEE"));
    entry<QComboBox>("cboDate")->setCurrentIndex(day - 1);
    entry<QComboBox>("cboMonth")->setCurrentIndex(6);
    if (byMenu)
        frmMain->findChild<QAction *>(QStringLiteral("mnuNext"))->trigger();
    else
        QTest::keyClick(&frmMain.get(), Qt::Key_N, Qt::AltModifier);

    // A button's access key presses it a moment later.
    QTRY_VERIFY(!frmMain.isLoaded());
    QVERIFY(frmBDNo.isLoaded());
    QVERIFY(frmBDNo->isVisible());
    QVERIFY(frmNagScreen2.isLoaded());
    QVERIFY(!frmNagScreen2->isVisible());
    ReadingDisplay &display = frmBDNo->txtDisplay();
    QCOMPARE(display.toPlainText(), shownReading(day));
    QVERIFY(!display.toPlainText().contains(u'\r'));
    QCOMPARE(display.textCursor().position(), 0);
    QCOMPARE(display.verticalScrollBar()->value(), 0);
    QCOMPARE(frmBDNo->focusWidget(), frmBDNo->findChild<QPushButton *>(QStringLiteral("cmdback")));
    QVERIFY(m_desktop->messages.isEmpty());
}

void TestFrmBDNo::readingIgnoresNamesMonthAndYear()
{
    pressNext(QStringLiteral("A"), QStringLiteral("B"), 29, 2, 2000);
    const QString first = frmBDNo->txtDisplay().toPlainText();
    QTest::mouseClick(frmBDNo->findChild<QPushButton *>(QStringLiteral("cmdback")), Qt::LeftButton);
    pressNext(QStringLiteral("ZED"), QStringLiteral("QUINN"), 29, 12, 2050);
    QCOMPARE(frmBDNo->txtDisplay().toPlainText(), first);
    QVERIFY(first.startsWith(QLatin1String("Your Birthday Number is: 29\n")));
}

void TestFrmBDNo::refusedNextChangesNothing()
{
    pressNext(QStringLiteral("ANN"), QStringLiteral("LEE"), 31, 4, 1985);
    QCOMPARE(m_desktop->messages.size(), 1);
    QVERIFY(frmMain.isLoaded());
    QVERIFY(frmMain->isVisible());
    QVERIFY(!frmBDNo.isLoaded());
    QVERIFY(!frmNagScreen2.isLoaded());
    QCOMPARE(entry<QLineEdit>("txtFirstName")->text(), QStringLiteral("ANN"));
    QCOMPARE(entry<QComboBox>("cboDate")->currentText(), QStringLiteral("31"));
    QCOMPARE(entry<QComboBox>("cboMonth")->currentText(), QStringLiteral("April"));
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
    pressNext(QStringLiteral("ANN"), QStringLiteral("LEE"), 14, 7, 1985);
    auto *back = frmBDNo->findChild<QPushButton *>(QStringLiteral("cmdback"));
    if (key == 0)
        QTest::mouseClick(back, Qt::LeftButton);
    else if (key == Qt::Key_B)
        QTest::keyClick(&frmBDNo.get(), Qt::Key_B, Qt::AltModifier);
    else
        QTest::keyClick(back, Qt::Key(key));

    QTRY_VERIFY(frmMain.isLoaded());
    QVERIFY(!frmBDNo.isLoaded());
    QVERIFY(frmMain->isVisible());
    QVERIFY(frmNagScreen2.isLoaded());
    QVERIFY(!frmNagScreen2->isVisible());
    QVERIFY(entry<QLineEdit>("txtFirstName")->text().isEmpty());
    QVERIFY(entry<QLineEdit>("txtLastName")->text().isEmpty());
    QCOMPARE(entry<QComboBox>("cboDate")->currentText(), QStringLiteral("1"));
    QCOMPARE(entry<QComboBox>("cboMonth")->currentText(), QStringLiteral("January"));
    QCOMPARE(entry<QComboBox>("cboYear")->currentText(), QStringLiteral("1900"));
}

void TestFrmBDNo::readingCannotBeEdited()
{
    pressNext(QStringLiteral("ANN"), QStringLiteral("LEE"), 14, 7, 1985);
    ReadingDisplay &display = frmBDNo->txtDisplay();
    const QString before = display.toPlainText();
    display.setFocus();
    QTest::keyClicks(&display, QStringLiteral("xyz"));
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

QString selection(const ReadingDisplay &display)
{
    return display.textCursor().selectedText().replace(QChar::ParagraphSeparator, u'\n');
}

} // namespace

void TestFrmBDNo::keysSelectInTheReading_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("selected");
    const QString whole = shownReading(14);
    const QString numberLine = QStringLiteral("Your Birthday Number is: 14");
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
    pressNext(QStringLiteral("ANN"), QStringLiteral("LEE"), 14, 7, 1985);
    ReadingDisplay &display = frmBDNo->txtDisplay();
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
    pressNext(QStringLiteral("ANN"), QStringLiteral("LEE"), 14, 7, 1985);
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    ReadingDisplay &display = frmBDNo->txtDisplay();
    display.setFocus();
    pressKeys(display, keys);
    QCOMPARE(display.toPlainText(), shownReading(14));
    QVERIFY(display.isReadOnly());
}

void TestFrmBDNo::keyboardCopiesTheSelection()
{
    pressNext(QStringLiteral("ANN"), QStringLiteral("LEE"), 14, 7, 1985);
    m_desktop->clipboardText = QStringLiteral("ours");
    m_desktop->clipboardOwned = true;
    ReadingDisplay &display = frmBDNo->txtDisplay();
    display.setFocus();
    pressKeys(display, {QStringLiteral("Shift+End"), QStringLiteral("Ctrl+C")});
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Your Birthday Number is: 14"));
    // Keys are no mouse activity: the guard leaves the clipboard alone.
    QCOMPARE(m_desktop->clipboardText, QStringLiteral("ours"));
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
    pressNext(QStringLiteral("ANN"), QStringLiteral("LEE"), 14, 7, 1985);
    m_desktop->clipboardText = QStringLiteral("copied elsewhere");
    m_desktop->clipboardOwned = ours;
    QWidget *surface = frmBDNo->txtDisplay().viewport();
    if (activity == QLatin1String("move"))
        QTest::mouseMove(surface, QPoint(40 + m_desktop->clipboardOwned, 30));
    else if (activity == QLatin1String("press"))
        QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(40, 30));
    else
        QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(40, 30));
    QTRY_COMPARE(m_desktop->clipboardText, left);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(40, 30));
}

void TestFrmBDNo::pressInsideASelectionStartsNoDrag()
{
    pressNext(QStringLiteral("ANN"), QStringLiteral("LEE"), 14, 7, 1985);
    ReadingDisplay &display = frmBDNo->txtDisplay();
    display.selectAll();
    QTest::mousePress(display.viewport(), Qt::LeftButton, {}, QPoint(40, 10));
    QVERIFY(!display.textCursor().hasSelection());
    QTest::mouseRelease(display.viewport(), Qt::LeftButton, {}, QPoint(40, 10));
}

void TestFrmBDNo::clickIsAReleaseInsideTheText_data()
{
    QTest::addColumn<QPoint>("releasedAt");
    QTest::addColumn<QStringList>("told");
    const QStringList click{"down", "up", "click"};
    const QStringList noClick{"down", "up"};
    QTest::newRow("inside") << QPoint(40, 30) << click;
    QTest::newRow("on the last pixel") << QPoint(199, 99) << click;
    QTest::newRow("just right of it") << QPoint(200, 30) << noClick;
    QTest::newRow("just below it") << QPoint(40, 100) << noClick;
}

void TestFrmBDNo::clickIsAReleaseInsideTheText()
{
    QFETCH(QPoint, releasedAt);
    QFETCH(QStringList, told);
    ReadingDisplay display;
    display.setFrameStyle(QFrame::NoFrame);
    display.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    display.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    display.resize(200, 100);
    display.show();
    QVERIFY(QTest::qWaitForWindowExposed(&display));
    QCOMPARE(display.viewport()->size(), QSize(200, 100));
    QStringList heard;
    QObject::connect(&display, &ReadingDisplay::mouseDown, [&] { heard.append(QStringLiteral("down")); });
    QObject::connect(&display, &ReadingDisplay::mouseUp, [&] { heard.append(QStringLiteral("up")); });
    QObject::connect(&display, &ReadingDisplay::clicked, [&] { heard.append(QStringLiteral("click")); });
    QTest::mousePress(display.viewport(), Qt::LeftButton, {}, QPoint(40, 30));
    QTest::mouseRelease(display.viewport(), Qt::LeftButton, {}, releasedAt);
    QCOMPARE(heard, told);
}

QTEST_MAIN(TestFrmBDNo)
#include "tst_frmbdno.moc"
