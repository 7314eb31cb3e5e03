#pragma once
// Where the keys go: to the window the user sees in front, never to a hidden one, and never
// as typed text while Alt is held. Which window is in front, and which windows are shown.

class QWidget;

namespace platform {

// From the first call on, for the whole application:
// - A key, a mouse press or a window manager's close meant for a window that is not shown
//   goes nowhere. (The window system may still route input to a window the program has just
//   hidden.)
// - A key pressed in a text box (line edit, text edit, spin box, editable list) with Alt or
//   Meta held, or with Ctrl and anything but Shift, types nothing there. Mnemonics and
//   shortcuts take such keys before the box sees them; one that none takes goes nowhere. Ctrl
//   and Ctrl+Shift keys still reach the box: Qt types nothing for them, and they are the box's
//   own editing shortcuts (copy, select all, ...).
// - A window asks the desktop for the keyboard only when the program brings it to the front.
//   (Qt's Wayland plugin also asks for the focused window whenever the focus moves inside the
//   program, for instance for the window a dialog returns to just before the program shows the
//   next one: the desktop then finds a window wanting attention that nobody brought forward.)
void InstallKeyGuard();

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
