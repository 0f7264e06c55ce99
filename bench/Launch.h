#pragma once

#include <QString>

#include <xcb/xcb.h>

#include <chrono>
#include <optional>

namespace bench {

struct StartFigures {
    double mappedMs = 0.0;
    // User and system time until it was killed, idle after its first paint:
    // unlike the wall time, hardly swayed by other load on the machine.
    double cpuMs = 0.0;
    double peakKiB = 0.0;
};

// One connection to the X server the programs are started on, listening for
// top-level windows being mapped.
class Display {
public:
    Display();
    ~Display();
    Display(const Display &) = delete;
    Display &operator=(const Display &) = delete;

    bool isOpen() const { return m_connection != nullptr; }

    // Starts the program with its own home, settings and runtime folders under
    // home, takes the time from the spawn until its first window is mapped and
    // its peak memory once it has painted, kills it and takes its CPU time.
    std::optional<StartFigures> launch(const QString &program, const QString &home);

private:
    // When the first top-level window of the process was seen mapped.
    std::optional<std::chrono::steady_clock::time_point> waitForMappedWindow(int pid);
    bool ownedBy(xcb_window_t window, int pid);

    xcb_connection_t *m_connection = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_pidAtom = 0;
};

} // namespace bench
