#pragma once
// A maximised window that is minimised comes back maximised.

namespace platform {

// From the first call on, for the whole application: a window that was maximised when it was
// minimised is asked to be maximised again when it comes back (is activated) in the normal
// state. Qt's own title bars on Wayland minimise a window by asking for the minimised state
// alone, so Qt's Wayland plugin asks the compositor to unmaximise it too and counts it normal
// at once; GNOME's brings it back at its normal size. Where the window system keeps the window
// maximised (X11), it comes back so and nothing more is asked.
void InstallKeepMaximised();

}  // namespace platform
