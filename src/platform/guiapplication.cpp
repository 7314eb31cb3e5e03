#include "platform/guiapplication.h"

#include "platform/focusmark.h"

#include <QWidget>
#include <utility>

namespace platform {

GuiApplication::GuiApplication(int& argc, char** argv)
    : QApplication(argc, argv), keepPopups_(platformName().startsWith(QLatin1String("wayland"))) {
    ShowMenuBarFocus();
}

bool GuiApplication::notify(QObject* receiver, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
        // Before the press is handled: a menu it closes counts from here on.
        popupClosedSinceInput_ = false;
        break;
    case QEvent::Hide:
        if (receiver->isWidgetType() && static_cast<QWidget*>(receiver)->windowType() == Qt::Popup) {
            popupClosedSinceInput_ = true;
        }
        break;
    case QEvent::ApplicationDeactivate:
        if (receiver == this) {
            const bool gap = std::exchange(popupClosedSinceInput_, false);
            // QApplication closes every popup here before anyone sees the event; QGuiApplication
            // hands it on to the filters and the receiver only.
            if (keepPopups_ && gap && activePopupWidget()) return QGuiApplication::notify(receiver, event);
        }
        break;
    default:
        break;
    }
    return QApplication::notify(receiver, event);
}

}  // namespace platform
