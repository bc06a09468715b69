#pragma once

#include <QString>

#include <optional>

namespace hueprobe {

// What keeps Hueprobe from opening a window: no display set, or one that does not
// answer. Nothing when a display answers, or when Qt is told to use a platform that
// needs no display server (offscreen, vnc, ...). Qt itself ends the process with an
// abort and a page of plugin messages in that case, so this runs before it starts.
std::optional<QString> missingDisplay();

// Prints one line to stderr and returns false when missingDisplay() finds a problem.
bool displayIsUsable();

} // namespace hueprobe
