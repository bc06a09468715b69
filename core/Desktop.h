#pragma once

#include <string_view>

namespace hueprobe {

// GNOME and KDE Plasma bring what a bare Wayland compositor lacks: a colour
// picker behind the desktop portal, and a clipboard that outlives the program
// that copied. Told from XDG_CURRENT_DESKTOP, a list such as "ubuntu:GNOME".
bool IsGnomeOrKde(std::string_view currentDesktops);

} // namespace hueprobe
