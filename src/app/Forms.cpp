#include "app/Forms.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

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
    m_window.hide();
    m_window.deleteLater();
}

void load(Form &form)
{
    QWidget &window = form.window();
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window.setFixedSize(window.size());
    window.setWindowIcon(QIcon(QStringLiteral(":/orvane.png")));
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
