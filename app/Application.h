#pragma once

class QIcon;

namespace hueprobe {

// The program's icon: 32 x 32 pixels, 16 colours, on a transparent background.
// Compiled into the program and decoded on first use only.
const QIcon& appIcon();

// Gives the application object the program's name, version and icon, which
// the build takes from the project's declaration.
void identifyApplication();

} // namespace hueprobe
