#include "fixture/WindowTest.h"
#include "forms/lifecycle/Forms.h"
#include "forms/lifecycle/UnloadAllAndEnd.h"
#include "forms/widgets/LinkLabel.h"
#include "platform/RecordingPlatform.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QStringList events;

// A window that writes what happens to it into events.
class Probe : public QWidget, public forms::Form {
public:
    explicit Probe(QString name)
        : forms::Form(static_cast<QWidget &>(*this))
        , text(new QLineEdit(this))
        , m_name(std::move(name))
    {
        // Laid out like the program's windows: ~QWidget deletes the layout and
        // so still sends the window events after its Form part is gone.
        (new QVBoxLayout(this))->addWidget(text);
        resize(200, 100);
    }
    QLineEdit *text;
    std::function<void()> onUnload;

protected:
    void Form_Load() override { events.append(m_name + " load"_L1); }
    void Form_Unload() override
    {
        events.append(m_name + " unload"_L1);
        if (onUnload)
            onUnload();
    }

private:
    QString m_name;
};

struct First : Probe {
    First()
        : Probe(u"first"_s)
    {
    }
};
struct Second : Probe {
    Second()
        : Probe(u"second"_s)
    {
    }
};
struct Third : Probe {
    Third()
        : Probe(u"third"_s)
    {
    }
};

forms::FormRef<First> first;
forms::FormRef<Second> second;
forms::FormRef<Third> third;

} // namespace

class TestForms : public WindowTest {
    Q_OBJECT

private slots:
    void init();

    void hiddenWindowKeepsItsContents();
    void unloadedWindowComesBackAfresh();
    void closeBoxUnloads();
    void windowMayUnloadItselfFromItsOwnHandler();
    void windowsAreFixedAndCentred();
    void endRoutineUnloadsFirstLoadedFirst();
    void endRoutineEntersItselfFromAnUnloadHandler();
    void endRoutineAlsoUnloadsWhatAnUnloadHandlerShows();
    void unloadFromItsOwnUnloadHandlerUnloadsOnce();
    void windowShownDuringAnUnloadComesOnAfterIt_data();
    void windowShownDuringAnUnloadComesOnAfterIt();
    void plainWidgetStandingAloneIsAWindow_data();
    void plainWidgetStandingAloneIsAWindow();
    void linkFollowsOnlyALeftClickInside_data();
    void linkFollowsOnlyALeftClickInside();
    void screenReaderFollowsTheLinkByItsWords_data();
    void screenReaderFollowsTheLinkByItsWords();
};

void TestForms::init()
{
    WindowTest::init();
    events.clear();
}

void TestForms::hiddenWindowKeepsItsContents()
{
    first.Show();
    first->text->setText(u"kept"_s);
    first.Hide();
    QVERIFY(first.isLoaded());
    first.Show();
    QCOMPARE(first->text->text(), u"kept"_s);
    QCOMPARE(events, QStringList({"first load"}));
}

void TestForms::unloadedWindowComesBackAfresh()
{
    first.Show();
    first->text->setText(u"gone"_s);
    first.Unload();
    QVERIFY(!first.isLoaded());
    QVERIFY(forms::loaded().isEmpty());
    first.Show();
    QVERIFY(first->text->text().isEmpty());
    QCOMPARE(events, QStringList({"first load", "first unload", "first load"}));
}

void TestForms::closeBoxUnloads()
{
    first.Show();
    QVERIFY(QTest::qWaitForWindowExposed(&first.get()));
    first->close();
    QVERIFY(!first.isLoaded());
    QCOMPARE(events, QStringList({u"first load"_s, u"first unload"_s}));
}

