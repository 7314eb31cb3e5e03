#include "casting/userinputhold.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}
}  // namespace

UserInputHold::UserInputHold() { QCoreApplication::instance()->installEventFilter(this); }

UserInputHold::~UserInputHold() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
    for (auto& [receiver, event] : held_) {
        if (receiver) QCoreApplication::postEvent(receiver, event.release());
    }
}

bool UserInputHold::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    if (IsUserInput(event->type())) {
        held_.emplace_back(watched, std::unique_ptr<QEvent>(event->clone()));
        event->accept();
        return true;
    }
    return false;
}
