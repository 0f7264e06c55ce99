#include "platform/InstanceLock.h"

// windows.h first: the other system headers build on it.
#include <windows.h>

#include <sddl.h>

using namespace Qt::StringLiterals;

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
        // A copy of the same user's started elevated holds a mutex this one may not open.
        if (!handle)
            return error != ERROR_ACCESS_DENIED;
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

// The user's security identifier as text (S-1-5-21-...); empty if the system does not say.
QString userSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return {};
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    QByteArray buffer(static_cast<qsizetype>(size), Qt::Uninitialized);
    QString sid;
    LPWSTR text = nullptr;
    if (size && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)
        && ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid, &text)) {
        sid = QString::fromWCharArray(text);
        LocalFree(text);
    }
    CloseHandle(token);
    return sid;
}

} // namespace

std::unique_ptr<InstanceLock> makeInstanceLock(const QString &name)
{
    return std::make_unique<NamedMutex>(name);
}

QString userInstanceLockName(const QString &, const QString &applicationId)
{
    // The global namespace, named after the user: one copy per user in all
    // sessions, and a mutex someone else made under the program's name alone
    // stops nobody.
    return "Global\\"_L1 + applicationId + u'.' + userSid();
}

} // namespace platform
