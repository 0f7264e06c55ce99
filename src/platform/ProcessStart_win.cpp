#include "platform/ProcessStart.h"

#include <windows.h>

namespace platform {

void prepareProcess()
{
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

} // namespace platform
