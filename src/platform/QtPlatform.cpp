#include "platform/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define ORVANE_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVANE_LEAK_CHECK 1
#endif
#endif
#ifdef ORVANE_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif

namespace platform {

namespace {

// When no browser starts, Qt names the address in its warning, and xdg-open,
// which Qt starts, names it on the standard error it inherits; the query holds
// what the user typed, and standard error ends in the session's journal. While
// the address is handed over, standard error goes nowhere, so that a starting
// helper inherits nothing else; Qt's warnings are kept and passed on after,
// with the address cut before its query.
class AddressKeptOutOfLog {
public:
    explicit AddressKeptOutOfLog(const QUrl &url)
        : m_forms{url.toString(), url.toString(QUrl::FullyDecoded), url.toDisplayString(),
                  QString::fromUtf8(url.toEncoded())}
        , m_shown(url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment).toString())
    {
        s_active = this;
        m_previous = qInstallMessageHandler(&keep);
        std::fflush(stderr);
        m_standardError = ::dup(STDERR_FILENO);
        const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (nowhere >= 0) {
            ::dup2(nowhere, STDERR_FILENO);
            ::close(nowhere);
        }
    }
    ~AddressKeptOutOfLog()
    {
        if (m_standardError >= 0) {
            ::dup2(m_standardError, STDERR_FILENO);
            ::close(m_standardError);
        }
        qInstallMessageHandler(m_previous);
        s_active = nullptr;
        const QMessageLogContext context(nullptr, 0, nullptr, "default");
        for (const auto &[type, message] : std::as_const(m_kept))
            m_previous(type, context, message);
    }
    AddressKeptOutOfLog(const AddressKeptOutOfLog &) = delete;
    AddressKeptOutOfLog &operator=(const AddressKeptOutOfLog &) = delete;

private:
    static void keep(QtMsgType type, const QMessageLogContext &, const QString &message)
    {
        QString kept = message;
        for (const QString &form : s_active->m_forms)
            kept.replace(form, s_active->m_shown);
        s_active->m_kept.append({type, kept});
    }

    static inline AddressKeptOutOfLog *s_active = nullptr;
    QStringList m_forms;
    QString m_shown;
    QtMessageHandler m_previous = nullptr;
    int m_standardError = -1;
    QList<std::pair<QtMsgType, QString>> m_kept;
};

// A copy starting this very moment has created its lock file but may not yet
// have locked it or written its name into it.
constexpr qint64 ownerWritingTimeMs = 1000;

void waitWhileBeingWritten(const QLockFile &lock)
{
    qint64 pid = 0;
    QString hostName;
    QString applicationName;
    if (lock.getLockInfo(&pid, &hostName, &applicationName))
        return;
    const qint64 age = QFileInfo(lock.fileName()).lastModified().msecsTo(QDateTime::currentDateTime());
    if (age >= 0 && age < ownerWritingTimeMs)
        QThread::msleep(static_cast<unsigned long>(ownerWritingTimeMs - age));
}

} // namespace

QUrl urlForAddress(const QString &address)
{
    return QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode);
}

float unitFloatFromBits(std::uint32_t bits)
{
    return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f);
}

void QtShell::openAddress(const QString &address)
{
    const QUrl url = urlForAddress(address);
    const AddressKeptOutOfLog keptOut(url);
    QDesktopServices::openUrl(url);
}

QtMessageBox::QtMessageBox(QString title)
    : m_title(std::move(title))
{
}

Answer QtMessageBox::show(const QString &text, Icon icon, Buttons buttons)
{
    // A lone carriage return breaks the line in the texts, as it does on Windows.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // Owned by the active window, so that a window kept on top cannot hide it.
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information, m_title, shown,
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    // Wide enough for the whole title in a title bar that centres it, with the
    // room of three buttons on one side and so, for the centring, on both.
    // Qt's own bar on Wayland draws the title at 14 pixels yet centres it by
    // its width in the application font, so the difference counts twice.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        constexpr int buttonsRoom = 80;
        QFont barFont = QApplication::font();
        barFont.setPixelSize(std::max(14, QFontInfo(barFont).pixelSize()));
        const int centred = QFontMetrics(QApplication::font()).horizontalAdvance(m_title);
        const int drawn = std::max(QFontMetrics(barFont).horizontalAdvance(m_title), centred);
        const int width = 2 * drawn - centred + 2 * buttonsRoom;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    const int pressed = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtSettingsStore::read(const QString &application, const QString &section, const QString &key)
{
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, application);
    return store.value(section + QLatin1Char('/') + key).toString();
}

bool QtSettingsStore::write(const QString &application, const QString &section, const QString &key,
                            const QString &value)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, application);
    store.setValue(section + QLatin1Char('/') + key, value);
    store.sync();
    return store.status() == QSettings::NoError;
}

void QtClipboard::clearOwnContents()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard->ownsClipboard())
        clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection() && clipboard->ownsSelection())
        clipboard->clear(QClipboard::Selection);
}

QtProcess::QtProcess(const QString &lockFilePath)
    : m_lock(lockFilePath)
{
    // Only a dead owner makes the lock stale, however long this copy runs.
    m_lock.setStaleLockTime(0);
}

bool QtProcess::previousInstanceRunning()
{
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return false;
    // A lock that cannot be created at all must not keep the program from running.
    if (m_lock.error() != QLockFile::LockFailedError)
        return false;
    // Qt takes over a lock naming a dead process by itself. A live copy keeps
    // its lock file locked from before it writes its name, so a file that can
    // be removed is held by no copy, whatever it says: cut short by a crash or
    // a full disk, or naming a process that is not this program.
    waitWhileBeingWritten(m_lock);
    if (!m_lock.removeStaleLockFile())
        return true;
    return !m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError;
}

void QtProcess::end()
{
    m_lock.unlock();
    std::fflush(nullptr);
#ifdef ORVANE_LEAK_CHECK
    // The immediate exit skips the check a normal exit would run.
    __lsan_do_leak_check();
#endif
    std::_Exit(0);
}

QDate SystemClock::today()
{
    return QDate::currentDate();
}

void TimerSeededRandom::seedFromTimer()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    m_engine.seed(seed);
}

float TimerSeededRandom::next()
{
    return unitFloatFromBits(static_cast<std::uint32_t>(m_engine()));
}

QtPlatform::QtPlatform(const QString &applicationTitle, const QString &lockFilePath)
    : m_messageBox(applicationTitle)
    , m_process(lockFilePath)
{
}

Services QtPlatform::services()
{
    return {&m_shell, &m_messageBox, &m_settings, &m_clipboard, &m_process, &m_clock, &m_random};
}

QString defaultLockFilePath(const QString &applicationName)
{
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    // Qt gives no runtime location when the shared fallback belongs to someone
    // else; a folder of the user's own then keeps the lock private.
    if (directory.isEmpty()) {
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        if (QDir::isRelativePath(cache) || !QDir().mkpath(cache))
            return {};
        directory = QDir(cache).filePath(applicationName);
        const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        if (!QDir().mkdir(directory, ownerOnly) && !QFile::setPermissions(directory, ownerOnly))
            return {};
    }
    return QDir(directory).filePath(applicationName + QLatin1String(".lock"));
}

} // namespace platform
