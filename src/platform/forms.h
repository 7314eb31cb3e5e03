#pragma once
// Every window has one global instance, loaded on first use and destroyed by unloading.
#include <QPushButton>
#include <QString>
#include <functional>
#include <vector>

class QCloseEvent;
class QKeyEvent;
class QWidget;

namespace platform {

// Base of every window class. The window class also derives from a QWidget kind.
class Form {
public:
    virtual ~Form();
    virtual QWidget* widget() = 0;
    // Runs once, right after the window was built and registered.
    virtual void Form_Load() {}
    // Runs on every unload; setting cancel keeps the window loaded.
    virtual void Form_Unload(bool& cancel) { (void)cancel; }

    bool isUnloading() const { return unloading_; }

protected:
    // Closing by the title bar unloads the window as Unload does.
    void handleCloseEvent(QCloseEvent* event);

private:
    friend bool UnloadForm(Form* form);
    friend void RegisterForm(Form* form, std::function<void()> clearSlot);
    std::function<void()> clearSlot_;
    bool registered_ = false;
    bool unloading_ = false;
};

void RegisterForm(Form* form, std::function<void()> clearSlot);
// Runs the unload handler, then forgets the window, which takes no more input, and deletes it
// later; false if cancelled.
bool UnloadForm(Form* form);
// The loaded windows, in the order they were loaded.
std::vector<Form*> LoadedForms();

template <class T>
T*& FormSlot() {
    static T* slot = nullptr;
    return slot;
}

// The window's instance, loading it on first use.
template <class T>
T* Get() {
    T*& slot = FormSlot<T>();
    if (!slot) {
        T* form = new T();
        slot = form;
        RegisterForm(form, [] { FormSlot<T>() = nullptr; });
        form->Form_Load();
        return form;
    }
    return slot;
}

// The window's instance if loaded; never loads.
template <class T>
T* Peek() {
    return FormSlot<T>();
}

template <class T>
bool IsLoaded() {
    return FormSlot<T>() != nullptr;
}

template <class T>
bool Unload() {
    T* form = FormSlot<T>();
    return form ? UnloadForm(form) : true;
}

// A command button whose pressed state (Value) is true while its click handler runs,
// whether a person clicked it or code pressed it. Enter presses it when it has the focus, as
// Space does.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(const QString& caption = {}, QWidget* parent = nullptr);
    bool Value() const { return value_; }
    // Setting Value to true presses the button: its Click runs.
    void setValue(bool value);

signals:
    void Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void press();
    bool value_ = false;
};

}  // namespace platform
