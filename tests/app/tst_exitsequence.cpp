#include "app/Forms.h"
#include "platform/RecordingPlatform.h"
#include "platform/Windows.h"
#include "reading/FrmBDNo.h"
#include "reading/FrmMain.h"
#include "support/FrmNagScreen2.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

void next()
{
    frmMain->findChild<QLineEdit *>(QStringLiteral("txtFirstName"))->setText(QStringLiteral("ANN"));
    frmMain->findChild<QLineEdit *>(QStringLiteral("txtLastName"))->setText(QStringLiteral("LEE"));
    QTest::mouseClick(frmMain->findChild<QPushButton *>(QStringLiteral("cmdNext")), Qt::LeftButton);
}

void back()
{
    QTest::mouseClick(frmBDNo->findChild<QPushButton *>(QStringLiteral("cmdback")), Qt::LeftButton);
}

} // namespace

class TestExitSequence : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void leavingShowsTheSupportWindowUntilItCloses_data();
    void leavingShowsTheSupportWindowUntilItCloses();
    void switchesNeverLeaveTheSupportWindowOnScreen();

private:
    std::unique_ptr<RecordingPlatform> m_desktop;
};

void TestExitSequence::init()
{
    m_desktop = std::make_unique<RecordingPlatform>();
    frmMain.Show();
}

void TestExitSequence::cleanup()
{
    QVERIFY(unloadEveryWindow());
    m_desktop.reset();
}

void TestExitSequence::leavingShowsTheSupportWindowUntilItCloses_data()
{
    QTest::addColumn<QString>("leave");
    QTest::addColumn<bool>("closeBox");
    for (const char *leave : {"File, Exit", "entry close box", "result close box"}) {
        QTest::addRow("%s, then Exit", leave) << leave << false;
        QTest::addRow("%s, then its close box", leave) << leave << true;
    }
}

void TestExitSequence::leavingShowsTheSupportWindowUntilItCloses()
{
    QFETCH(QString, leave);
    QFETCH(bool, closeBox);
    if (leave == QLatin1String("File, Exit")) {
        frmMain->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
    } else if (leave == QLatin1String("entry close box")) {
        frmMain->close();
    } else {
        next();
        frmBDNo->close();
    }
    QCOMPARE(forms::loaded().size(), 1);
    QVERIFY(frmNagScreen2.isLoaded());
    QVERIFY(frmNagScreen2->isVisible());
    QCOMPARE(m_desktop->ends, 0);

    if (closeBox)
        frmNagScreen2->close();
    else
        QTest::mouseClick(frmNagScreen2->findChild<QPushButton *>(QStringLiteral("cmdClose")), Qt::LeftButton);
    QVERIFY(forms::loaded().isEmpty());
    QCOMPARE(m_desktop->ends, 1);
    QVERIFY(m_desktop->messages.isEmpty());
}

void TestExitSequence::switchesNeverLeaveTheSupportWindowOnScreen()
{
    next();
    FrmNagScreen2 *support = &frmNagScreen2.get();
    QVERIFY(!support->isVisible());
    back();
    QVERIFY(!support->isVisible());
    next();
    back();
    QCOMPARE(&frmNagScreen2.get(), support);
    QVERIFY(!support->isVisible());
    QVERIFY(frmMain->isVisible());
    QCOMPARE(forms::loaded().size(), 2);
    QCOMPARE(m_desktop->ends, 0);
}

QTEST_MAIN(TestExitSequence)
#include "tst_exitsequence.moc"
