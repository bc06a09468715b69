#pragma once

#include "Module1.h"

#include <cstddef>
#include <string_view>

namespace hueprobe {

// Why a text was not taken as a colour.
enum class ColorTextRefusal {
    None,          // it was read
    Empty,         // nothing but blanks
    TooLong,       // longer than any way of writing a colour
    NotText,       // holds control characters: data rather than writing
    Transparent,   // "transparent" has no colour to take
    CurrentColor,  // "currentcolor" stands for the colour of the text around it
    OtherFunction, // a notation other than rgb() and hsl(): color(), lab(), hwb()...
    BadArguments,  // rgb() or hsl() with values they do not take
    NotAColour,    // anything else
};

struct ColorTextResult {
    ColorTextRefusal refusal = ColorTextRefusal::None;
    Channels colour{};         // when read: red, green, blue, each 0..255
    bool alphaDropped = false; // when read: the text made it less than opaque
    bool read() const { return refusal == ColorTextRefusal::None; }
};

// No colour is written with more characters than this, blanks included; a
// caller holding a longer text hands over only its first ColorTextMaxLength + 1
// characters, and the answer comes at once whatever the whole size.
inline constexpr std::size_t ColorTextMaxLength = 256;

// Reads a colour written as a web author writes one, letter case ignored, with
// blanks around it and one trailing ';' allowed: the program's own copy formats
// ("00FFAA", "#00FFAA", "RGB(0,255,170)"), CSS hex (#rgb, #rgba, #rrggbb,
// #rrggbbaa), rgb()/rgba() and hsl()/hsla() in the comma and the space syntax,
// and the CSS colour names. Values out of range are clamped and fractions
// rounded half up, as browsers do; alpha is read and dropped.
ColorTextResult ReadColorText(std::string_view text);

} // namespace hueprobe
