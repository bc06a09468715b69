#include "QuitSignals.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>
#endif

namespace hueprobe {

#ifdef Q_OS_UNIX

namespace {

// A signal handler may do next to nothing: it writes a byte into this pipe, and the
// event loop reads it.
std::array<int, 2> signalPipe{-1, -1};

void noteSignal(int) {
    const int savedErrno = errno;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

void quitOnSignals(QObject* context, std::function<void()> quit) {
    if (pipe2(signalPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        std::perror("hueprobe: signals end the program at once");
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context,
                     [notifier, quit = std::move(quit)] {
                         notifier->setEnabled(false);
                         quit();
                     });
    struct sigaction action = {};
    action.sa_handler = noteSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

#else

void quitOnSignals(QObject*, std::function<void()>) {} // Windows ends programs otherwise

#endif

} // namespace hueprobe
