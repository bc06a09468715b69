#pragma once

namespace hueprobe {

// At quit on Wayland: where the desktop keeps nothing of a program that quits (sway
// and the other wlroots desktops), hands the text that Hueprobe still owns on the
// clipboard to wl-copy, which serves it, with no window, until another program
// copies. GNOME's compositor and KDE's Klipper keep it by themselves.
void keepWaylandClipboardAfterQuit();

} // namespace hueprobe
