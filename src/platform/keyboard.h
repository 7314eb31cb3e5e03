#pragma once
// Where the keys go: to the window the user sees in front, never to a hidden one, and never
// as typed text while Alt is held.

class QWidget;

namespace platform {

// From the first call on, for the whole application:
// - A key meant for a window that is not shown goes nowhere. (The window system may still
//   route keys to a window the program has just hidden.)
// - A key pressed in a text box (line edit, text edit, spin box, editable list) with Alt or
//   Meta held, or with Ctrl and anything but Shift, types nothing there. Mnemonics and
//   shortcuts take such keys before the box sees them; one that none takes goes nowhere. Ctrl
//   and Ctrl+Shift keys still reach the box: Qt types nothing for them, and they are the box's
//   own editing shortcuts (copy, select all, ...).
void InstallKeyGuard();

// Raises a shown window and gives it the keyboard once the work under way has returned to
// the event loop, if it is still shown then. Of the windows brought to the front during one
// piece of work, the last one still shown gets the keyboard: a window shown and hidden again
// on the way (the exit screen between two windows) never has it, not even for a moment.
void BringToFront(QWidget* window);

}  // namespace platform
