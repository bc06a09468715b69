#pragma once

class QIcon;
class QWidget;

namespace hueprobe {

// The program's icon: 32 x 32 pixels, 16 colours, on a transparent background.
// Compiled into the program and decoded on first use only.
const QIcon& appIcon();

// Gives the application object the program's name, version and icon, which
// the build takes from the project's declaration. The windows are a fixed design
// read left to right, 0 at the left of every scroll bar: -reverse does not mirror them.
void identifyApplication();

// Shown at its designed size on a screen, whatever -geometry asked for: a window
// placed off every screen, or made smaller than its controls, cannot be used.
void keepOnScreen(QWidget& window);

} // namespace hueprobe
