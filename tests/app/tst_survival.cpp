#include "app/StartUp.h"
#include "fixture/WindowTest.h"
#include "forms/lifecycle/Forms.h"
#include "platform/ProductFacts.h"
#include "platform/QtPlatform.h"
#include "platform/RecordingPlatform.h"
#include "reading/EntryRules.h"
#include "reading/FrmBDNo.h"
#include "reading/FrmMain.h"
#include "support/FrmNagScreen2.h"
#include "web/FrmAbout.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

#include <memory>

using namespace Qt::StringLiterals;

#if defined(__SANITIZE_ADDRESS__)
// In AddressSanitizer's runtime; GCC ships no header declaring it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace {

// Bytes handed out and not yet freed. glibc's per-thread cache counts freed
// blocks as in use, so ctest runs this test with that cache off.
std::size_t heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#elif defined(Q_OS_WIN)
    // The C runtime's heap, block by block.
    _HEAPINFO block{};
    std::size_t used = 0;
    while (_heapwalk(&block) == _HEAPOK) {
        if (block._useflag == _USEDENTRY)
            used += block._size;
    }
    return used;
#else
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
#endif
}

template <class T>
T *entry(const char *name)
{
    return reading::frmMain->findChild<T *>(QLatin1String(name));
}

template <class T>
T *supportControl(const char *name)
{
    return support::frmNagScreen2->findChild<T *>(QLatin1String(name));
}

template <class Box>
void paste(Box *box, const QString &text)
{
    box->setFocus();
    QGuiApplication::clipboard()->setText(text);
    box->selectAll();
    box->paste();
}

void pickDate(int day, int month, int year)
{
    entry<QComboBox>("cboDate")->setCurrentIndex(day - 1);
    entry<QComboBox>("cboMonth")->setCurrentIndex(month - 1);
    entry<QComboBox>("cboYear")->setCurrentIndex(year - reading::firstListedYear);
}

// One megabyte of a name, as a paste from a runaway program could bring.
QString megabyteOf(const QString &piece)
{
    QString text;
    while (text.size() < (1 << 20))
        text += piece;
    return text;
}

const char *const nameBoxes[] = {"txtFirstName", "txtMiddleName", "txtLastName"};
const char *const referralBoxes[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};

// The referral values, in the order of the address's keys taf1 to taf5.
QStringList sentValues(const QString &address)
{
    const QUrlQuery query(QUrl::fromEncoded(address.toLatin1()));
    QStringList values;
    for (const char *key : {"taf1", "taf2", "taf3", "taf4", "taf5"})
        values << query.queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
    return values;
}

enum class SettingsFile { Garbage, Directory, ReadOnly, FolderCannotBeCreated };

} // namespace

Q_DECLARE_METATYPE(SettingsFile)

class TestSurvival : public WindowTest {
    Q_OBJECT

private slots:
    void initTestCase();

    void startsAndWorksWhateverTheSettingsFile_data();
    void startsAndWorksWhateverTheSettingsFile();
    void megabytePastedIntoANameBoxIsKept_data();
    void megabytePastedIntoANameBoxIsKept();
    void megabytePastedIntoEveryReferralBoxIsSent();
    void unusualCharactersInEveryBoxAreKept_data();
    void unusualCharactersInEveryBoxAreKept();
    void refusedDateStaysRefusedOnEveryNext();
    void aboutWindowOpenedAHundredTimesLeavesNothing();

private:
    QTemporaryDir m_home;
};

void TestSurvival::initTestCase()
{
    // The real settings store then keeps its file here, where each case can spoil it.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(u"config"_s)));
}

void TestSurvival::startsAndWorksWhateverTheSettingsFile_data()
{
    QTest::addColumn<SettingsFile>("settingsFile");
    QTest::newRow("garbage bytes") << SettingsFile::Garbage;
    QTest::newRow("a directory") << SettingsFile::Directory;
    QTest::newRow("read-only") << SettingsFile::ReadOnly;
    QTest::newRow("its folder cannot be created") << SettingsFile::FolderCannotBeCreated;
}

