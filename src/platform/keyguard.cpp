#include "platform/keyguard.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QWidget>
#include <QWindow>

namespace platform {
namespace {

bool TakesTypedText(const QObject* object) {
    if (qobject_cast<const QLineEdit*>(object) || qobject_cast<const QTextEdit*>(object) ||
        qobject_cast<const QPlainTextEdit*>(object) || qobject_cast<const QAbstractSpinBox*>(object)) {
        return true;
    }
    const auto* list = qobject_cast<const QComboBox*>(object);
    return list && list->isEditable();
}

// The modifiers with which Qt's text boxes would still type the key's text: all but none,
// Shift, Ctrl and Ctrl+Shift.
bool IsCommandModifier(Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier)) return true;
    return modifiers.testFlag(Qt::ControlModifier) && (modifiers & ~(Qt::ControlModifier | Qt::ShiftModifier));
}

// What a text box would type: a printable character or a tab. Other keys with text (Return,
// Backspace, Delete) edit rather than type, and keep their editing meanings (Alt+Backspace undoes).
bool Types(const QString& text) { return !text.isEmpty() && (text.at(0).isPrint() || text.at(0) == QLatin1Char('\t')); }

// Input that must not reach a window that is not shown: keys and mouse presses, and the window
// manager's close (a close the program itself sends is not spontaneous).
bool IsInputForShownWindowsOnly(const QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            return true;
        case QEvent::Close:
            return event->spontaneous();
        default:
            return false;
    }
}

// A widget in a window that is not on the screen, or such a window's native window.
bool InHiddenWindow(const QObject* object) {
    if (const auto* window = qobject_cast<const QWindow*>(object)) return !window->isVisible();
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && !widget->window()->isVisible();
}

class KeyGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!IsInputForShownWindowsOnly(event)) return false;
        if (InHiddenWindow(watched)) {
            // A refused close keeps the window; other input is taken and dropped.
            if (event->type() == QEvent::Close) {
                event->ignore();
            } else {
                event->accept();
            }
            return true;
        }
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        return IsCommandModifier(key->modifiers()) && Types(key->text()) && TakesTypedText(watched);
    }
};

}  // namespace

void InstallKeyGuard() {
    static QPointer<KeyGuard> guard;
    if (guard || !qApp) return;
    // Filters of the application see every event before the watched object's own filters.
    guard = new KeyGuard(qApp);
    qApp->installEventFilter(guard);
    // Qt's Wayland plugin asks the compositor to activate the focus window whenever the focus
    // object changes, through a connection of its own on the application. Windows ask for the
    // keyboard through BringToFront alone.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        QObject::disconnect(qApp, &QGuiApplication::focusObjectChanged, qApp, nullptr);
    }
}

}  // namespace platform
