#pragma once

namespace hueprobe {

// Where no window can open (no display, a display that does not answer, a platform
// Qt cannot load), Qt ends the process with an abort after a page of messages. While
// the application object connects to its display, Qt's messages are held instead: if
// Qt gives up, Hueprobe prints one line saying why and ends with status 1.
void holdMessagesUntilConnected();

// The display is there: the held messages go out as Qt would have written them. A
// platform without a screen, or a screen of 256 colours or fewer, on which Qt
// paints nothing, is no display for Hueprobe: one line and status 1 then too.
void releaseHeldMessages();

} // namespace hueprobe
