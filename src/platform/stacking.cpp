#include "platform/stacking.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <vector>

namespace platform {
namespace {

using Windows = std::vector<QPointer<QWidget>>;

// Brought to the front during the work under way, in order.
Windows& FrontRequests() {
    static Windows requests;
    return requests;
}

// To be shown once the work under way is done, in order.
Windows& PendingShows() {
    static Windows pending;
    return pending;
}

// Every window brought to the front, the most recent last.
Windows& FrontHistory() {
    static Windows history;
    return history;
}

void Remove(Windows& windows, const QWidget* window) {
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [window](const QPointer<QWidget>& w) { return !w || w == window; }),
                  windows.end());
}

bool Contains(const Windows& windows, const QWidget* window) {
    return std::any_of(windows.begin(), windows.end(), [window](const QPointer<QWidget>& w) { return w == window; });
}

bool g_handOverDue = false;

// Once the work under way is done: the windows it showed go on the screen, and the last one
// brought to the front that is still shown gets the keyboard.
void HandOver() {
    g_handOverDue = false;
    Windows pending;
    pending.swap(PendingShows());
    for (QWidget* window : pending) {
        if (window) {
            window->show();
            window->raise();
        }
    }
    Windows requests;
    requests.swap(FrontRequests());
    for (auto it = requests.rbegin(); it != requests.rend(); ++it) {
        QWidget* window = *it;
        if (window && window->isVisible()) {
            window->activateWindow();
            return;
        }
    }
}

void ScheduleHandOver() {
    if (g_handOverDue) return;
    g_handOverDue = true;
    QTimer::singleShot(0, qApp, &HandOver);
}

// Keeps a window above the program's window in front while it is shown, as that window's
// transient child. The parent is chosen as the window shows and let go when either hides: a
// window whose transient parent goes away is closed by Qt's Wayland plugin.
class KeepAboveFront : public QObject {
public:
    explicit KeepAboveFront(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show) {
            letGo();
            parent_ = FrontWindow(window_);
            if (parent_ && parent_->windowHandle() && window_->windowHandle()) {
                window_->windowHandle()->setTransientParent(parent_->windowHandle());
                parent_->installEventFilter(this);
            }
        } else if (event->type() == QEvent::Hide && (watched == window_ || watched == parent_)) {
            letGo();
        }
        return false;
    }

private:
    void letGo() {
        if (parent_) parent_->removeEventFilter(this);
        parent_ = nullptr;
        if (window_ && window_->windowHandle()) window_->windowHandle()->setTransientParent(nullptr);
    }

    QPointer<QWidget> window_;
    QPointer<QWidget> parent_;
};

}  // namespace

void BringToFront(QWidget* window) {
    window = window->window();
    window->raise();
    FrontRequests().emplace_back(window);
    Windows& history = FrontHistory();
    Remove(history, window);
    history.emplace_back(window);
    ScheduleHandOver();
}

void ShowLater(QWidget* window) {
    window = window->window();
    if (!window->isVisible() && !Contains(PendingShows(), window)) PendingShows().emplace_back(window);
    BringToFront(window);
}

void HideWindow(QWidget* window) {
    window = window->window();
    Remove(PendingShows(), window);
    window->hide();
}

bool IsShown(const QWidget* window) {
    window = window->window();
    return window->isVisible() || Contains(PendingShows(), window);
}

QWidget* FrontWindow(const QWidget* except) {
    const auto fits = [except](const QWidget* window) { return window && window != except && window->isVisible(); };
    if (QWidget* active = QApplication::activeWindow(); fits(active)) return active;
    const Windows& history = FrontHistory();
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        if (fits(*it)) return *it;
    }
    return nullptr;
}

void KeepAbove(QWidget* window) {
    window = window->window();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    new KeepAboveFront(window);
}

}  // namespace platform
