// Fuzz target for the colour-text reader, where text from the clipboard enters
// the program. For every input the reader must return (the sanitizers report
// any memory fault or undefined behaviour), give channels 0..255, and read its
// own answer back: the colour written as #RRGGBB reads as the same, opaque.
#include "ColorText.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace hueprobe;

static void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "broken property: %s\n", property);
        std::abort();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ColorTextResult result = ReadColorText({reinterpret_cast<const char*>(data), size});
    if (!result.read())
        return 0;
    const auto [red, green, blue] = result.colour;
    for (const Int16 channel : result.colour)
        require(channel >= 0 && channel <= 255, "every channel is 0..255");
    char code[8];
    std::snprintf(code, sizeof code, "#%02X%02X%02X", red, green, blue);
    const ColorTextResult again = ReadColorText(code);
    require(again.read() && again.colour == result.colour && !again.alphaDropped,
            "the colour read, written as #RRGGBB, reads back the same");
    return 0;
}
