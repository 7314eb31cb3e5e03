#include "platform/keepmaximised.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace platform {
namespace {

// Watches one top-level window: notes a minimise while it is maximised, and maximises it again
// when it is next activated without being maximised.
class MaximisedKeeper : public QObject {
public:
    explicit MaximisedKeeper(QWidget* window) : QObject(window), window_(window) {
        setObjectName(kName);
        window->installEventFilter(this);
    }

    // The window's keeper, if it has one.
    static MaximisedKeeper* of(QWidget* window) {
        return dynamic_cast<MaximisedKeeper*>(window->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly));
    }

    // Follows the window's native window, which a window gets on its first show.
    void watch(QWindow* handle) {
        if (handle == handle_) return;
        if (handle_) disconnect(handle_, nullptr, this, nullptr);
        handle_ = handle;
        minimisedMaximised_ = false;
        if (!handle) return;
        // Told as the minimise is asked for, before the window system's answer changes the
        // widget's state.
        connect(handle, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if (state == Qt::WindowMinimized && window_->isMaximized()) minimisedMaximised_ = true;
        });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::WindowActivate || !minimisedMaximised_) return false;
        minimisedMaximised_ = false;
        if (!window_->isMaximized() && !window_->isMinimized() && !window_->isFullScreen()) {
            window_->setWindowState((window_->windowState() & ~Qt::WindowActive) | Qt::WindowMaximized);
        }
        return false;
    }

private:
    static inline const QString kName = QStringLiteral("platform-maximised-keeper");

    QWidget* window_;
    QPointer<QWindow> handle_;
    bool minimisedMaximised_ = false;
};

class KeepMaximised : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
        auto* window = static_cast<QWidget*>(watched);
        // Windows that can be maximised: not menus, tool tips and the like.
        const Qt::WindowType type = window->windowType();
        if ((type != Qt::Window && type != Qt::Dialog) || !window->windowHandle()) return false;
        MaximisedKeeper* keeper = MaximisedKeeper::of(window);
        if (!keeper) keeper = new MaximisedKeeper(window);
        keeper->watch(window->windowHandle());
        return false;
    }
};

}  // namespace

void InstallKeepMaximised() {
    static QPointer<KeepMaximised> keeper;
    if (keeper || !qApp) return;
    keeper = new KeepMaximised(qApp);
    qApp->installEventFilter(keeper);
}

}  // namespace platform
