#pragma once

namespace hueprobe {

// At quit on Wayland: where the compositor keeps nothing of a program that quits
// (sway and the other wlroots desktops, KWin without Klipper), hands the text that
// Hueprobe still owns on the clipboard to wl-copy, which serves it, with no window,
// until another program copies. GNOME's compositor keeps it by itself.
void keepWaylandClipboardAfterQuit();

} // namespace hueprobe
