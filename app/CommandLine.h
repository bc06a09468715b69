#pragma once

#include <optional>

namespace hueprobe {

// Answers --help and --version on stdout, and a usage error in one line on stderr,
// before any window or display connection exists. Qt's own options (-platform,
// -display, -style, ...) pass through to Qt; nothing else is accepted, so the
// command line never changes what the window does.
// Returns the exit status when the program ends here: 0 after an answer, 2 after
// a usage error; nothing when the window should open.
std::optional<int> answerCommandLine(int argc, const char* const argv[]);

} // namespace hueprobe
