#pragma once

#include "Module1.h"
#include "Oklab.h"

#include <array>
#include <cmath>
#include <limits>
#include <span>
#include <string>
#include <string_view>

// Every colour space a style sheet can write a colour in, as one table: each
// space is one entry holding its names, how its channels are read, its white
// point, its way to and from the common space (CIE XYZ) and how it is written
// out. Reading, showing, mixing and bringing a colour onto the screen all go
// through the table, so a new space is one new entry.
//
// Coordinates are in the units a style sheet's numbers use once percentages
// are resolved: lab() L 0..100, oklab() L 0..1, hsl() and hwb() percentages as
// 0..100, hues in degrees, color(srgb ...) channels 0..1. A coordinate that is
// NaN is missing, as the keyword `none` writes it.
namespace hueprobe {

inline constexpr double Missing = std::numeric_limits<double>::quiet_NaN();
inline bool IsMissing(double coordinate) {
    return std::isnan(coordinate);
}

enum class WhitePoint { D50, D65 };

// What a channel means, so that a missing channel carries over to the channel
// of the same meaning when a colour moves to another space for mixing.
enum class ChannelKind {
    Red,
    Green,
    Blue,
    Lightness,
    Colourfulness,
    Hue,
    OpponentA,
    OpponentB,
    Other
};

inline constexpr double Unbounded = std::numeric_limits<double>::infinity();

struct ChannelInfo {
    std::string_view keyword; // its name in the relative syntax: "r", "l", "c", "h"...
    ChannelKind kind = ChannelKind::Other;
    double percentReference = 0;   // what 100% stands for; 0 when a percentage is not taken
    double lowest = -Unbounded;    // values read by the space's own function below this
    double highest = Unbounded;    // are raised to it, above this lowered to it (color()
                                   // and the relative syntax take values as written)
    int decimals = 5;              // decimal places when written out
    bool writtenAsPercent = false; // written "40%" (hwb's whiteness) rather than a number
};

struct ColorSpace {
    std::string_view name;                     // the CSS name: "oklch", "display-p3", "xyz-d65"
    std::array<std::string_view, 2> aliases{}; // other names of the same space ("xyz"), or empty
    // g++ warns of a field an entry leaves out unless it has an initializer of its
    // own, which newer clang-tidy finds redundant.
    // NOLINTBEGIN(readability-redundant-member-init)
    std::string_view functionName{};       // "oklch" for oklch(), empty if only color() reads it
    std::string_view legacyFunctionName{}; // "rgba", "hsla", or empty
    // NOLINTEND(readability-redundant-member-init)
    double functionScale = 1;     // function numbers per coordinate: 255 for rgb()
    bool inColorFunction = false; // an ident of color(): color(display-p3 1 0 0)
    std::array<ChannelInfo, 3> channels;
    WhitePoint whitePoint = WhitePoint::D65;         // the white its XYZ is relative to
    int hueChannel = -1;                             // index of the hue, -1 for none
    bool (*hueIsPowerless)(const Triple&) = nullptr; // a grey, whose hue means nothing
    Triple (*toXyz)(const Triple&) = nullptr;        // coordinates to XYZ under its white point
    Triple (*fromXyz)(const Triple&) = nullptr;      // XYZ under its white point to coordinates

    bool polar() const { return hueChannel >= 0; }
};

// The table, in the order CSS Color 4 lists the spaces.
std::span<const ColorSpace> ColorSpaces();

// A space by CSS name or alias, letter case ignored; nullptr when there is none.
const ColorSpace* FindColorSpace(std::string_view cssName);
// A space read by a function of this name ("lab", "rgba"), letter case ignored.
const ColorSpace* FindColorFunction(std::string_view functionName);
// The spaces by name, for callers that need a fixed one.
const ColorSpace& SrgbSpace();
const ColorSpace& OklchSpace();

// Coordinates in a space, with their white point's XYZ, to XYZ under D65 and
// back, the D50 spaces going through the Bradford adaptation. Missing
// coordinates count as 0.
Triple XyzD65From(const ColorSpace& space, const Triple& coordinates);
Triple CoordinatesFromXyzD65(const ColorSpace& space, const Triple& xyzD65);

// From one space to another, missing coordinates counting as 0. A polar space's
// hue comes out 0 where it is powerless (a grey has no hue), never missing; within
// one space the coordinates stay as they are, a grey's hue too.
Triple ConvertColour(const ColorSpace& from, const Triple& coordinates, const ColorSpace& to);

// The colour brought onto the screen: sRGB channels 0..255, and whether the
// colour lay outside the screen's range and was moved into it by CSS Color 4's
// gamut mapping (chroma lowered in OKLCh, lightness and hue kept, until the
// clipped colour is within deltaEOK 0.02 of it).
struct ScreenColour {
    Channels colour{};
    bool wasOutside = false;
};
ScreenColour ToScreen(const ColorSpace& space, const Triple& coordinates);

// The colour written as a style sheet writes it in that space, as browsers
// write a computed value: "oklch(0.628 0.2577 29.23)", "color(display-p3 1 0 0)";
// each channel rounded to its table entry's decimals, trailing zeros dropped,
// `none` for a missing coordinate.
std::string SerialiseColour(const ColorSpace& space, const Triple& coordinates);

// The coordinates of a screen colour in a space, as the information dialog
// shows them: a grey's hue is 0.
Triple CoordinatesOf(const ColorSpace& space, const Channels& colour);

} // namespace hueprobe
