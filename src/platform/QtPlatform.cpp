#include "platform/QtPlatform.h"
#include "platform/QtPlatform_p.h"

#include "platform/Browser.h"
#include "platform/InstanceLock.h"
#include "platform/SettingsPlace.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QSettings>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

using namespace Qt::StringLiterals;

#if defined(__SANITIZE_ADDRESS__)
#define ORVANE_LEAK_CHECK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVANE_LEAK_CHECK 1
#endif
#endif
#ifdef ORVANE_LEAK_CHECK
#include <sanitizer/lsan_interface.h>
#endif
#ifdef ORVANE_COVERAGE
extern "C" void __gcov_dump(void);
#endif

namespace platform {

namespace detail {

QUrl urlForAddress(const QString &address)
{
    return QUrl::fromEncoded(address.toUtf8(), QUrl::StrictMode);
}

bool isWebAddress(const QUrl &url)
{
    return url.scheme() == "http"_L1 || url.scheme() == "https"_L1;
}

float unitFloatFromBits(std::uint32_t bits)
{
    return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f);
}

} // namespace detail

void QtShell::openAddress(const QString &address)
{
    const QUrl url = detail::urlForAddress(address);
    if (!url.isValid() || !detail::isWebAddress(url))
        return;
    if (openInBrowser(url))
        return;
    // Cut before the query, which holds what the user typed.
    qWarning("No browser could be asked to open %s",
             qPrintable(url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment).toString()));
}

QtMessageBox::QtMessageBox(QString title)
    : m_title(std::move(title))
{
}

Answer QtMessageBox::show(const QString &text, Icon icon, Buttons buttons)
{
    // A lone carriage return breaks the line in the texts, as it does on Windows.
    QString shown = text;
    shown.replace("\r\n"_L1, "\n"_L1).replace(u'\r', u'\n');
    // Owned by the active window, so that a window kept on top cannot hide it.
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information, m_title, shown,
                    buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    // Wide enough for the whole title in a title bar that centres it, with the
    // room of three buttons on one side and so, for the centring, on both.
    // Qt's own bar on Wayland draws the title at 14 pixels yet centres it by
    // its width in the application font, so the difference counts twice. The
    // grid is Qt's own, not promised: tst_qtinternals tells when it changes.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        constexpr int buttonsRoom = 80;
        QFont barFont = QApplication::font();
        barFont.setPixelSize(std::max(14, QFontInfo(barFont).pixelSize()));
        const int centred = QFontMetrics(QApplication::font()).horizontalAdvance(m_title);
        const int drawn = std::max(QFontMetrics(barFont).horizontalAdvance(m_title), centred);
        const int width = 2 * drawn - centred + 2 * buttonsRoom;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    const int pressed = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QtSettingsStore::QtSettingsStore(QString maker, QString product)
    : m_maker(std::move(maker))
    , m_product(std::move(product))
{
}

QString QtSettingsStore::read(const QString &application, const QString &section, const QString &key)
{
    const SettingsPlace place = userSettingsPlace(application, m_maker, m_product, SettingsUse::Read);
    if (place.path.isEmpty())
        return {};
    const QSettings store(place.path, place.format);
    return store.value(section + u'/' + key).toString();
}

bool QtSettingsStore::write(const QString &application, const QString &section, const QString &key,
                            const QString &value)
{
    const SettingsPlace place = userSettingsPlace(application, m_maker, m_product, SettingsUse::Write);
    if (place.path.isEmpty())
        return false;
    QSettings store(place.path, place.format);
    store.setValue(section + u'/' + key, value);
    store.sync();
    return store.status() == QSettings::NoError;
}

void QtClipboard::clearOwnContents()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard->ownsClipboard())
        clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection() && clipboard->ownsSelection())
        clipboard->clear(QClipboard::Selection);
}

QtProcess::QtProcess(const QString &lockName)
    : m_lock(makeInstanceLock(lockName))
{
}

QtProcess::~QtProcess() = default;

bool QtProcess::previousInstanceRunning()
{
    return !m_lock->acquire();
}

void QtProcess::end()
{
    m_lock->release();
    // Nothing is left to tell when the flush fails: the program ends either way.
    static_cast<void>(std::fflush(nullptr));
#ifdef ORVANE_LEAK_CHECK
    // The immediate exit skips the check a normal exit would run.
    __lsan_do_leak_check();
#endif
#ifdef ORVANE_COVERAGE
    // Nor would a coverage build write its counters.
    __gcov_dump();
#endif
    std::_Exit(0);
}

QDate SystemClock::today()
{
    return QDate::currentDate();
}

void TimerSeededRandom::seedFromTimer()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    m_engine.seed(seed);
}

float TimerSeededRandom::next()
{
    return detail::unitFloatFromBits(static_cast<std::uint32_t>(m_engine()));
}

QtPlatform::QtPlatform(const QString &applicationTitle, const QString &maker, const QString &lockName)
    : m_messageBox(applicationTitle)
    , m_settings(maker, applicationTitle)
    , m_process(lockName)
{
}

Services QtPlatform::services()
{
    return {&m_shell, &m_messageBox, &m_settings, &m_clipboard, &m_process, &m_clock, &m_random};
}

} // namespace platform
