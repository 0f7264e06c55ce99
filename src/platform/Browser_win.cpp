#include "platform/Browser.h"

#include <QUrl>

// windows.h first: the other system headers build on it.
#include <windows.h>

#include <shellapi.h>

namespace platform {

bool openInBrowser(const QUrl &url)
{
    const QString address = QString::fromLatin1(url.toEncoded());
    const HINSTANCE result =
        ShellExecuteW(nullptr, L"open", reinterpret_cast<LPCWSTR>(address.utf16()), nullptr, nullptr, SW_SHOWNORMAL);
    // Anything above 32 is success.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace platform
