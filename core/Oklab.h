#pragma once

#include "Module1.h"

#include <array>

// The perceptual space OKLab (Björn Ottosson, 2020) and its polar form OKLCh, in
// which Hueprobe measures how far apart two colours look (deltaEOK) and moves a
// colour while keeping its hue. Linear sRGB here is light, 0 to 1 per channel
// inside the screen's range; values outside it stand for colours the screen
// cannot show.
namespace hueprobe {

using Triple = std::array<double, 3>;

double LinearFromEncoded(double encoded); // sRGB transfer curve, undone
double EncodedFromLinear(double linear);  // sRGB transfer curve, applied (sign kept)

Triple LinearSrgb(const Channels& colour); // 0..255 channels to linear light

Triple OklabFromLinearSrgb(const Triple& linear);
Triple LinearSrgbFromOklab(const Triple& oklab);

// OKLCh: lightness, chroma, hue in degrees 0 to 360 (0 for a grey).
Triple OklchFromOklab(const Triple& oklab);
Triple OklabFromOklch(const Triple& oklch);

// The Euclidean distance in OKLab; about 0.02 is the least difference people see.
double DeltaEOK(const Triple& oklab, const Triple& otherOklab);

} // namespace hueprobe
