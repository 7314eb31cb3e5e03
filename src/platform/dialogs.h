#pragma once
// What message boxes and file dialogs share.
#include <QString>

namespace platform {

// The least width of a dialog whose whole title the window manager is to show: the title in
// the desktop's font, bold and at least 10 points, as title bars set it, plus eight lines of
// that font for the icon, the three title-bar buttons and their margins.
int TitleBarWidth(const QString& title);

}  // namespace platform
