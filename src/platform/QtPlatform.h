#pragma once

#include "platform/Platform.h"

#include <QLockFile>
#include <QUrl>

#include <cstdint>
#include <memory>
#include <random>

namespace platform {

// The address as the browser must receive it: Qt is not allowed to re-encode it.
QUrl urlForAddress(const QString &address);

// Uses the top 24 bits, as many as a float holds, so the result is never 1.
float unitFloatFromBits(std::uint32_t bits);

class QtShell final : public Shell {
public:
    void openAddress(const QString &address) override;
};

class QtMessageBox final : public MessageBox {
public:
    explicit QtMessageBox(QString title);
    Answer show(const QString &text, Icon icon, Buttons buttons) override;

private:
    QString m_title;
};

class QtSettingsStore final : public SettingsStore {
public:
    QString read(const QString &application, const QString &section, const QString &key) override;
    bool write(const QString &application, const QString &section, const QString &key,
               const QString &value) override;
};

class QtClipboard final : public Clipboard {
public:
    void clearOwnContents() override;
};

// The instance flag is a lock file held for the life of the process; one left
// behind by a killed copy or cut short, or one no live copy holds, is taken over.
class QtProcess final : public Process {
public:
    explicit QtProcess(const QString &lockFilePath);
    bool previousInstanceRunning() override;
    void end() override;

private:
    QLockFile m_lock;
};

class SystemClock final : public Clock {
public:
    QDate today() override;
};

class TimerSeededRandom final : public Random {
public:
    void seedFromTimer() override;
    float next() override;

private:
    std::mt19937 m_engine;
};

// The real services, for main.
class QtPlatform {
public:
    QtPlatform(const QString &applicationTitle, const QString &lockFilePath);
    Services services();

private:
    QtShell m_shell;
    QtMessageBox m_messageBox;
    QtSettingsStore m_settings;
    QtClipboard m_clipboard;
    QtProcess m_process;
    SystemClock m_clock;
    TimerSeededRandom m_random;
};

// Per-user runtime directory, never a shared world-writable one nor the working
// directory; empty when no private place can be had.
QString defaultLockFilePath(const QString &applicationName);

} // namespace platform
