#pragma once
// Windows of a fixed size stay as they are: never maximised.

namespace platform {

// From the first call on, for the whole application: a window whose size is fixed (its minimum
// size equals its maximum) that the window system maximises is put back in its normal state at
// once, at its size and place. Qt's own title bars on Wayland offer a maximise button on every
// window, and a compositor may honour it whatever the window's size hints say (GNOME's moves
// such a window into the screen's corner).
void InstallFixedSizeGuard();

}  // namespace platform