void TestSurvival::startsAndWorksWhateverTheSettingsFile()
{
#ifdef Q_OS_WIN
    QSKIP("Windows keeps the setting in the registry, not in a file");
#endif
    QFETCH(SettingsFile, settingsFile);
    const QString folder = m_home.filePath(u"config"_s);
    const QString file = QDir(folder).filePath(QCoreApplication::applicationName() + ".conf"_L1);
    QFile::remove(folder);
    QDir(file).removeRecursively();
    QFile::remove(file);
    QVERIFY(QDir().mkpath(folder));
    switch (settingsFile) {
    case SettingsFile::Garbage: {
        QFile garbage(file);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray("\x00\xff[Settings\n=\x01\xfe\n\\", 16));
        break;
    }
    case SettingsFile::Directory:
        QVERIFY(QDir().mkdir(file));
        break;
    case SettingsFile::ReadOnly: {
        QFile readOnly(file);
        QVERIFY(readOnly.open(QIODevice::WriteOnly));
        QVERIFY(readOnly.setPermissions(QFile::ReadOwner));
        break;
    }
    case SettingsFile::FolderCannotBeCreated: {
        QVERIFY(QDir(folder).removeRecursively());
        QFile inTheWay(folder);
        QVERIFY(inTheWay.open(QIODevice::WriteOnly));
        break;
    }
    }

    platform::QtSettingsStore store(platform::applicationMaker(), platform::applicationTitle());
    platform::Services services = platform::install({});
    services.settings = &store;
    platform::install(services);
    app::StartUp();
    QVERIFY(reading::frmMain.isLoaded() && reading::frmMain->isVisible());
    paste(entry<QLineEdit>("txtFirstName"), u"ANN"_s);
    paste(entry<QLineEdit>("txtLastName"), u"LEE"_s);
    pickDate(14, 7, 1985);
    entry<QPushButton>("cmdNext")->click();
    QVERIFY(reading::frmBDNo.isLoaded() && reading::frmBDNo->isVisible());
    QVERIFY(m_desktop->messages.isEmpty());
    services.settings = m_desktop.get();
    platform::install(services);
}

void TestSurvival::megabytePastedIntoANameBoxIsKept_data()
{
    QTest::addColumn<QString>("box");
    for (const char *name : nameBoxes)
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestSurvival::megabytePastedIntoANameBoxIsKept()
{
    QFETCH(QString, box);
    reading::frmMain.Show();
    const QString pasted = megabyteOf(u"ANNABEL LEE "_s);
    auto *target = reading::frmMain->findChild<QLineEdit *>(box);
    paste(target, pasted);
    QCOMPARE(target->text().size(), pasted.size());
    QCOMPARE(target->text(), pasted);

    for (const char *name : nameBoxes) {
        if (entry<QLineEdit>(name)->text().isEmpty())
            paste(entry<QLineEdit>(name), u"X"_s);
    }
    pickDate(29, 2, 2000);
    entry<QPushButton>("cmdNext")->click();
    QVERIFY(reading::frmBDNo.isLoaded() && reading::frmBDNo->isVisible());
    QVERIFY(m_desktop->messages.isEmpty());
}

void TestSurvival::megabytePastedIntoEveryReferralBoxIsSent()
{
    support::frmNagScreen2.Show();
    const QStringList pasted{megabyteOf(u"Ann Lee & "_s), megabyteOf(u"ann@lee.example#"_s),
                             megabyteOf(u"Bob = Friend "_s), megabyteOf(u"bob@friend.example?"_s)};
    for (int i = 0; i < 4; ++i)
        paste(supportControl<QLineEdit>(referralBoxes[i]), pasted[i]);
    const QString message = megabyteOf(u"Have a look at this. "_s);
    paste(supportControl<QPlainTextEdit>("txtMessage"), message);

    supportControl<QPushButton>("cmdSubmit")->click();
    QVERIFY(m_desktop->messages.isEmpty());
    QCOMPARE(m_desktop->openedAddresses.size(), 1);
    const QStringList sent = sentValues(m_desktop->openedAddresses.first());
    QCOMPARE(sent.size(), 5);
    QCOMPARE(sent[0], pasted[0].trimmed());
    QCOMPARE(sent[1], pasted[1]);
    QCOMPARE(sent[2], message.trimmed());
    QCOMPARE(sent[3], pasted[2].trimmed());
    QCOMPARE(sent[4], pasted[3]);
}

void TestSurvival::unusualCharactersInEveryBoxAreKept_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("control characters") << u"A\tB\x01"
                                           u"C\x1b[31mD\x7f\u0085E@x.y"_s;
    QTest::newRow("accents and other scripts") << u"\u00c9mile Zo\u00eb \u0416\u0435\u043d\u044f "
                                                  u"\u674e\u96f7 \u0645\u0631\u064a\u0645@x.y"_s;
    QTest::newRow("outside the basic plane") << u"\U0001F382 \U0001D4D0nn@x.y"_s;
    QTest::newRow("direction marks and joiners") << u"\u202eABC\u202c \u200dD\u200b@x.y"_s;
}

