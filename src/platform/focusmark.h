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

// Has every menu bar show its selected title while the bar has the keyboard (after Alt, or Esc
// in one of its menus), as the style shows the title of an open menu: puts a style over the
// application's that does so. Fusion marks a title only while its menu is open.
void ShowMenuBarFocus();

}  // namespace platform
