#include "BuildFacts.h"
#include "SiteAddresses.h"
#include "fixture/ProgramWindows.h"
#include "fixture/WindowTest.h"
#include "platform/RecordingPlatform.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Control {
    const char *window;
    const char *name;
    QAccessible::Role role;
    const char *spoken;
    const char *description;
};

// What a list is spoken by: on Linux its current item, so that its description
// tells which list it is; on Windows its name.
constexpr const char *listSpoken(const char *currentItem, const char *name)
{
#ifdef Q_OS_WIN
    Q_UNUSED(currentItem);
    return name;
#else
    Q_UNUSED(name);
    return currentItem;
#endif
}

// Every control that takes the focus, window by window; <host> stands for the
// maker's host.
const Control focusable[] = {
    {"entry", "txtFirstName", QAccessible::EditableText, "First Name", ""},
    {"entry", "txtMiddleName", QAccessible::EditableText, "Middle Name", ""},
    {"entry", "txtLastName", QAccessible::EditableText, "Last Name", ""},
    {"entry", "cboMonth", QAccessible::ComboBox, listSpoken("January", "Month"), "Month of birth"},
    {"entry", "cboDate", QAccessible::ComboBox, listSpoken("1", "Day"), "Day of birth"},
    {"entry", "cboYear", QAccessible::ComboBox, listSpoken("1900", "Year"), "Year of birth"},
    {"entry", "cmdNext", QAccessible::Button, "Next", ""},
    {"result", "cmdback", QAccessible::Button, "Back", ""},
    {"result", "txtDisplay", QAccessible::EditableText, "Your Birthday Number Reading", ""},
    {"about", "cmdOK", QAccessible::Button, "OK", ""},
    {"support", "cmdClose", QAccessible::Button, "Exit", ""},
    {"support", "Check1", QAccessible::CheckBox, "Click Here To Visit <host> Now", ""},
    {"support", "txtName", QAccessible::EditableText, "Your Name", ""},
    {"support", "cmdSubmit", QAccessible::Button, "Refer A Friend Now", ""},
    {"support", "txtEmail", QAccessible::EditableText, "Your Email Address", ""},
    {"support", "txtFriendEmail", QAccessible::EditableText, "Friend's Email Address", ""},
    {"support", "txtFriendName", QAccessible::EditableText, "Friend's Name", ""},
    {"support", "txtMessage", QAccessible::EditableText, "Your Message", ""},
};

bool takesTheFocus(QAccessibleInterface &node)
{
    const QAccessible::State state = node.state();
    return state.focusable && !state.invisible;
}

void collectFocusable(QAccessibleInterface &node, QStringList &names)
{
    if (node.object() && takesTheFocus(node))
        names.append(node.object()->objectName());
    for (int index = 0; index < node.childCount(); ++index) {
        if (QAccessibleInterface *child = node.child(index))
            collectFocusable(*child, names);
    }
}

void typeInto(QWidget &box, const QString &text)
{
    box.setFocus();
    if (auto *line = qobject_cast<QLineEdit *>(&box))
        line->setText(text);
    else if (auto *lines = qobject_cast<QPlainTextEdit *>(&box))
        lines->setPlainText(text);
}

QString spokenName(const Control &control)
{
    return QString::fromUtf8(control.spoken).replace("<host>"_L1, QLatin1String(buildfacts::host));
}

} // namespace

class TestAccessibility : public WindowTest {
    Q_OBJECT

private slots:
    void windowsAreAnnouncedWithTheirCaption_data();
    void windowsAreAnnouncedWithTheirCaption();
    void everyFocusableControlIsInTheTable_data();
    void everyFocusableControlIsInTheTable();
    void controlsSayWhatTheyAre_data();
    void controlsSayWhatTheyAre();
    void boxesKeepTheirNamesWhileFilled_data();
    void boxesKeepTheirNamesWhileFilled();
    void linksCanBeFollowed_data();
    void linksCanBeFollowed();
    void visitButtonCanBeFollowed();
    void pictureIsNamed_data();
    void pictureIsNamed();
};

void TestAccessibility::windowsAreAnnouncedWithTheirCaption_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::newRow("entry window") << "entry" << QAccessible::Window;
    QTest::newRow("result window") << "result" << QAccessible::Window;
    QTest::newRow("about window") << "about" << QAccessible::Dialog;
    QTest::newRow("support window") << "support" << QAccessible::Window;
}

void TestAccessibility::windowsAreAnnouncedWithTheirCaption()
{
    QFETCH(QString, window);
    QFETCH(QAccessible::Role, role);
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(&showProgramWindow(window));
    QVERIFY(node);
    QCOMPARE(node->role(), role);
    QCOMPARE(node->text(QAccessible::Name), "Orvane Birthday Number v"_L1 + buildfacts::version);
}