void TestSurvival::unusualCharactersInEveryBoxAreKept()
{
    QFETCH(QString, text);
    reading::frmMain.Show();
    for (const char *name : nameBoxes) {
        paste(entry<QLineEdit>(name), text);
        QCOMPARE(entry<QLineEdit>(name)->text(), text);
    }
    pickDate(14, 7, 1985);
    entry<QPushButton>("cmdNext")->click();
    QVERIFY(reading::frmBDNo.isLoaded() && reading::frmBDNo->isVisible());

    support::frmNagScreen2.Show();
    const QStringList friendly{text, "friend "_L1 + text};
    paste(supportControl<QLineEdit>("txtName"), text);
    paste(supportControl<QLineEdit>("txtEmail"), text);
    paste(supportControl<QLineEdit>("txtFriendName"), friendly[1]);
    paste(supportControl<QLineEdit>("txtFriendEmail"), friendly[1]);
    paste(supportControl<QPlainTextEdit>("txtMessage"), text);
    supportControl<QPushButton>("cmdSubmit")->click();
    QVERIFY(m_desktop->messages.isEmpty());
    QCOMPARE(m_desktop->openedAddresses.size(), 1);
    QCOMPARE(sentValues(m_desktop->openedAddresses.first()), QStringList({text, text, text, friendly[1], friendly[1]}));
}

void TestSurvival::refusedDateStaysRefusedOnEveryNext()
{
    reading::frmMain.Show();
    paste(entry<QLineEdit>("txtFirstName"), u"ANN"_s);
    paste(entry<QLineEdit>("txtLastName"), u"LEE"_s);
    pickDate(31, 4, 1985);
    for (int press = 0; press < 200; ++press)
        entry<QPushButton>("cmdNext")->click();
    QCOMPARE(m_desktop->messages.size(), 200);
    for (const RecordingPlatform::Message &message : std::as_const(m_desktop->messages))
        QCOMPARE(message.text, u"Please Enter Correct Date Or Month !"_s);
    QVERIFY(!reading::frmBDNo.isLoaded());
    QCOMPARE(entry<QLineEdit>("txtFirstName")->text(), u"ANN"_s);
    QCOMPARE(entry<QLineEdit>("txtLastName")->text(), u"LEE"_s);
    QCOMPARE(forms::loaded().size(), 1);
}

void TestSurvival::aboutWindowOpenedAHundredTimesLeavesNothing()
{
    reading::frmMain.Show();
    // The entry window and its menus.
    const qsizetype windows = QApplication::topLevelWidgets().size();
    QAction *about = entry<QAction>("mnuAbout");
    const auto openAndClose = [about] {
        QTimer::singleShot(0, [] { web::frmAbout.Unload(); });
        about->trigger();
    };
    // The first openings fill Qt's caches of fonts, pixmaps and styles.
    for (int round = 0; round < 10; ++round)
        openAndClose();
    QTRY_COMPARE(QApplication::topLevelWidgets().size(), windows);
    const std::size_t before = heapInUse();
    for (int round = 0; round < 100; ++round)
        openAndClose();
    QTRY_COMPARE(QApplication::topLevelWidgets().size(), windows);
    const std::size_t after = heapInUse();
    // One QObject left behind by each opening would already exceed this.
    const std::size_t allowed = 4 * 1024;
    QVERIFY2(after < before + allowed, qPrintable(u"grew by %1 bytes"_s.arg(qint64(after - before))));
    QCOMPARE(forms::loaded().size(), 1);
}

QTEST_MAIN(TestSurvival)
#include "tst_survival.moc"
