#pragma once

#include <QFont>

namespace hueprobe {

// The windows' Japanese Gothic face at the given size.
QFont gothicFont(double points);

// Makes the Gothic face, at the toolkit's own size, the font of the controls that
// set none (menus, buttons, the chart list), as the interface face of a Japanese
// desktop draws Latin and Japanese text alike. One face then serves the whole
// program. Call it once the application object exists, before any window is built.
void useGothicInterfaceFont();

} // namespace hueprobe
