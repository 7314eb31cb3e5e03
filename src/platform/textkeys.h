#pragma once
// Keys held with Alt never type into a text box.

namespace platform {

// From the first call on, for the whole application: a key pressed in a text box (line edit,
// text edit, spin box, editable list) with Alt or Meta held, or with Ctrl and anything but
// Shift, types nothing there. Mnemonics and shortcuts take such keys before the box sees them;
// one that none takes goes nowhere. Ctrl and Ctrl+Shift keys still reach the box: Qt types
// nothing for them, and they are the box's own editing shortcuts (copy, select all, ...).
void InstallTextKeyGuard();

}  // namespace platform
