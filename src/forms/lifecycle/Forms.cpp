#include "forms/lifecycle/Forms.h"
#include "forms/lifecycle/Forms_p.h"

#include "forms/look/Png.h"
#include "platform/ProductFacts.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QScreen>

#include <algorithm>
#include <limits>
#include <utility>

namespace forms {

namespace {

QList<Form *> collection; // clazy:exclude=non-pod-global-static an empty QList allocates nothing
// Shown, waiting for the current action to end.
QList<Form *> pendingShows; // clazy:exclude=non-pod-global-static an empty QList allocates nothing

// The close box, Alt+F4 and the system menu's Close all arrive as a close event.
class CloseToUnload final : public QObject { // clazy:exclude=missing-qobject-macro no signal, slot or cast to it
public:
    explicit CloseToUnload(Form &form)
        : m_form(form)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_form.window() && event->type() == QEvent::Close) {
            event->ignore();
            m_form.Unload();
            return true;
        }
        return false;
    }

private:
    Form &m_form;
};

// Qt reads a plain QWidget standing alone as a client area; ours are windows.
QAccessibleInterface *accessibleWindow(const QString &className, QObject *object)
{
    if (className == QLatin1String(QWidget::staticMetaObject.className()) && object->isWidgetType()
        && static_cast<QWidget *>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

bool unloadHandlerRunning()
{
    return std::any_of(collection.cbegin(), collection.cend(), [](const Form *form) { return form->isUnloading(); });
}

void centre(QWidget &window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

} // namespace

Form::Form(QWidget &window)
    : m_window(window)
{
    // Before the form builds its controls, which may already be read.
    [[maybe_unused]] static const bool accessible = [] {
        QAccessible::installFactory(accessibleWindow);
        return true;
    }();
    // Set while the window is still empty: on a built one, new flags reparent
    // it and re-resolve every child.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

Form::~Form()
{
    collection.removeOne(this);
    pendingShows.removeOne(this);
}

void Form::Unload()
{
    if (m_unloading)
        return;
    m_unloading = true;
    Form_Unload();
    collection.removeOne(this);
    pendingShows.removeOne(this);
    // Destroying the widget takes it off the screen, after any pending show.
    if (pendingShows.isEmpty())
        m_window.hide();
    m_window.deleteLater();
}

void load(Form &form)
{
    QWidget &window = form.window();
    window.setFixedSize(window.size());
    window.setWindowTitle(platform::windowCaption());
    window.setWindowIcon(programIcon());
    // A paste is taken whole: Qt would keep only its first 32,767 characters.
    for (QLineEdit *box : window.findChildren<QLineEdit *>())
        box->setMaxLength(std::numeric_limits<int>::max());
    form.m_closeToUnload = std::make_unique<CloseToUnload>(form);
    window.installEventFilter(form.m_closeToUnload.get());
    centre(window);
    collection.append(&form);
    form.Form_Load();
}

QList<Form *> loaded()
{
    return collection;
}

bool isLoaded(const Form *form)
{
    return form && collection.contains(form);
}

void show(Form &form)
{
    if (form.window().isVisible() || detail::isShowPending(form))
        return;
    if (!unloadHandlerRunning()) {
        form.window().show();
        return;
    }
    pendingShows.append(&form);
    // Qt deletes the marker once control is back in the event loop that ran
    // this action, not in the loop of a message box the action opens.
    auto *marker = new QObject;
    QObject::connect(marker, &QObject::destroyed, [] {
        const QList<Form *> pending = std::exchange(pendingShows, {});
        for (Form *loadedForm : loaded()) {
            if (pending.contains(loadedForm))
                loadedForm->window().show();
        }
    });
    marker->deleteLater();
}

void hide(Form &form)
{
    pendingShows.removeOne(&form);
    form.window().hide();
}

namespace detail {

bool isShowPending(const Form &form)
{
    return pendingShows.contains(&form);
}

} // namespace detail

void showModal(Form &form)
{
    QWidget &window = form.window();
    QEventLoop loop;
    QObject::connect(&window, &QObject::destroyed, &loop, &QEventLoop::quit);
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    loop.exec();
}

} // namespace forms
