#include "app/StartUp.h"
#include "fixture/WindowTest.h"
#include "forms/lifecycle/Forms.h"
#include "platform/RecordingPlatform.h"
#include "reading/FrmMain.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

using app::FrontLabel;
Q_DECLARE_METATYPE(app::FrontLabel)

class TestStartUp : public WindowTest {
    Q_OBJECT

private slots:
    void secondCopyIsRefused();
    void firstCopyShowsTheEntryWindow();
    void drawPicksTheOfferInFront_data();
    void drawPicksTheOfferInFront();
};

void TestStartUp::secondCopyIsRefused()
{
    m_desktop->previousInstance = true;
    m_desktop->date = QDate(2030, 1, 1);
    app::StartUp();
    QCOMPARE(m_desktop->messages.size(), 1);
    QCOMPARE(m_desktop->messages.first().text, u"Application is already running"_s);
    QCOMPARE(m_desktop->messages.first().icon, platform::Icon::Information);
    QCOMPARE(m_desktop->messages.first().buttons, platform::Buttons::Ok);
    QCOMPARE(m_desktop->ends, 1);
    QVERIFY(forms::loaded().isEmpty());
    QCOMPARE(m_desktop->seeds, 0);
    QCOMPARE(m_desktop->writes, 0);
}

void TestStartUp::firstCopyShowsTheEntryWindow()
{
    app::StartUp();
    QVERIFY(reading::frmMain.isLoaded());
    QVERIFY(reading::frmMain->isVisible());
    QCOMPARE(m_desktop->seeds, 1);
    QCOMPARE(m_desktop->ends, 0);
}

void TestStartUp::drawPicksTheOfferInFront_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("number");
    QTest::addColumn<FrontLabel>("front");
    QTest::addColumn<QString>("visible");
    QTest::newRow("0") << 0.0f << 1 << FrontLabel::CoBrand << "lblCobrand";
    QTest::newRow("just below 1/12") << 0.0833f << 1 << FrontLabel::CoBrand << "lblCobrand";
    QTest::newRow("0.25 gives 2.5, which goes to 2") << 0.25f << 2 << FrontLabel::FullBrand << "lblFullBrand";
    QTest::newRow("0.5") << 0.5f << 4 << FrontLabel::FullBrand << "lblFullBrand";
    QTest::newRow("0.6 gives 4.6, to 5") << 0.6f << 5 << FrontLabel::CoBrand << "lblCobrand";
    QTest::newRow("0.75 gives 5.5, which goes to 6") << 0.75f << 6 << FrontLabel::FullBrand << "lblFullBrand";
    QTest::newRow("11/12 keeps the design") << 11.0f / 12.0f << 7 << FrontLabel::AsDesigned << "lblFullBrand";
    QTest::newRow("just below 1") << std::nextafter(1.0f, 0.0f) << 7 << FrontLabel::AsDesigned << "lblFullBrand";
}

void TestStartUp::drawPicksTheOfferInFront()
{
    QFETCH(float, r);
    QFETCH(int, number);
    QFETCH(FrontLabel, front);
    QFETCH(QString, visible);
    QCOMPARE(app::coBrandNumber(r), number);
    QCOMPARE(app::frontLabelFor(number), front);

    m_desktop->draws = {r};
    app::StartUp();
    auto *frame = reading::frmMain->findChild<QGroupBox *>(u"fraFullBrand"_s);
    QCOMPARE(frame->childAt(frame->rect().center())->objectName(), visible);
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
