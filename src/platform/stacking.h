#pragma once
// Which of the program's windows are shown, when a show reaches the display, which window is
// in front and has the keyboard, and which stays above the others.

class QWidget;

namespace platform {

// Raises a shown window and gives it the keyboard once the work under way has returned to
// the event loop, if it is still shown then. Of the windows brought to the front during one
// piece of work, the last one still shown gets the keyboard: a window shown and hidden again
// on the way (the exit screen between two windows) never has it, not even for a moment.
void BringToFront(QWidget* window);

// Shows a window once the work under way has returned to the event loop, and brings it to the
// front then. Until that moment it counts as shown (IsShown) without being on the display, and
// HideWindow calls the show off: a window shown and hidden again within one piece of work
// never reaches the display. (A window manager that takes a map request late, as GNOME's does,
// would map such a window after the program had hidden it and leave it on the screen.)
void ShowLater(QWidget* window);
// Hides a window at once, or calls off its ShowLater.
void HideWindow(QWidget* window);
// True when the window is shown, or will be once the work under way is done.
bool IsShown(const QWidget* window);

// The program's window in front: the active window, else the window last brought to the front
// that is still shown; never the one given, nor a window that is not shown. Null when there is
// none. Message boxes and dialogs open over it.
QWidget* FrontWindow(const QWidget* except = nullptr);

// Keeps the window above the others while it is shown: on X11 above every window (the window
// manager's "keep above"); Wayland has no such request, so there it stays above the program's
// window in front when it is shown, as that window's child.
void KeepAbove(QWidget* window);

}  // namespace platform
