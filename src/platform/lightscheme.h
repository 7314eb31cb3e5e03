#pragma once
// The light colour scheme the program's windows draw in, whatever the desktop's scheme.
#include <QPalette>

class QWidget;

namespace platform {

// Dark text on light window, button and box colours, blue links: the light palette of Qt's own
// style. The windows' pictures and the text colours they name are made for a light ground.
QPalette LightScheme();

// A window's client area and the controls in it draw from the light scheme, on the scheme's window
// colour where nothing else is painted, under a dark desktop scheme and when the desktop's scheme
// changes while they are shown. A window calls it before it sets colours of its own and makes its
// controls, so that a control that copies a colour from its palette copies the light one. A
// control with a style sheet takes no palette from the widget it lies in and is given
// LightScheme() itself. Menus, drop-down lists, message boxes and dialogs are windows of their
// own and keep the desktop's scheme.
void UseLightScheme(QWidget* client);

}  // namespace platform