void TestForms::windowMayUnloadItselfFromItsOwnHandler()
{
    first.Show();
    auto *button = new QPushButton(&first.get());
    QPointer<QLineEdit> text = first->text;
    QObject::connect(button, &QPushButton::clicked, [&] {
        first.Unload();
        // The window must still be there for the rest of its handler.
        text->setText(u"after unload"_s);
        second.Show();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(forms::loaded().size(), 1);
    QVERIFY(second.isLoaded());
    QTRY_VERIFY(text.isNull());
}

void TestForms::windowsAreFixedAndCentred()
{
    first.Show();
    QCOMPARE(first->minimumSize(), QSize(200, 100));
    QCOMPARE(first->maximumSize(), QSize(200, 100));
    QVERIFY(!(first->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(first->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!first->windowIcon().isNull());
    // Where it lands is written out for Qt's offscreen screen, 800 by 800; a
    // real desktop's frame depends on its window manager, and the Xvfb test
    // checks the place there.
    if (QGuiApplication::platformName() != "offscreen"_L1)
        QSKIP("the place is checked on the offscreen screen");
    // The window is centred by its own size: the 2-pixel frame this platform
    // adds is known only once it is shown.
    QCOMPARE(first->screen()->availableGeometry(), QRect(0, 0, 800, 800));
    QCOMPARE(first->frameGeometry(), QRect(300, 350, 204, 104));
}

void TestForms::endRoutineUnloadsFirstLoadedFirst()
{
    second.Show();
    first.Show();
    third.Hide();
    forms::UnloadAllAndEnd();
    QCOMPARE(events,
             QStringList({"second load", "first load", "third load", "second unload", "first unload", "third unload"}));
    QVERIFY(forms::loaded().isEmpty());
    QCOMPARE(m_desktop->ends, 1);
}

void TestForms::endRoutineEntersItselfFromAnUnloadHandler()
{
    first.Show();
    second.Show();
    third.Show();
    second->onUnload = [] { forms::UnloadAllAndEnd(); };
    forms::UnloadAllAndEnd();
    QCOMPARE(events,
             QStringList({"first load", "second load", "third load", "first unload", "second unload", "third unload"}));
    QCOMPARE(m_desktop->ends, 1);
}

void TestForms::endRoutineAlsoUnloadsWhatAnUnloadHandlerShows()
{
    first.Show();
    first->onUnload = [] { second.Show(); };
    forms::UnloadAllAndEnd();
    QCOMPARE(events, QStringList({"first load", "first unload", "second load", "second unload"}));
    QVERIFY(forms::loaded().isEmpty());
    QCOMPARE(m_desktop->ends, 1);
}

void TestForms::unloadFromItsOwnUnloadHandlerUnloadsOnce()
{
    first.Show();
    first->onUnload = [] { first.Unload(); };
    first.Unload();
    QCOMPARE(events, QStringList({u"first load"_s, u"first unload"_s}));
    QVERIFY(!first.isLoaded());
}

void TestForms::windowShownDuringAnUnloadComesOnAfterIt_data()
{
    QTest::addColumn<int>("shows");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<bool>("visible");
    QTest::newRow("shown") << 1 << false << true;
    QTest::newRow("shown, then hidden") << 1 << true << false;
    QTest::newRow("shown twice, then hidden") << 2 << true << false;
}

void TestForms::windowShownDuringAnUnloadComesOnAfterIt()
{
    QFETCH(int, shows);
    QFETCH(bool, hidden);
    QFETCH(bool, visible);
    first.Show();
    first->onUnload = [&] {
        for (int i = 0; i < shows; ++i)
            second.Show();
        if (hidden)
            second.Hide();
        QVERIFY(!second->isVisible());
    };
    QPointer<QWidget> unloaded = &first.get();
    first.Unload();
    // Pending shows are settled before the unloaded window is deleted.
    QTRY_VERIFY(unloaded.isNull());
    QVERIFY(second.isLoaded());
    QCOMPARE(second->isVisible(), visible);
}

void TestForms::plainWidgetStandingAloneIsAWindow_data()
{
    QTest::addColumn<bool>("alone");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::newRow("standing alone") << true << QAccessible::Window;
    QTest::newRow("inside a window") << false << QAccessible::Client;
}

void TestForms::plainWidgetStandingAloneIsAWindow()
{
    QFETCH(bool, alone);
    QFETCH(QAccessible::Role, role);
    // The program's windows install the reading once the first is built.
    first.Show();
    QWidget outer;
    QWidget *plain = alone ? &outer : new QWidget(&outer);
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(plain);
    QVERIFY(node);
    QCOMPARE(node->role(), role);
}

void TestForms::linkFollowsOnlyALeftClickInside_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("releasedAt");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left button, released inside") << int(Qt::LeftButton) << QPoint(10, 5) << 1;
    QTest::newRow("left button, released on the last pixel") << int(Qt::LeftButton) << QPoint(99, 19) << 1;
    QTest::newRow("left button, released just right of it") << int(Qt::LeftButton) << QPoint(100, 5) << 0;
    QTest::newRow("left button, released just below it") << int(Qt::LeftButton) << QPoint(10, 20) << 0;
    QTest::newRow("right button") << int(Qt::RightButton) << QPoint(10, 5) << 0;
    QTest::newRow("middle button") << int(Qt::MiddleButton) << QPoint(10, 5) << 0;
}

void TestForms::linkFollowsOnlyALeftClickInside()
{
    QFETCH(int, button);
    QFETCH(QPoint, releasedAt);
    QFETCH(int, clicks);
    forms::LinkLabel link;
    link.setText(u"Visit"_s);
    link.setFixedSize(100, 20);
    int clicked = 0;
    QObject::connect(&link, &forms::LinkLabel::clicked, [&] { ++clicked; });
    QTest::mousePress(&link, Qt::MouseButton(button), {}, QPoint(10, 5));
    QTest::mouseRelease(&link, Qt::MouseButton(button), {}, releasedAt);
    QCOMPARE(clicked, clicks);
    QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
}

void TestForms::screenReaderFollowsTheLinkByItsWords_data()
{
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("clicks");
    QTest::newRow("its words, trimmed") << QString() << u"Press"_s << u"Visit us now"_s << 1;
    QTest::newRow("a name of its own") << u"Site"_s << u"Press"_s << u"Site"_s << 1;
    QTest::newRow("another action does nothing") << QString() << u"Toggle"_s << u"Visit us now"_s << 0;
}

void TestForms::screenReaderFollowsTheLinkByItsWords()
{
    QFETCH(QString, accessibleName);
    QFETCH(QString, action);
    QFETCH(QString, name);
    QFETCH(int, clicks);
    forms::LinkLabel link;
    link.setText(u"  Visit us now \n"_s);
    link.setToolTip(u"Opens the site"_s);
    link.setAccessibleName(accessibleName);
    int clicked = 0;
    QObject::connect(&link, &forms::LinkLabel::clicked, [&] { ++clicked; });
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(&link);
    QVERIFY(node);
    QCOMPARE(node->role(), QAccessible::Link);
    QCOMPARE(node->text(QAccessible::Name), name);
    QCOMPARE(node->text(QAccessible::Description), u"Opens the site"_s);
    QCOMPARE(node->actionInterface()->actionNames(), QStringList{u"Press"_s});
    node->actionInterface()->doAction(action);
    QCOMPARE(clicked, clicks);
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
