#include "platform/RecordingPlatform.h"

RecordingPlatform::RecordingPlatform()
    : m_replaced(platform::install({this, this, this, this, this, this, this}))
{
}

RecordingPlatform::~RecordingPlatform()
{
    platform::install(m_replaced);
}

void RecordingPlatform::openAddress(const QString &address)
{
    openedAddresses.append(address);
}

platform::Answer RecordingPlatform::show(const QString &text, platform::Icon icon, platform::Buttons buttons)
{
    messages.append({text, icon, buttons});
    if (whileMessageShown)
        whileMessageShown(messages.last());
    if (buttons == platform::Buttons::Ok)
        return platform::Answer::Ok;
    return answers.isEmpty() ? platform::Answer::No : answers.takeFirst();
}

QString RecordingPlatform::read(const QString &application, const QString &section, const QString &key)
{
    return stored.value(application + u'/' + section + u'/' + key);
}

bool RecordingPlatform::write(const QString &application, const QString &section, const QString &key,
                              const QString &value)
{
    ++writes;
    if (failWrites)
        return false;
    stored.insert(application + u'/' + section + u'/' + key, value);
    return true;
}

void RecordingPlatform::clearOwnContents()
{
    if (clipboardOwned)
        clipboardText.clear();
}

bool RecordingPlatform::previousInstanceRunning()
{
    return previousInstance;
}

void RecordingPlatform::end()
{
    ++ends;
}

QDate RecordingPlatform::today()
{
    return date;
}

void RecordingPlatform::seedFromTimer()
{
    ++seeds;
}

float RecordingPlatform::next()
{
    return draws.isEmpty() ? 0.0f : draws.takeFirst();
}
