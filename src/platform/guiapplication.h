#pragma once
// The program's QApplication.
#include <QApplication>

namespace platform {

// QApplication, keeping the menus open through a pause in which Qt's Wayland plugin believes
// that the program has lost the keyboard, and with menu bars that show their selected title
// while they have the keyboard (ShowMenuBarFocus).
//
// Left or Right in an open menu closes it and opens the next one. Under KWin the keyboard was
// with the closed menu and goes to the new one only with the next key; Qt counts the moment
// between as the program going inactive and closes every popup, the new menu with them. So on
// Wayland, a deactivation that comes after a popup has closed, with no key or mouse button
// pressed since, leaves the open popups as they are. One that comes while the user works in a
// menu still closes it, as the program losing the keyboard to another one does.
class GuiApplication : public QApplication {
public:
    GuiApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // On for Qt's Wayland plugin, off elsewhere; tests turn it on under the offscreen one.
    void setKeepsPopupsThroughKeyboardGaps(bool keep) { keepPopups_ = keep; }
    bool keepsPopupsThroughKeyboardGaps() const { return keepPopups_; }

private:
    bool keepPopups_;
    bool popupClosedSinceInput_ = false;
};

}  // namespace platform
