#include <QFile>
#include <QGridLayout>
#include <QMessageBox>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What the program takes from Qt's insides was read in this version's sources.
constexpr char writtenFor[] = "Qt 6.4";

QByteArray changed(const char *what)
{
    return QByteArray(what) + " is no longer where it was in " + writtenFor + "; this is Qt " + qVersion();
}

} // namespace

// Where the program relies on what Qt does not promise: an upgrade that moves
// it fails here, by name, rather than quietly in a window.
class TestQtInternals : public QObject {
    Q_OBJECT

private slots:
    void messageBoxLaysItsContentsOnAGrid();
    void styleImagesAreWhereQtKeepsThem_data();
    void styleImagesAreWhereQtKeepsThem();
};

// The message box's room for its title is a row added to that grid.
void TestQtInternals::messageBoxLaysItsContentsOnAGrid()
{
    QMessageBox box(QMessageBox::Information, u"Title"_s, u"Text"_s, QMessageBox::Ok);
    QVERIFY2(qobject_cast<QGridLayout *>(box.layout()), changed("QMessageBox's grid layout"));
}

// The design style reads these by name, as PNGs.
void TestQtInternals::styleImagesAreWhereQtKeepsThem_data()
{
    QTest::addColumn<QString>("path");
    const QString common = u":/qt-project.org/styles/commonstyle/images/"_s;
    QTest::newRow("menu bar overflow, 8 px") << common + u"toolbar-ext-h-8.png"_s;
    QTest::newRow("menu bar overflow, 16 px") << common + u"toolbar-ext-h-16.png"_s;
    QTest::newRow("menu bar overflow, 32 px") << common + u"toolbar-ext-h-32.png"_s;
    QTest::newRow("menu bar overflow, right to left, 8 px") << common + u"toolbar-ext-h-rtl-8.png"_s;
    QTest::newRow("menu bar overflow, right to left, 16 px") << common + u"toolbar-ext-h-rtl-16.png"_s;
    QTest::newRow("menu bar overflow, right to left, 32 px") << common + u"toolbar-ext-h-rtl-32.png"_s;
    QTest::newRow("Fusion's frame") << common + u"fusion_groupbox.png"_s;
}

void TestQtInternals::styleImagesAreWhereQtKeepsThem()
{
    QFETCH(QString, path);
    QVERIFY2(QFile::exists(path), changed(qPrintable(path)));
}

QTEST_MAIN(TestQtInternals)
#include "tst_qtinternals.moc"
