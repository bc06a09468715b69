#include "ColorMetrics.h"

#include "ColorChart.h"
#include "HexCodec.h"
#include "Oklab.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace hueprobe {

namespace {

constexpr std::array<int, 3> ThresholdsInHundredths{300, 450, 700};

std::string hundredthsText(long hundredths) {
    const long fraction = hundredths % 100;
    return std::to_string(hundredths / 100) + (fraction < 10 ? ".0" : ".") +
           std::to_string(fraction);
}

double degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// The CIELAB companding of a ratio to the white point.
double labCompand(double ratio) {
    constexpr double epsilon = 216.0 / 24389;
    constexpr double kappa = 24389.0 / 27;
    return ratio > epsilon ? std::cbrt(ratio) : (kappa * ratio + 16) / 116;
}

// Hue angle in degrees, 0 to 360; 0 for a grey.
double hueAngle(double b, double a) {
    if (a == 0 && b == 0)
        return 0;
    const double angle = degrees(std::atan2(b, a));
    return angle < 0 ? angle + 360 : angle;
}

double pow7(double x) {
    return std::pow(x, 7);
}

// What share of chroma CIEDE2000 weighs in its a' and rotation terms.
double chromaWeight(double chroma) {
    return std::sqrt(pow7(chroma) / (pow7(chroma) + pow7(25)));
}

Channels chartColour(const ChartRow& row) {
    const std::string_view hex = row.hex;
    return {to10(hex.substr(0, 2)), to10(hex.substr(2, 2)), to10(hex.substr(4, 2))};
}

} // namespace

double RelativeLuminance(const Channels& colour) {
    const auto [red, green, blue] = LinearSrgb(colour);
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue;
}

double ContrastRatio(const Channels& first, const Channels& second) {
    const double one = RelativeLuminance(first) + 0.05;
    const double other = RelativeLuminance(second) + 0.05;
    return one > other ? one / other : other / one;
}

bool Passes(double ratio, const WcagLevel& level) {
    return ratio >= level.minimum;
}

std::string RatioText(double ratio) {
    long hundredths = std::lround(ratio * 100);
    for (const int threshold : ThresholdsInHundredths) {
        if (hundredths == threshold && ratio < threshold / 100.0)
            hundredths = threshold - 1;
    }
    return hundredthsText(hundredths) + ":1";
}

Hsl ToHsl(const Channels& colour) {
    const double red = colour[0] / 255.0;
    const double green = colour[1] / 255.0;
    const double blue = colour[2] / 255.0;
    const double max = std::max({red, green, blue});
    const double min = std::min({red, green, blue});
    const double lightness = (max + min) / 2;
    const double chroma = max - min;
    if (chroma == 0)
        return {0, 0, int(std::lround(lightness * 100))};
    const double saturation = chroma / (1 - std::abs(2 * lightness - 1));
    double sextant = 0;
    if (max == red)
        sextant = std::fmod((green - blue) / chroma + 6, 6);
    else if (max == green)
        sextant = (blue - red) / chroma + 2;
    else
        sextant = (red - green) / chroma + 4;
    return {int(std::lround(sextant * 60) % 360), int(std::lround(saturation * 100)),
            int(std::lround(lightness * 100))};
}

Lab ToLab(const Channels& colour) {
    const auto [red, green, blue] = LinearSrgb(colour);
    const double x = 0.4124 * red + 0.3576 * green + 0.1805 * blue;
    const double y = 0.2126 * red + 0.7152 * green + 0.0722 * blue;
    const double z = 0.0193 * red + 0.1192 * green + 0.9505 * blue;
    const double fx = labCompand(x / 0.95047);
    const double fy = labCompand(y);
    const double fz = labCompand(z / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

// CIEDE2000 as Sharma, Wu and Dalal (2005) set it out, step by step.
double DeltaE2000(const Lab& first, const Lab& second) {
    const double meanChroma = (std::hypot(first.a, first.b) + std::hypot(second.a, second.b)) / 2;
    const double aScale = 1 + (1 - chromaWeight(meanChroma)) / 2;
    const double a1 = first.a * aScale;
    const double a2 = second.a * aScale;
    const double c1 = std::hypot(a1, first.b);
    const double c2 = std::hypot(a2, second.b);
    const double h1 = hueAngle(first.b, a1);
    const double h2 = hueAngle(second.b, a2);
    const bool grey = c1 * c2 == 0;

    double hueStep = grey ? 0 : h2 - h1; // the shorter way round the hue circle
    if (hueStep > 180)
        hueStep -= 360;
    else if (hueStep < -180)
        hueStep += 360;
    double meanHue = h1 + h2; // for a grey, the other colour's hue
    if (!grey)
        meanHue = std::abs(h1 - h2) <= 180 ? meanHue / 2
                  : meanHue < 360          ? (meanHue + 360) / 2
                                           : (meanHue - 360) / 2;

    const double deltaL = second.L - first.L;
    const double deltaC = c2 - c1;
    const double deltaH = 2 * std::sqrt(c1 * c2) * std::sin(radians(hueStep / 2));
    const double meanL = (first.L + second.L) / 2;
    const double meanC = (c1 + c2) / 2;
    const double t =
        1 - 0.17 * std::cos(radians(meanHue - 30)) + 0.24 * std::cos(radians(2 * meanHue)) +
        0.32 * std::cos(radians(3 * meanHue + 6)) - 0.20 * std::cos(radians(4 * meanHue - 63));
    const double lOffset = (meanL - 50) * (meanL - 50);
    const double sL = 1 + 0.015 * lOffset / std::sqrt(20 + lOffset);
    const double sC = 1 + 0.045 * meanC;
    const double sH = 1 + 0.015 * meanC * t;
    const double rotation = 30 * std::exp(-std::pow((meanHue - 275) / 25, 2));
    const double rT = -std::sin(radians(2 * rotation)) * 2 * chromaWeight(meanC);
    const double l = deltaL / sL;
    const double c = deltaC / sC;
    const double h = deltaH / sH;
    return std::sqrt(l * l + c * c + h * h + rT * c * h);
}

NearestName NearestChartName(const Channels& colour) {
    const Lab lab = ToLab(colour);
    const ChartRow* nearest = &ColorChart.front();
    double least = DeltaE2000(lab, ToLab(chartColour(*nearest)));
    for (const ChartRow& row : ColorChart) {
        const double difference = DeltaE2000(lab, ToLab(chartColour(row)));
        if (difference < least) {
            least = difference;
            nearest = &row;
        }
    }
    NearestName result{{}, least};
    for (const ChartRow& row : ColorChart) {
        if (row.hex == nearest->hex)
            result.names.push_back(row.name);
    }
    return result;
}

std::string NearestName::namesText() const {
    std::string text;
    for (const std::string_view name : names)
        text.append(text.empty() ? "" : " / ").append(name);
    return text;
}

} // namespace hueprobe
