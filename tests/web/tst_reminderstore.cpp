#include "platform/ProductFacts.h"
#include "platform/QtPlatform.h"
#include "platform/RecordingPlatform.h"
#include "platform/SettingsText.h"
#include "web/UpdateReminder.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The reminder's key and date on a real settings file, kept in a temporary
// directory instead of the user's configuration.
class ReminderStoreTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.path());
    }

    void init() { QFile::remove(settingsFile()); }

    void valueComesBackExactly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("ISO date") << u"2026-12-08"_s;
        QTest::newRow("every digit and separator") << u"0123456789-/. "_s;
        QTest::newRow("codes the page leaves undefined") << u",8:;H"_s;
    }

    void valueComesBackExactly()
    {
        QFETCH(QString, text);
        const QString key = platform::EncodeSetting(u"Duration");
        const QString value = platform::EncodeSetting(text);
        const QString application = platform::applicationName();
        platform::QtSettingsStore store(platform::applicationMaker(), platform::applicationTitle());

        QVERIFY(store.write(application, u"Settings"_s, key, value));

        QSettings reader(freshCopy(), QSettings::IniFormat);
        reader.beginGroup(u"Settings"_s);
        QCOMPARE(reader.childKeys(), QStringList{key});
        QCOMPARE(reader.value(key).toString(), value);
        QCOMPARE(platform::DecodeSetting(store.read(application, u"Settings"_s, key)), text);
    }

    void absentKeyReadsEmpty()
    {
        platform::QtSettingsStore store(platform::applicationMaker(), platform::applicationTitle());
        const QString key = platform::EncodeSetting(u"Duration");
        QCOMPARE(store.read(platform::applicationName(), u"Settings"_s, key), QString());
    }

    void writeIntoAnUncreatableFolderFails()
    {
        QFile blocker(m_home.filePath(u"blocker"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        // Even root cannot make a folder below a plain file.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker.fileName() + "/home"_L1);
        platform::QtSettingsStore store(platform::applicationMaker(), platform::applicationTitle());
        const bool written = store.write(platform::applicationName(), u"Settings"_s, u"key"_s, u"value"_s);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.path());
        QVERIFY(!written);
    }

    void startsAskOnlyOnceTheFileDateIsDue()
    {
        RecordingPlatform recording;
        platform::QtSettingsStore store(platform::applicationMaker(), platform::applicationTitle());
        // The recording platform puts back what it replaced when it goes.
        platform::install({&recording, &recording, &store, &recording, &recording, &recording, &recording});
        const QString key = "Settings/"_L1 + platform::EncodeSetting(u"Duration");

        // Each start runs the check twice.
        web::UpdateReminderCheck();
        web::UpdateReminderCheck();
        QVERIFY(recording.messages.isEmpty());
        {
            const QSettings reader(freshCopy(), QSettings::IniFormat);
            QCOMPARE(reader.allKeys(), QStringList{key});
            QCOMPARE(reader.value(key).toString(), platform::EncodeSetting(u"2026-12-08"));
        }

        QSettings(QSettings::NativeFormat, QSettings::UserScope, platform::applicationName())
            .setValue(key, platform::EncodeSetting(u"2026-11-23"));
        web::UpdateReminderCheck();
        web::UpdateReminderCheck();
        QCOMPARE(recording.messages.size(), 1);
        const QSettings reader(freshCopy(), QSettings::IniFormat);
        QCOMPARE(reader.value(key).toString(), platform::EncodeSetting(u"2026-12-08"));
    }

private:
    QString settingsFile() const { return m_home.filePath(platform::applicationName() + ".conf"_L1); }

    // A file no settings object of this process has read, so what it gives
    // back comes from the disk and not from a cache. A failed copy reads empty.
    QString freshCopy()
    {
        const QString copy = m_home.filePath(u"copy%1.conf"_s.arg(++m_copies));
        QFile::copy(settingsFile(), copy);
        return copy;
    }

    QTemporaryDir m_home;
    int m_copies = 0;
};

QTEST_GUILESS_MAIN(ReminderStoreTest)
#include "tst_reminderstore.moc"
