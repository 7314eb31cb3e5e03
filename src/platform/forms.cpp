#include "platform/forms.h"

#include "platform/focusmark.h"
#include "platform/stacking.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QShortcutEvent>
#include <QWidget>
#include <algorithm>

namespace platform {
namespace {
std::vector<Form*>& Registry() {
    static std::vector<Form*> forms;
    return forms;
}

void Forget(Form* form) {
    auto& forms = Registry();
    forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
}
}  // namespace

Form::~Form() {
    if (registered_) {
        Forget(this);
        if (clearSlot_) clearSlot_();
    }
}

void Form::handleCloseEvent(QCloseEvent* event) {
    event->ignore();
    if (!unloading_) UnloadForm(this);
}

void RegisterForm(Form* form, std::function<void()> clearSlot) {
    form->clearSlot_ = std::move(clearSlot);
    form->registered_ = true;
    Registry().push_back(form);
}

bool UnloadForm(Form* form) {
    if (!form || !form->registered_ || form->unloading_) return true;
    form->unloading_ = true;
    bool cancel = false;
    form->Form_Unload(cancel);
    if (cancel) {
        form->unloading_ = false;
        return false;
    }
    Forget(form);
    form->registered_ = false;
    if (form->clearSlot_) form->clearSlot_();
    if (QWidget* w = form->widget()) {
        HideWindow(w);
        w->deleteLater();
    }
    return true;
}

std::vector<Form*> LoadedForms() { return Registry(); }

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    connect(this, &QPushButton::clicked, this, &CommandButton::press);
    ShowFocusMark(this, FocusMark::Dots);
}

void CommandButton::setValue(bool value) {
    if (value) press();
}

bool CommandButton::event(QEvent* event) {
    // The button's only shortcut is its mnemonic. An ambiguous one only moves the focus, as in Qt.
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        click();
        return true;
    }
    return QPushButton::event(event);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // A held key presses the button once.
        if (!event->isAutoRepeat()) click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void CommandButton::press() {
    QPointer<CommandButton> self(this);
    value_ = true;
    emit Click();
    if (self) value_ = false;
}

}  // namespace platform
