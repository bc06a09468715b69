#pragma once

#include "Module1.h"

#include <cstddef>
#include <string_view>

namespace hueprobe {

// Why a text was not taken as a colour.
enum class ColorTextRefusal {
    None,            // it was read
    Empty,           // nothing but blanks
    TooLong,         // longer than any way of writing a colour
    NotText,         // holds control characters: data rather than writing
    Transparent,     // "transparent" has no colour to take
    CurrentColor,    // "currentcolor" stands for the colour of the text around it
    OtherFunction,   // a function that writes no colour: var(), device-cmyk(), foo()...
    BadArguments,    // a colour function with values it does not take, too few or too many
    UnknownSpace,    // color() or color-mix() naming a colour space there is not
    UnsupportedCalc, // a calculation beyond calc() of numbers and channel names
    NotFinite,       // a value that is infinite or not a number, or too large to hold
    TooDeep,         // colours and brackets nested deeper than any style sheet nests them
    NotAColour,      // anything else
};

struct ColorTextResult {
    ColorTextRefusal refusal = ColorTextRefusal::None;
    Channels colour{};          // when read: red, green, blue, each 0..255
    bool alphaDropped = false;  // when read: the text made it less than opaque
    bool outsideScreen = false; // when read: the colour lay beyond the screen's range and
                                // was brought into it, lightness and hue kept
    bool read() const { return refusal == ColorTextRefusal::None; }
};

// No colour is written with more characters than this, blanks included (a
// color-mix() of relative colours is long, but not this long); a caller holding
// a longer text hands over only its first ColorTextMaxLength + 1 characters, and
// the answer comes at once whatever the whole size.
inline constexpr std::size_t ColorTextMaxLength = 1024;

// Reads a colour written as a web author writes one, letter case ignored, with
// blanks around it and one trailing ';' allowed: the program's own copy formats
// ("00FFAA", "#00FFAA", "RGB(0,255,170)"), CSS hex (#rgb, #rgba, #rrggbb,
// #rrggbbaa), the CSS colour names, rgb()/rgba() and hsl()/hsla() in the comma
// and the space syntax, hwb(), lab(), lch(), oklab(), oklch(), color() in every
// space of the colour-space table, color-mix() of any two colours in any of
// those spaces with a hue interpolation for the spaces with a hue, and the
// relative syntax ("oklch(from #f00 calc(l * 0.8) c h)") of each function.
// A value may be `none`, a number, a percentage or, for a hue, an angle; in a
// relative colour also a channel name ("r", "l", "alpha"...). calc() is read
// with numbers, channel names, e and pi, + - * / and brackets; anything else in
// it (units, percentages, min() and other functions) is refused, as are
// infinite and NaN results. Colours and brackets nest at most 32 deep.
// Each function clamps its values to its channels' bounds in the colour-space
// table (rgb() to 0..255, lab()'s lightness to 0..100, chroma and saturation at
// 0); color() and relative colours take them as written. A colour still beyond
// the screen's range is gamut mapped into it and said so in outsideScreen.
// Fractions are rounded half up; alpha is read and dropped.
ColorTextResult ReadColorText(std::string_view text);

} // namespace hueprobe
