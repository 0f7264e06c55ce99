#include "platform/Platform.h"

#include <QtGlobal>

#include <utility>

namespace platform {

namespace {

Services installed;

// A service asked for before main or a test installed one.
template <class Service>
Service &installedService(Service *service, [[maybe_unused]] const char *name)
{
    Q_ASSERT_X(service, name, "no service installed: main or the test installs them first");
    return *service;
}

} // namespace

Services install(const Services &services)
{
    return std::exchange(installed, services);
}

Shell &shell()
{
    return installedService(installed.shell, "platform::shell");
}
MessageBox &messageBox()
{
    return installedService(installed.messageBox, "platform::messageBox");
}
SettingsStore &settings()
{
    return installedService(installed.settings, "platform::settings");
}
Clipboard &clipboard()
{
    return installedService(installed.clipboard, "platform::clipboard");
}
Process &process()
{
    return installedService(installed.process, "platform::process");
}
Clock &clock()
{
    return installedService(installed.clock, "platform::clock");
}
Random &random()
{
    return installedService(installed.random, "platform::random");
}

} // namespace platform
