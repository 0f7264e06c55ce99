#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace forms {

// A window of the program. It is loaded when first referred to, then shown or
// hidden (keeping its contents), until it is unloaded and destroyed.
class Form {
public:
    explicit Form(QWidget &window);
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    QWidget &window() const { return m_window; }
    bool isUnloading() const { return m_unloading; }

    // Runs Form_Unload and takes the window out of the collection at once; the
    // widget itself is destroyed back in the event loop, so that a handler of
    // this very window may ask for it and still finish.
    void Unload();

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

private:
    friend void load(Form &form);
    QWidget &m_window;
    // Goes with the Form, not the widget: the widget's own destructor still
    // sends it events after the Form part of the window is gone.
    std::unique_ptr<QObject> m_closeToUnload;
    bool m_unloading = false;
};

// Takes a freshly built window into the collection: fixed size, centred, the
// program's caption and icon, text boxes that take a paste whole, and the close
// box turned into an unload; then runs Form_Load.
void load(Form &form);

// The loaded windows, first loaded first.
QList<Form *> loaded();

// Whether the window is in the collection; one whose unload is running still is.
bool isLoaded(const Form *form);

// Shows the window, modeless. One that an unload handler shows comes on screen
// only once the user's action is over, and not at all if the action hid it
// again: a switch between windows unloads one, whose handler shows a window
// the switch then hides. Meanwhile the unloaded window stays on screen, so
// that the one shown comes before it goes.
void show(Form &form);
void hide(Form &form);

// Shows the window as a modal one and returns once it is unloaded.
void showModal(Form &form);

// A named window of the program. Referring to it while it is unloaded loads it
// afresh.
template <class W>
class FormRef {
public:
    W &get()
    {
        if (!isLoaded()) {
            m_form = new W;
            forms::load(*m_form);
        }
        return *m_form;
    }
    W *operator->() { return &get(); }
    bool isLoaded() const { return forms::isLoaded(m_form.data()); }

    void Show() { forms::show(get()); }
    void ShowModal() { forms::showModal(get()); }
    void Hide() { forms::hide(get()); }
    void Unload()
    {
        if (isLoaded())
            m_form->Unload();
    }

private:
    QPointer<W> m_form;
};

} // namespace forms
