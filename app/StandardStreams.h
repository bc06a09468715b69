#pragma once

#ifdef __unix__
#include <fcntl.h>
#include <unistd.h>
#endif

namespace hueprobe {

// Opens /dev/null onto each of standard input, output and error that the starter left
// closed. Otherwise the next file opened (an X connection) takes the free number, and a
// warning written to stderr would go into it. open() returns the lowest free number,
// so filling them in order fills each one that is missing.
inline void openClosedStandardStreams() {
#ifdef __unix__
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) < 0 && open("/dev/null", O_RDWR) < 0)
            return; // no /dev/null: nothing more can be done about it
    }
#endif
}

} // namespace hueprobe
