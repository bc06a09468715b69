#pragma once

#include "Module1.h"
#include "Oklab.h"

#include <array>

// How a colour looks to readers whose colour vision differs from the usual:
// the three dichromacies as Machado, Oliveira and Fernandes (2009) model them
// at full severity, and achromatopsia, which sees only how light a colour is.
// The models work on light, so the colour is decoded to linear sRGB first and
// what they give is clipped to the screen's range and encoded again.
namespace hueprobe {

enum class ColorVision {
    Protanopia,    // no long-wavelength (red) cones
    Deuteranopia,  // no medium-wavelength (green) cones
    Tritanopia,    // no short-wavelength (blue) cones
    Achromatopsia, // no colour at all: the grey of the same relative luminance
};

inline constexpr std::array<ColorVision, 4> ColorVisions{
    ColorVision::Protanopia, ColorVision::Deuteranopia, ColorVision::Tritanopia,
    ColorVision::Achromatopsia};

Channels SeenWith(ColorVision vision, const Channels& colour);

// Linear-light sRGB as 0..255 channels: clipped to the screen's range, encoded
// and rounded to the nearest whole value.
Channels ChannelsFromLinearSrgb(const Triple& linear);

} // namespace hueprobe