void TestAccessibility::everyFocusableControlIsInTheTable_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("names");
    QMap<QString, QStringList> byWindow;
    for (const Control &control : focusable)
        byWindow[QLatin1String(control.window)].append(QLatin1String(control.name));
    for (auto window = byWindow.cbegin(); window != byWindow.cend(); ++window)
        QTest::newRow(qPrintable(window.key())) << window.key() << window.value();
}

void TestAccessibility::everyFocusableControlIsInTheTable()
{
    QFETCH(QString, window);
    QFETCH(QStringList, names);
    QStringList found;
    collectFocusable(*QAccessible::queryAccessibleInterface(&showProgramWindow(window)), found);
    found.sort();
    names.sort();
    QCOMPARE(found, names);
}

void TestAccessibility::controlsSayWhatTheyAre_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<QString>("description");
    for (const Control &control : focusable) {
        QTest::addRow("%s %s", control.window, control.name)
            << control.window << control.name << control.role << spokenName(control) << control.description;
    }
}

void TestAccessibility::controlsSayWhatTheyAre()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, spoken);
    QFETCH(QString, description);
    QAccessibleInterface *node =
        QAccessible::queryAccessibleInterface(showProgramWindow(window).findChild<QWidget *>(name));
    QVERIFY(node);
    QCOMPARE(node->role(), role);
    QCOMPARE(node->text(QAccessible::Name), spoken);
    QCOMPARE(node->text(QAccessible::Description), description);
}

void TestAccessibility::boxesKeepTheirNamesWhileFilled_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("spoken");
    for (const Control &control : focusable) {
        if (control.role == QAccessible::EditableText && qstrcmp(control.name, "txtDisplay") != 0) {
            QTest::addRow("%s %s", control.window, control.name)
                << control.window << control.name << spokenName(control);
        }
    }
}

void TestAccessibility::boxesKeepTheirNamesWhileFilled()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, spoken);
    QWidget *box = showProgramWindow(window).findChild<QWidget *>(name);
    typeInto(*box, u"ANN LEE"_s);
    QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name), spoken);
}

void TestAccessibility::linksCanBeFollowed_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("page");
    for (const char *window : {"entry", "result"}) {
        QTest::addRow("%s Label61", window) << window << "Label61"
                                            << "home-page";
        QTest::addRow("%s lblCobrand", window) << window << "lblCobrand"
                                               << "co-brand";
        QTest::addRow("%s lblFullBrand", window) << window << "lblFullBrand"
                                                 << "fully-branded";
    }
    QTest::newRow("about lblHomePage") << "about"
                                       << "lblHomePage"
                                       << "home-page";
    QTest::newRow("about lblCobrand") << "about"
                                      << "lblCobrand"
                                      << "fully-branded";
    QTest::newRow("support lblGoToHome") << "support"
                                         << "lblGoToHome"
                                         << "velmorasoftwares";
}

void TestAccessibility::linksCanBeFollowed()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, page);
    auto *label = showProgramWindow(window).findChild<QLabel *>(name);
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(label);
    QVERIFY(node);
    QCOMPARE(node->role(), QAccessible::Link);
    QVERIFY(!label->text().trimmed().isEmpty());
    QCOMPARE(node->text(QAccessible::Name), label->text().trimmed());
    QAccessibleActionInterface *actions = node->actionInterface();
    QVERIFY(actions);
    QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_desktop->openedAddresses, QStringList{expected::pageAddress(page)});
}

// A check box to Qt, it stays one to a screen reader; its toggle is a click.
void TestAccessibility::visitButtonCanBeFollowed()
{
    auto *visit = showProgramWindow(u"support").findChild<QAbstractButton *>(u"Check1"_s);
    QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(visit)->actionInterface();
    actions->doAction(QAccessibleActionInterface::toggleAction());
    actions->doAction(QAccessibleActionInterface::toggleAction());
    const QString home = expected::pageAddress(u"home-page"_s);
    QCOMPARE(m_desktop->openedAddresses, QStringList({home, home}));
    QVERIFY(!visit->isChecked());
}

void TestAccessibility::pictureIsNamed_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::newRow("about Picture1") << "about"
                                    << "Picture1";
    QTest::newRow("support picNagscreen2Icon") << "support"
                                               << "picNagscreen2Icon";
}

void TestAccessibility::pictureIsNamed()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QAccessibleInterface *node =
        QAccessible::queryAccessibleInterface(showProgramWindow(window).findChild<QWidget *>(name));
    QCOMPARE(node->role(), QAccessible::Graphic);
    QCOMPARE(node->text(QAccessible::Name), u"Program Icon"_s);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
