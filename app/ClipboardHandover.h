#pragma once

namespace hueprobe {

// Keeps the text that Hueprobe last put on the clipboard available to other programs
// after Hueprobe ends. Call it once the event loop has returned, while the application
// object still exists.
//
// A copy needs nothing more than QClipboard::setText(): whatever text Hueprobe still
// owns on the clipboard at quit is kept. On X11 with a clipboard manager, Qt hands the
// text to the manager; without one, hueprobe-clipboard-keeper serves it until another
// program copies. On Wayland, wl-copy serves it where the compositor keeps nothing
// (see WaylandClipboardHandover.h). Elsewhere the platform keeps the clipboard.
void keepClipboardAfterQuit();

} // namespace hueprobe
