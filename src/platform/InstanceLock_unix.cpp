#include "platform/InstanceLock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

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

// A lock file held locked for the life of the process; one left behind by a
// killed copy or cut short, or one no live copy holds, is taken over.
class LockFile final : public InstanceLock {
public:
    explicit LockFile(const QString &path)
        : m_lock(path)
    {
        // Only a dead owner makes the lock stale, however long this copy runs.
        m_lock.setStaleLockTime(0);
    }

    bool acquire() override
    {
        if (m_lock.isLocked() || m_lock.tryLock(0))
            return true;
        if (m_lock.error() != QLockFile::LockFailedError)
            return true;
        // Qt takes over a lock naming a dead process by itself. A live copy keeps
        // its lock file locked from before it writes its name, so a file that can
        // be removed is held by no copy, whatever it says: cut short by a crash or
        // a full disk, or naming a process that is not this program.
        waitWhileBeingWritten(m_lock);
        if (!m_lock.removeStaleLockFile())
            return false;
        return m_lock.tryLock(0) || m_lock.error() != QLockFile::LockFailedError;
    }

    void release() override { m_lock.unlock(); }

private:
    QLockFile m_lock;
};

} // namespace

std::unique_ptr<InstanceLock> makeInstanceLock(const QString &name)
{
    return std::make_unique<LockFile>(name);
}

QString userInstanceLockName(const QString &applicationName, const QString &)
{
    // Asked without a runtime folder, Qt warns on standard error and falls back
    // to a shared temporary one; a folder of the user's own is as private.
    QString directory;
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty()) {
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        if (QDir::isRelativePath(cache) || !QDir().mkpath(cache))
            return {};
        directory = QDir(cache).filePath(applicationName);
        const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        if (!QDir().mkdir(directory, ownerOnly) && !QFile::setPermissions(directory, ownerOnly))
            return {};
    }
    return QDir(directory).filePath(applicationName + ".lock"_L1);
}

} // namespace platform
