#include "Launch.h"

#include <QDir>
#include <QFile>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace Qt::StringLiterals;

extern char **environ;

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto mapTimeout = 10s;
constexpr auto sampleInterval = 10ms;
constexpr int idleSamples = 10;
constexpr auto idleTimeout = 5s;

std::vector<std::string> environmentFor(const QString &home)
{
    const QString runtime = home + u"/run"_s;
    QDir().mkpath(home + u"/.config"_s);
    QDir().mkpath(home + u"/.cache"_s);
    QDir().mkpath(home + u"/.local/share"_s);
    QDir(runtime).removeRecursively();
    ::mkdir(QFile::encodeName(runtime).constData(), 0700);

    const std::vector<std::pair<std::string, QString>> own{{"HOME", home},
                                                           {"XDG_CONFIG_HOME", home + u"/.config"_s},
                                                           {"XDG_CACHE_HOME", home + u"/.cache"_s},
                                                           {"XDG_DATA_HOME", home + u"/.local/share"_s},
                                                           {"XDG_RUNTIME_DIR", runtime},
                                                           {"QT_QPA_PLATFORM", u"xcb"_s}};
    std::vector<std::string> environment;
    for (char **variable = environ; *variable; ++variable) {
        const std::string entry(*variable);
        const std::string name = entry.substr(0, entry.find('='));
        bool replaced = false;
        for (const auto &[ownName, value] : own)
            replaced = replaced || name == ownName;
        if (!replaced)
            environment.push_back(entry);
    }
    for (const auto &[name, value] : own)
        environment.push_back(name + '=' + value.toStdString());
    return environment;
}

// User plus system CPU time in clock ticks, or -1 once the process is gone.
long long cpuTicks(int pid)
{
    QFile stat(u"/proc/%1/stat"_s.arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The fields after the command name, which may itself hold spaces.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    return fields.at(11).toLongLong() + fields.at(12).toLongLong();
}

// Qt paints a window on the expose event that follows its map, in the same
// pass of its event loop; once its CPU time stands still it has painted and
// waits for input. VmHWM is a high-water mark, so reading it a little later
// loses nothing.
bool waitUntilIdle(int pid)
{
    const auto deadline = Clock::now() + idleTimeout;
    long long last = cpuTicks(pid);
    int still = 0;
    while (still < idleSamples) {
        if (last < 0 || Clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(sampleInterval);
        const long long now = cpuTicks(pid);
        still = now == last ? still + 1 : 0;
        last = now;
    }
    return true;
}

double milliseconds(const timeval &time)
{
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
}

double peakMemoryKiB(int pid)
{
    QFile status(u"/proc/%1/status"_s.arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').constFirst().toDouble();
    }
    return 0.0;
}

} // namespace

Display::Display()
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return;
    }
    m_connection = connection;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    constexpr char pidName[] = "_NET_WM_PID";
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(m_connection, xcb_intern_atom(m_connection, 0, sizeof pidName - 1, pidName), nullptr),
        &std::free);
    if (atom)
        m_pidAtom = atom->atom;
}

Display::~Display()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

bool Display::ownedBy(xcb_window_t window, int pid)
{
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(m_connection,
                               xcb_get_property(m_connection, 0, window, m_pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr),
        &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return false;
    return static_cast<int>(*static_cast<const uint32_t *>(xcb_get_property_value(reply.get()))) == pid;
}

std::optional<std::chrono::steady_clock::time_point> Display::waitForMappedWindow(int pid)
{
    const auto deadline = Clock::now() + mapTimeout;
    pollfd connection{xcb_get_file_descriptor(m_connection), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
            if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY)
                continue;
            const auto received = Clock::now();
            const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event);
            if (!map->override_redirect && ownedBy(map->window, pid))
                return received;
        }
        if (xcb_connection_has_error(m_connection))
            return std::nullopt;
        ::poll(&connection, 1, 100);
    }
    return std::nullopt;
}

std::optional<StartFigures> Display::launch(const QString &program, const QString &home)
{
    while (xcb_generic_event_t *stale = xcb_poll_for_event(m_connection))
        std::free(stale);

    const std::string path = QFile::encodeName(program).toStdString();
    std::vector<std::string> environment = environmentFor(home);
    std::vector<char *> envp;
    for (std::string &entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string name = path;
    char *argv[] = {name.data(), nullptr};

    pid_t pid = 0;
    const auto start = Clock::now();
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, envp.data()) != 0)
        return std::nullopt;
    std::optional<StartFigures> figures;
    if (const auto mappedAt = waitForMappedWindow(pid)) {
        const std::chrono::duration<double, std::milli> mapped = *mappedAt - start;
        if (waitUntilIdle(pid))
            figures = StartFigures{mapped.count(), 0.0, peakMemoryKiB(pid)};
    }
    ::kill(pid, SIGKILL);
    rusage usage{};
    ::wait4(pid, nullptr, 0, &usage);
    if (figures)
        figures->cpuMs = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
    return figures;
}

} // namespace bench
