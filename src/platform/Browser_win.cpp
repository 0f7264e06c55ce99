#include "platform/Browser.h"

#include <QUrl>

#include <windows.h>
#include <shellapi.h>

namespace platform {

bool openInBrowser(const QUrl &url)
{
    const QString address = QString::fromLatin1(url.toEncoded());
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", reinterpret_cast<LPCWSTR>(address.utf16()), nullptr,
                                           nullptr, SW_SHOWNORMAL);
    // Anything above 32 is success.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

} // namespace platform
