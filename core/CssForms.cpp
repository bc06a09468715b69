#include "CssForms.h"

#include "ColorMetrics.h"
#include "HexCodec.h"

#include <algorithm>
#include <cctype>

namespace hueprobe {

namespace {

std::string rgbText(const Channels& colour, const char* separator) {
    return "rgb(" + decimalText(colour[0]) + separator + decimalText(colour[1]) + separator +
           decimalText(colour[2]) + ")";
}

} // namespace

std::string CssHex(const Channels& colour) {
    std::string text = "#" + ToHex(colour[0]) + ToHex(colour[1]) + ToHex(colour[2]);
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

std::string CssRgb(const Channels& colour) {
    return rgbText(colour, " ");
}

std::string CssRgbCommas(const Channels& colour) {
    return rgbText(colour, ", ");
}

std::string CssHsl(const Channels& colour) {
    const Hsl hsl = ToHsl(colour);
    return "hsl(" + std::to_string(hsl.hue) + " " + std::to_string(hsl.saturation) + "% " +
           std::to_string(hsl.lightness) + "%)";
}

} // namespace hueprobe
