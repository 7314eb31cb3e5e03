#include "platform/fixedsize.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace platform {
namespace {

bool IsFixedSize(const QWidget* window) { return window->minimumSize() == window->maximumSize(); }

class FixedSizeGuard : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::WindowStateChange || !watched->isWidgetType()) return false;
        auto* window = static_cast<QWidget*>(watched);
        if (!window->isWindow() || !IsFixedSize(window) || !window->isMaximized()) return false;
        // Put back once the window system's change has been handled to its end.
        QTimer::singleShot(0, window, [window] {
            if (window->isMaximized()) window->setWindowState(window->windowState() & ~Qt::WindowMaximized);
        });
        return false;
    }
};

}  // namespace

void InstallFixedSizeGuard() {
    static QPointer<FixedSizeGuard> guard;
    if (guard || !qApp) return;
    guard = new FixedSizeGuard(qApp);
    qApp->installEventFilter(guard);
}

}  // namespace platform
