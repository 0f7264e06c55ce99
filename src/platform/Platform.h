#pragma once

#include "platform/MessageKinds.h"

#include <QDate>
#include <QString>

// The program's only door to the desktop: browser, message boxes, settings,
// clipboard, the running process, the date and chance. main installs the real
// implementation; tests install recording doubles.
namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    // Hands the address to the default browser and returns at once.
    virtual void openAddress(const QString &address) = 0;
};

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Modal, titled with the application title.
    virtual Answer show(const QString &text, Icon icon, Buttons buttons) = 0;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // Empty when the key is absent.
    virtual QString read(const QString &application, const QString &section, const QString &key) = 0;
    // False when the value did not reach the store.
    virtual bool write(const QString &application, const QString &section, const QString &key,
                       const QString &value) = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Empties the clipboard and the selection, but only what this program put there.
    virtual void clearOwnContents() = 0;
};

class Process {
public:
    virtual ~Process() = default;
    // True when an earlier copy of the program still runs for this user.
    virtual bool previousInstanceRunning() = 0;
    // Ends the process with status 0; the real one does not return.
    virtual void end() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;
};

class Random {
public:
    virtual ~Random() = default;
    virtual void seedFromTimer() = 0;
    // A value r with 0 <= r < 1.
    virtual float next() = 0;
};

struct Services {
    Shell *shell = nullptr;
    MessageBox *messageBox = nullptr;
    SettingsStore *settings = nullptr;
    Clipboard *clipboard = nullptr;
    Process *process = nullptr;
    Clock *clock = nullptr;
    Random *random = nullptr;
};

// Installs the process-wide services and returns the ones they replace.
Services install(const Services &services);

Shell &shell();
MessageBox &messageBox();
SettingsStore &settings();
Clipboard &clipboard();
Process &process();
Clock &clock();
Random &random();

} // namespace platform
