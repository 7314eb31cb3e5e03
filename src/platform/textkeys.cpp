#include "platform/textkeys.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

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

class TextKeyGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        return IsCommandModifier(key->modifiers()) && Types(key->text()) && TakesTypedText(watched);
    }
};

}  // namespace

void InstallTextKeyGuard() {
    static QPointer<TextKeyGuard> guard;
    if (guard || !qApp) return;
    // Filters of the application see every event before the watched object's own filters.
    guard = new TextKeyGuard(qApp);
    qApp->installEventFilter(guard);
}

}  // namespace platform
