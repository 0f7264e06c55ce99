#pragma once

#include <QString>

#include <memory>

namespace platform {

// Held by one process at a time, for as long as it runs or until released;
// the system gives it up when the holder dies, however it dies.
class InstanceLock {
public:
    virtual ~InstanceLock() = default;
    // True when this process holds the lock, from now or from before; false
    // while another live process holds it. Also true when no lock can be made
    // at all (no private folder, a full disk, an object the system will not
    // create): a lock that fails must not keep the program from running.
    virtual bool acquire() = 0;
    virtual void release() = 0;
};

// On Unix the name is a lock file's path; on Windows, a kernel object's name.
std::unique_ptr<InstanceLock> makeInstanceLock(const QString &name);

// This user's lock for the program, never in a folder the user sees or
// shares with others; empty when no private place can be had. The lock file
// on Unix is named after the application, the object on Windows after its
// reverse-DNS id.
QString userInstanceLockName(const QString &applicationName, const QString &applicationId);

} // namespace platform
