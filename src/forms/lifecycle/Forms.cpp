#include "forms/lifecycle/Forms.h"

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

namespace forms {

namespace {

QList<Form *> collection;

// The close box, Alt+F4 and the system menu's Close all arrive as a close event.
class CloseToUnload final : public QObject {
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

bool anyShowPending()
{
    return std::any_of(collection.cbegin(), collection.cend(), [](const Form *form) { return isShowPending(*form); });
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
}

void Form::Unload()
{
    if (m_unloading)
        return;
    m_unloading = true;
    Form_Unload();
    collection.removeOne(this);
    // Destroying the widget takes it off the screen, after any pending show.
    if (!anyShowPending())
        m_window.hide();
    m_window.deleteLater();
}

void load(Form &form)
{
    QWidget &window = form.window();
    window.setFixedSize(window.size());
    window.setWindowTitle(platform::windowCaption());
    window.setWindowIcon(forms::pngPixmap(QStringLiteral(":/orvane.png")));
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
    if (form.m_window.isVisible() || form.m_showPending)
        return;
    if (!unloadHandlerRunning()) {
        form.m_window.show();
        return;
    }
    form.m_showPending = true;
    // Qt deletes the marker once control is back in the event loop that ran
    // this action, not in the loop of a message box the action opens.
    auto *marker = new QObject;
    QObject::connect(marker, &QObject::destroyed, [] {
        for (Form *pending : loaded()) {
            if (pending->m_showPending) {
                pending->m_showPending = false;
                pending->m_window.show();
            }
        }
    });
    marker->deleteLater();
}

void hide(Form &form)
{
    form.m_showPending = false;
    form.m_window.hide();
}

bool isShowPending(const Form &form)
{
    return form.m_showPending;
}

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
