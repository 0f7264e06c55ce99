#include "forms/Application.h"
#include "platform/Immutable.h"
#include "platform/QtPlatform.h"
#include "platform/RecordingPlatform.h"
#include "platform/SettingsText.h"
#include "web/UpdateReminder.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

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
        QTest::newRow("ISO date") << QStringLiteral("2026-12-08");
        QTest::newRow("every digit and separator") << QStringLiteral("0123456789-/. ");
        QTest::newRow("codes the page leaves undefined") << QStringLiteral(",8:;H");
    }

    void valueComesBackExactly()
    {
        QFETCH(QString, text);
        const QString key = platform::EncodeSetting(u"Duration");
        const QString value = platform::EncodeSetting(text);
        const QString application = forms::applicationName();
        platform::QtSettingsStore store(forms::applicationMaker(), forms::applicationTitle());

        QVERIFY(store.write(application, QStringLiteral("Settings"), key, value));

        QSettings reader(freshCopy(), QSettings::IniFormat);
        reader.beginGroup(QStringLiteral("Settings"));
        QCOMPARE(reader.childKeys(), QStringList{key});
        QCOMPARE(reader.value(key).toString(), value);
        QCOMPARE(platform::DecodeSetting(store.read(application, QStringLiteral("Settings"), key)), text);
    }

    void absentKeyReadsEmpty()
    {
        platform::QtSettingsStore store(forms::applicationMaker(), forms::applicationTitle());
        const QString key = platform::EncodeSetting(u"Duration");
        QCOMPARE(store.read(forms::applicationName(), QStringLiteral("Settings"), key), QString());
    }

    void writeIntoAnUncreatableFolderFails()
    {
        QFile blocker(m_home.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        // Even root cannot make a folder below a plain file.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker.fileName() + QLatin1String("/home"));
        platform::QtSettingsStore store(forms::applicationMaker(), forms::applicationTitle());
        const bool written = store.write(forms::applicationName(), QStringLiteral("Settings"), QStringLiteral("key"),
                                         QStringLiteral("value"));
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
        const QString application = fileExists ? QStringLiteral("locked-file") : QStringLiteral("locked-folder");
        const QString file = m_home.filePath(application + QLatin1String(".conf"));
        platform::QtSettingsStore store(forms::applicationMaker(), forms::applicationTitle());
        const QString section = QStringLiteral("Settings");
        if (fileExists)
            QVERIFY(store.write(application, section, QStringLiteral("key"), QStringLiteral("before")));
        const QString locked = fileExists ? file : m_home.path();
        // Permission bits do not stop root, as whom the tests may run.
        if (!setImmutable(locked, true))
            QSKIP("This file system cannot make a file immutable (chattr +i), so root could write to it");
        const bool written = store.write(application, section, QStringLiteral("key"), QStringLiteral("after"));
        QVERIFY(setImmutable(locked, false));
        QVERIFY(!written);
        QFile onDisk(file);
        QCOMPARE(onDisk.open(QIODevice::ReadOnly) ? onDisk.readAll() : QByteArray("(no file)"),
                 fileExists ? QByteArray("[Settings]\nkey=before\n") : QByteArray("(no file)"));
    }

    void startsAskOnlyOnceTheFileDateIsDue()
    {
        RecordingPlatform recording;
        platform::QtSettingsStore store(forms::applicationMaker(), forms::applicationTitle());
        // The recording platform puts back what it replaced when it goes.
        platform::install({&recording, &recording, &store, &recording, &recording, &recording, &recording});
        const QString key = QLatin1String("Settings/") + platform::EncodeSetting(u"Duration");

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

        QSettings(QSettings::NativeFormat, QSettings::UserScope, forms::applicationName())
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

    QString settingsFile() const { return m_home.filePath(forms::applicationName() + QLatin1String(".conf")); }

    // A file no settings object of this process has read, so what it gives
    // back comes from the disk and not from a cache. A failed copy reads empty.
    QString freshCopy()
    {
        const QString copy = m_home.filePath(QStringLiteral("copy%1.conf").arg(++m_copies));
        QFile::copy(settingsFile(), copy);
        return copy;
    }

    QTemporaryDir m_home;
    int m_copies = 0;
};

QTEST_GUILESS_MAIN(ReminderStoreTest)
#include "tst_reminderstore.moc"
