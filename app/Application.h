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

// On Wayland, ends the process here, with status, once the windows are gone and
// the copied text handed on: Qt (6.4 and 6.8 alike) can wait for ever while it
// takes down its Wayland connection, one of its event threads waiting for a read
// that another has prepared and left, and all that remains is memory the system
// frees anyway. Elsewhere it returns, and the program ends as usual.
void endBeforeWaylandTeardown(int status);

} // namespace hueprobe
