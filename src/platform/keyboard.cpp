#include "platform/keyboard.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>
#include <vector>

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

bool IsKeyEvent(QEvent::Type type) {
    return type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride ||
           type == QEvent::Shortcut;
}

// A widget in a window that is not on the screen.
bool InHiddenWindow(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && !widget->window()->isVisible();
}

class KeyGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!IsKeyEvent(event->type())) return false;
        if (InHiddenWindow(watched)) {
            event->accept();
            return true;
        }
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        return IsCommandModifier(key->modifiers()) && Types(key->text()) && TakesTypedText(watched);
    }
};

std::vector<QPointer<QWidget>>& FrontRequests() {
    static std::vector<QPointer<QWidget>> requests;
    return requests;
}

void ActivateFrontWindow() {
    std::vector<QPointer<QWidget>> requests;
    requests.swap(FrontRequests());
    for (auto it = requests.rbegin(); it != requests.rend(); ++it) {
        QWidget* window = *it;
        if (window && window->isVisible()) {
            window->activateWindow();
            return;
        }
    }
}

}  // namespace

void InstallKeyGuard() {
    static QPointer<KeyGuard> guard;
    if (guard || !qApp) return;
    // Filters of the application see every event before the watched object's own filters.
    guard = new KeyGuard(qApp);
    qApp->installEventFilter(guard);
}

void BringToFront(QWidget* window) {
    window = window->window();
    window->raise();
    std::vector<QPointer<QWidget>>& requests = FrontRequests();
    // The first request of a piece of work schedules the hand-over for when it is done.
    if (requests.empty()) QTimer::singleShot(0, qApp, &ActivateFrontWindow);
    requests.emplace_back(window);
}

}  // namespace platform
