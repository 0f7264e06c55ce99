#include "web/LinkPlacement.h"

#include <QFontMetricsF>
#include <QTest>
#include <QtMath>

using namespace Qt::StringLiterals;

namespace {

enum class Place { Designed, EndOfLastLine, OwnLine };

const QString words = u"home of Velmora Softwares."_s;

QFont textFont()
{
    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(11);
    return font;
}

// The width of the words on one line.
int wordsWidth()
{
    return qCeil(QFontMetricsF(textFont()).horizontalAdvance(words));
}

} // namespace

Q_DECLARE_METATYPE(Place)

// The link after the last words of a wrapped text, whatever the fonts make of it.
class TestLinkPlacement : public QObject {
    Q_OBJECT

private slots:
    void linkNeverCoversTheText_data();
    void linkNeverCoversTheText();
};

void TestLinkPlacement::linkNeverCoversTheText_data()
{
    QTest::addColumn<int>("areaWidth");
    QTest::addColumn<int>("designedLeft");
    QTest::addColumn<int>("linkWidth");
    QTest::addColumn<Place>("expected");
    const int wide = wordsWidth() + 300;
    QTest::newRow("the words end before the designed place") << wide << wordsWidth() + 20 << 120 << Place::Designed;
    QTest::newRow("the words reach into it, the line has room")
        << wide << wordsWidth() / 2 << 120 << Place::EndOfLastLine;
    QTest::newRow("the words fill the line") << wordsWidth() + 2 << wordsWidth() / 2 << 120 << Place::OwnLine;
    QTest::newRow("a link wider than the room left") << wide << 10 << 310 << Place::OwnLine;
}

void TestLinkPlacement::linkNeverCoversTheText()
{
    QFETCH(int, areaWidth);
    QFETCH(int, designedLeft);
    QFETCH(int, linkWidth);
    QFETCH(Place, expected);
    const QRect area(50, 40, areaWidth, 26);
    const QRect designed(area.left() + designedLeft, area.top(), linkWidth, 15);
    const int edge = area.right() + 1;

    const web::LinkPlace place = web::placeLinkAfter(words, textFont(), area, designed, edge);

    const int wordsEnd = area.left() + wordsWidth();
    switch (expected) {
    case Place::Designed:
        QCOMPARE(place.link, designed);
        QCOMPARE(place.push, 0);
        break;
    case Place::EndOfLastLine:
        QVERIFY(place.link.left() > wordsEnd);
        QCOMPARE(place.link.top(), area.top());
        QVERIFY(place.link.right() < edge);
        QCOMPARE(place.push, 0);
        break;
    case Place::OwnLine:
        QCOMPARE(place.link.left(), area.left());
        QVERIFY(place.link.top() >= area.top() + qFloor(QFontMetricsF(textFont()).height()));
        QCOMPARE(place.push, qMax(0, place.link.bottom() - area.bottom()));
        break;
    }
    QCOMPARE(place.link.size(), designed.size());
}

QTEST_MAIN(TestLinkPlacement)
#include "tst_linkplacement.moc"
