#include "Channel16.h"

#include <cstdio>
#include <cstdlib>

namespace hueprobe {

void channelOverflow(const char* operation, long long value) {
    std::fprintf(stderr,
                 "hueprobe: internal error: %s gave %lld, outside the 16-bit channel range\n",
                 operation, value);
    std::fflush(stderr);
    std::abort();
}

} // namespace hueprobe
