#include "platform/InstanceLock.h"

#include <windows.h>

namespace platform {

namespace {

// A named mutex: Windows removes it with the last handle, so a copy that
// crashed or was killed leaves nothing behind, and nothing is written to disk.
class NamedMutex final : public InstanceLock {
public:
    explicit NamedMutex(const QString &name)
        : m_name(name)
    {
    }
    ~NamedMutex() override { release(); }
    NamedMutex(const NamedMutex &) = delete;
    NamedMutex &operator=(const NamedMutex &) = delete;

    bool acquire() override
    {
        if (m_handle)
            return true;
        HANDLE handle = CreateMutexW(nullptr, FALSE, reinterpret_cast<LPCWSTR>(m_name.utf16()));
        const DWORD error = GetLastError();
        // A mutex that cannot be created at all must not keep the program from running.
        if (!handle)
            return true;
        if (error == ERROR_ALREADY_EXISTS) {
            CloseHandle(handle);
            return false;
        }
        m_handle = handle;
        return true;
    }

    void release() override
    {
        if (m_handle)
            CloseHandle(m_handle);
        m_handle = nullptr;
    }

private:
    QString m_name;
    HANDLE m_handle = nullptr;
};

} // namespace

std::unique_ptr<InstanceLock> makeInstanceLock(const QString &name)
{
    return std::make_unique<NamedMutex>(name);
}

QString userInstanceLockName(const QString &, const QString &applicationId)
{
    // The session's namespace: each signed-in user has a copy of their own.
    return QLatin1String("Local\\") + applicationId;
}

} // namespace platform
