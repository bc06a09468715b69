#pragma once

#include "Module1.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// What a web author asks of a colour besides its code: how readable text is on
// it (WCAG 2), its hue, saturation and lightness, and the nearest named colour.
namespace hueprobe {

// WCAG 2 relative luminance of a colour, 0 for black to 1 for white.
double RelativeLuminance(const Channels& colour);

// WCAG 2 contrast ratio of two colours, from 1 (the same) to 21 (black and white).
double ContrastRatio(const Channels& first, const Channels& second);

// A WCAG 2 success level for text and the least contrast ratio it asks for.
struct WcagLevel {
    std::string_view name;
    double minimum;
};

// Normal text AA and AAA, then large text (18 pt, or 14 pt bold) AA and AAA.
inline constexpr std::array<WcagLevel, 4> WcagLevels{{
    {"AA", 4.5},
    {"AAA", 7},
    {"AA large", 3},
    {"AAA large", 4.5},
}};

// User-interface components and graphical objects (non-text contrast): the
// edge of a field, a button or an icon against what is next to it.
inline constexpr WcagLevel NonTextLevel{"non-text", 3};

bool Passes(double ratio, const WcagLevel& level);

// The ratio as "4.83:1": rounded to hundredths, except that a ratio just short
// of a level is never shown as reaching it (4.497 is "4.49:1", not "4.50:1"), so
// the figure and the pass marks beside it always agree.
std::string RatioText(double ratio);

// Hue in degrees (0 to 359), saturation and lightness in percent, each rounded
// to a whole number as style sheets usually write them.
struct Hsl {
    int hue = 0;
    int saturation = 0;
    int lightness = 0;
};

Hsl ToHsl(const Channels& colour);

// CIELAB under the sRGB white point (D65).
struct Lab {
    double L = 0;
    double a = 0;
    double b = 0;
};

Lab ToLab(const Channels& colour);

// The CIEDE2000 colour difference; about 1 is the least difference most people see.
double DeltaE2000(const Lab& first, const Lab& second);

// The chart colour nearest to a colour by CIEDE2000: every name the chart gives
// that colour (Cyan and Aqua are one colour), in chart order, and the difference.
struct NearestName {
    std::vector<std::string_view> names;
    double deltaE = 0;

    std::string namesText() const; // "Cyan / Aqua"
};

NearestName NearestChartName(const Channels& colour);

} // namespace hueprobe
