#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QMap>
#include <QStringList>

#include <functional>

// Records everything the program asks of the desktop and answers from a
// script, so that no test opens a browser, blocks on a box or touches the
// user's settings. Installs itself for its lifetime.
class RecordingPlatform final : public platform::Shell,
                                public platform::MessageBox,
                                public platform::SettingsStore,
                                public platform::Clipboard,
                                public platform::Process,
                                public platform::Clock,
                                public platform::Random {
public:
    struct Message {
        QString text;
        platform::Icon icon;
        platform::Buttons buttons;
    };

    RecordingPlatform();
    ~RecordingPlatform() override;

    void openAddress(const QString &address) override;
    platform::Answer show(const QString &text, platform::Icon icon, platform::Buttons buttons) override;
    QString read(const QString &application, const QString &section, const QString &key) override;
    bool write(const QString &application, const QString &section, const QString &key, const QString &value) override;
    void clearOwnContents() override;
    bool previousInstanceRunning() override;
    void end() override;
    QDate today() override;
    void seedFromTimer() override;
    float next() override;

    QStringList openedAddresses;
    QList<Message> messages;
    // Answers for Yes/No boxes, first first; No when it runs out.
    QList<platform::Answer> answers;
    // Called while a box is "open", to act as the user would at that moment.
    std::function<void(const Message &)> whileMessageShown;

    // Keyed by "application/section/key".
    QMap<QString, QString> stored;
    int writes = 0;
    bool failWrites = false;

    // The clipboard holds text, put there by this program or by another one.
    QString clipboardText;
    bool clipboardOwned = false;

    bool previousInstance = false;
    int ends = 0;
    QDate date{2026, 12, 8};
    QList<float> draws;
    int seeds = 0;

private:
    platform::Services m_replaced;
};
