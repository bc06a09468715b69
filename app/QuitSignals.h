#pragma once

#include <functional>

class QObject;

namespace hueprobe {

// SIGTERM, SIGINT and SIGHUP (the session ends, Ctrl+C in a terminal, the terminal
// closes) end the program through quit, in the event loop, as a person quitting
// does: so the copied text is handed over as usual. Later signals change nothing.
// Lasts as long as context.
void quitOnSignals(QObject* context, std::function<void()> quit);

} // namespace hueprobe
