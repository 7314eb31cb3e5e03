#pragma once
// Where the keys go: to the window the user sees in front, never to a hidden one, and never as
// typed text while Alt is held.

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

}  // namespace platform
