#include "platform/Platform.h"

#include <utility>

namespace platform {

namespace {
Services installed;
}

Services install(const Services &services)
{
    return std::exchange(installed, services);
}

Shell &shell()
{
    return *installed.shell;
}
MessageBox &messageBox()
{
    return *installed.messageBox;
}
SettingsStore &settings()
{
    return *installed.settings;
}
Clipboard &clipboard()
{
    return *installed.clipboard;
}
Process &process()
{
    return *installed.process;
}
Clock &clock()
{
    return *installed.clock;
}
Random &random()
{
    return *installed.random;
}

} // namespace platform
