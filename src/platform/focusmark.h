#pragma once
// Wherever the focus can go, a user sees where it is.
class QWidget;

namespace platform {

enum class FocusMark {
    // A frame in the highlight colour round a box or a list, as the style gives line edits.
    Frame,
    // A dotted rectangle inside a button's face, once the keyboard is in use in the window.
    Dots,
};

// Has the control draw the mark over itself while it has the focus.
void ShowFocusMark(QWidget* control, FocusMark mark);

}  // namespace platform
