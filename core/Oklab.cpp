#include "Oklab.h"

#include "ColorMatrix.h"

#include <cmath>
#include <numbers>

namespace hueprobe {

namespace {

// Ottosson's matrices from linear sRGB to the cone responses (LMS) and from
// their cube roots to OKLab, with their inverses.
constexpr Matrix3 LmsFromLinearSrgb{{
    {0.4122214708, 0.5363325363, 0.0514459929},
    {0.2119034982, 0.6806995451, 0.1073969566},
    {0.0883024619, 0.2817188376, 0.6299787005},
}};
constexpr Matrix3 OklabFromLmsRoot{{
    {0.2104542553, 0.7936177850, -0.0040720468},
    {1.9779984951, -2.4285922050, 0.4505937099},
    {0.0259040371, 0.7827717662, -0.8086757660},
}};
constexpr Matrix3 LmsRootFromOklab{{
    {1.0, 0.3963377774, 0.2158037573},
    {1.0, -0.1055613458, -0.0638541728},
    {1.0, -0.0894841775, -1.2914855480},
}};
constexpr Matrix3 LinearSrgbFromLms{{
    {4.0767416621, -3.3077115913, 0.2309699292},
    {-1.2684380046, 2.6097574011, -0.3413193965},
    {-0.0041960863, -0.7034186147, 1.7076147010},
}};

} // namespace

double LinearFromEncoded(double encoded) {
    const double magnitude = std::abs(encoded);
    const double linear =
        magnitude <= 0.04045 ? magnitude / 12.92 : std::pow((magnitude + 0.055) / 1.055, 2.4);
    return std::copysign(linear, encoded);
}

double EncodedFromLinear(double linear) {
    const double magnitude = std::abs(linear);
    const double encoded =
        magnitude <= 0.0031308 ? magnitude * 12.92 : 1.055 * std::pow(magnitude, 1 / 2.4) - 0.055;
    return std::copysign(encoded, linear);
}

Triple LinearSrgb(const Channels& colour) {
    return {LinearFromEncoded(colour[0] / 255.0), LinearFromEncoded(colour[1] / 255.0),
            LinearFromEncoded(colour[2] / 255.0)};
}

Triple OklabFromLinearSrgb(const Triple& linear) {
    Triple lms = Times(LmsFromLinearSrgb, linear);
    for (double& response : lms)
        response = std::cbrt(response);
    return Times(OklabFromLmsRoot, lms);
}

Triple LinearSrgbFromOklab(const Triple& oklab) {
    Triple lms = Times(LmsRootFromOklab, oklab);
    for (double& response : lms)
        response = response * response * response;
    return Times(LinearSrgbFromLms, lms);
}

Triple OklchFromOklab(const Triple& oklab) {
    const double chroma = std::hypot(oklab[1], oklab[2]);
    double hue = std::atan2(oklab[2], oklab[1]) * 180 / std::numbers::pi;
    if (hue < 0)
        hue += 360;
    return {oklab[0], chroma, chroma == 0 ? 0 : hue};
}

Triple OklabFromOklch(const Triple& oklch) {
    const double hue = oklch[2] * std::numbers::pi / 180;
    return {oklch[0], oklch[1] * std::cos(hue), oklch[1] * std::sin(hue)};
}

double DeltaEOK(const Triple& oklab, const Triple& otherOklab) {
    return std::hypot(oklab[0] - otherOklab[0], oklab[1] - otherOklab[1], oklab[2] - otherOklab[2]);
}

} // namespace hueprobe
