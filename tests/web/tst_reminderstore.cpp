#include "platform/Immutable.h"
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

    void writeThatCannotReachTheFileFails_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::newRow("the file cannot be changed") << true;
        QTest::newRow("its folder cannot take a new file") << false;
    }

    void writeThatCannotReachTheFileFails()
    {
        QFETCH(bool, fileExists);
        // A file of its own: the process keeps what it failed to write in its
        // cache of the file, where no other test may meet it.
        const QString application = fileExists ? u"locked-file"_s : u"locked-folder"_s;
        const QString file = m_home.filePath(application + ".conf"_L1);
        platform::QtSettingsStore store(platform::applicationMaker(), platform::applicationTitle());
        const QString section = u"Settings"_s;
        if (fileExists)
            QVERIFY(store.write(application, section, u"key"_s, u"before"_s));
        const QString locked = fileExists ? file : m_home.path();
        // Permission bits do not stop root, as whom the tests may run.
        if (!setImmutable(locked, true))
            QSKIP("This file system cannot make a file immutable (chattr +i), so root could write to it");
        const bool written = store.write(application, section, u"key"_s, u"after"_s);
        QVERIFY(setImmutable(locked, false));
        QVERIFY(!written);
        QFile onDisk(file);
        QCOMPARE(onDisk.open(QIODevice::ReadOnly) ? onDisk.readAll() : QByteArray("(no file)"),
                 fileExists ? QByteArray("[Settings]\nkey=before\n") : QByteArray("(no file)"));
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
        // "Duration" and 2026-12-08, each character 85 codes up the Windows
        // page: the key escaped as QSettings writes keys, the value in UTF-8.
        QCOMPARE(fileBytes(),
                 QByteArray("[Settings]\n"
                            "%U2122%CA%C7%B6%C9%BE%C4%C3="
                            "\xE2\x80\xA1\xE2\x80\xA6\xE2\x80\xA1\xE2\x80\xB9\xE2\x80\x9A"
                            "\xE2\x80\xA0\xE2\x80\xA1\xE2\x80\x9A\xE2\x80\xA6\xC2\x8D\n"));

        QSettings(QSettings::NativeFormat, QSettings::UserScope, platform::applicationName())
            .setValue(key, platform::EncodeSetting(u"2026-11-23"));
        web::UpdateReminderCheck();
        web::UpdateReminderCheck();
        QCOMPARE(recording.messages.size(), 1);
        const QSettings reader(freshCopy(), QSettings::IniFormat);
        QCOMPARE(reader.value(key).toString(), platform::EncodeSetting(u"2026-12-08"));
    }

private:
    QByteArray fileBytes() const
    {
        QFile file(settingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

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
