#include "fixture/WindowTest.h"
#include "platform/QtPlatform.h"
#include "platform/RecordingPlatform.h"
#include "reading/FrmBDNo.h"
#include "reading/ReadingDisplay.h"
#include "support/FrmNagScreen2.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The real clipboard, counting how often the program asked it to clear.
class CountingClipboard final : public platform::Clipboard {
public:
    void clearOwnContents() override
    {
        ++calls;
        m_real.clearOwnContents();
    }
    int calls = 0;

private:
    platform::QtClipboard m_real;
};

// What another program gets when it pastes; empty when nobody owns the selection.
QString pasted(const QString &selection)
{
    QProcess reader;
    reader.start(u"xclip"_s, {u"-o"_s, u"-selection"_s, selection});
    // This program may be the owner that has to answer, so its events must go on.
    if (!QTest::qWaitFor([&] { return reader.state() == QProcess::NotRunning; }, 20000))
        return u"(xclip hung)"_s;
    return reader.exitCode() == 0 ? QString::fromUtf8(reader.readAllStandardOutput()) : QString();
}

// A point the pointer has not been at, so that each move is one.
QPoint freshPoint()
{
    static int moves = 0;
    ++moves;
    return {20 + 7 * (moves % 40), 30 + moves % 2};
}

} // namespace

// The windows on an X server of its own, with xclip as the other program.
class TestX11Desktop : public WindowTest {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void mouseTakesBackOnlyOwnClipboard_data();
    void mouseTakesBackOnlyOwnClipboard();
    void windowOpensCentredOnTheScreen();
    void supportWindowAsksToStayAboveOthers();

private:
    CountingClipboard m_clipboard;
    QProcess m_other;
};

void TestX11Desktop::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
}

void TestX11Desktop::init()
{
    WindowTest::init();
    // The recording desktop puts back what it replaced when it goes.
    platform::install({m_desktop.get(), m_desktop.get(), m_desktop.get(), &m_clipboard, m_desktop.get(),
                       m_desktop.get(), m_desktop.get()});
    m_clipboard.calls = 0;
}

void TestX11Desktop::cleanup()
{
    if (m_other.state() != QProcess::NotRunning) {
        m_other.kill();
        m_other.waitForFinished();
    }
    WindowTest::cleanup();
}

void TestX11Desktop::mouseTakesBackOnlyOwnClipboard_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<int>("mode");
    QTest::newRow("clipboard") << u"clipboard"_s << int(QClipboard::Clipboard);
    QTest::newRow("primary selection") << u"primary"_s << int(QClipboard::Selection);
}

void TestX11Desktop::mouseTakesBackOnlyOwnClipboard()
{
    QFETCH(QString, selection);
    QFETCH(int, mode);
    const auto clipboardMode = QClipboard::Mode(mode);
    reading::frmBDNo.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&reading::frmBDNo.get()));
    QWidget *surface = reading::frmBDNo->txtDisplay().viewport();
    QClipboard *clipboard = QGuiApplication::clipboard();

    // xclip stays in the foreground and owns the selection until another program takes it.
    m_other.start(u"xclip"_s, {u"-quiet"_s, u"-selection"_s, selection});
    QVERIFY(m_other.waitForStarted());
    m_other.write("copied in another program");
    m_other.closeWriteChannel();
    QTRY_COMPARE(clipboard->text(clipboardMode), u"copied in another program"_s);

    QTest::mouseMove(surface, freshPoint());
    QTRY_VERIFY(m_clipboard.calls > 0);
    QCOMPARE(pasted(selection), u"copied in another program"_s);
    QCOMPARE(m_other.state(), QProcess::Running);

    clipboard->setText(u"copied here"_s, clipboardMode);
    // Losing the selection ends xclip.
    QVERIFY(m_other.waitForFinished(20000));
    QCOMPARE(pasted(selection), u"copied here"_s);
    const int before = m_clipboard.calls;
    QTest::mouseMove(surface, freshPoint());
    QTRY_VERIFY(m_clipboard.calls > before);
    QCOMPARE(pasted(selection), QString());
}

void TestX11Desktop::windowOpensCentredOnTheScreen()
{
    reading::frmBDNo.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&reading::frmBDNo.get()));
    // The server's screen is 1280 by 1024; with no window manager there is no frame.
    QCOMPARE(reading::frmBDNo->screen()->geometry(), QRect(0, 0, 1280, 1024));
    QTRY_COMPARE(reading::frmBDNo->frameGeometry(), QRect(427, 338, 425, 348));
}

void TestX11Desktop::supportWindowAsksToStayAboveOthers()
{
    support::frmNagScreen2.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&support::frmNagScreen2.get()));
    // What a window manager reads to keep it on top.
    QProcess xprop;
    xprop.start(u"xprop"_s, {u"-id"_s, QString::number(support::frmNagScreen2->winId()), u"_NET_WM_STATE"_s});
    QVERIFY(xprop.waitForFinished(20000));
    QCOMPARE(xprop.exitCode(), 0);
    const QString state = QString::fromUtf8(xprop.readAllStandardOutput());
    QVERIFY2(state.contains(u"_NET_WM_STATE_ABOVE"), qPrintable(state));
}

QTEST_MAIN(TestX11Desktop)
#include "tst_x11desktop.moc"
