#pragma once
// Runs an action once the manual window's deal is under way, from inside the deal's
// pending-event runs.
#include "manual/frmManual.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class DuringDeal {
public:
    DuringDeal(frmManual* window, std::function<void()> action) : window_(window), action_(std::move(action)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (!window_ || !window_->isDealing()) return;
            timer_.stop();
            fired = true;
            action_();
        });
        timer_.start(0);
    }
    bool fired = false;

private:
    QPointer<frmManual> window_;
    std::function<void()> action_;
    QTimer timer_;
};
