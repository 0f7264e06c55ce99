#pragma once

#include "platform/Platform.h"

#include <memory>
#include <random>

namespace platform {

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

// Each system's own store, in the place userSettingsPlace() gives.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore(QString maker, QString product);
    QString read(const QString &application, const QString &section, const QString &key) override;
    bool write(const QString &application, const QString &section, const QString &key, const QString &value) override;

private:
    QString m_maker;
    QString m_product;
};

class QtClipboard final : public Clipboard {
public:
    void clearOwnContents() override;
};

class InstanceLock;

// The instance flag is a lock of the system's held for the life of the process.
class QtProcess final : public Process {
public:
    // The lock's name, as userInstanceLockName() gives it.
    explicit QtProcess(const QString &lockName);
    ~QtProcess() override;
    QtProcess(const QtProcess &) = delete;
    QtProcess &operator=(const QtProcess &) = delete;
    bool previousInstanceRunning() override;
    void end() override;

private:
    std::unique_ptr<InstanceLock> m_lock;
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
    // The title names the product, whose settings are kept under its maker's where the system wants it.
    QtPlatform(const QString &applicationTitle, const QString &maker, const QString &lockName);
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

} // namespace platform
